#include "model/DeviceBulkEdit.h"

#include "model/DeviceCatalogue.h"

namespace kelvane {

namespace {

bool InClass(const TKLoop& loop, int n, DeviceBulkChange::AllocationClass list) {
    switch (list) {
        case DeviceBulkChange::GroupList:
            return loop.IsGroupDevice(n);
        case DeviceBulkChange::AreaList:
            return loop.IsAreaDevice(n);
        case DeviceBulkChange::ZoneList:
            return loop.IsZoneDevice(n);
    }
    return false;
}

const char* ClassName(DeviceBulkChange::AllocationClass list) {
    switch (list) {
        case DeviceBulkChange::GroupList:
            return "group";
        case DeviceBulkChange::AreaList:
            return "area";
        case DeviceBulkChange::ZoneList:
            return "zone";
    }
    return "";
}

std::string Devices(int count) {
    return std::to_string(count) + (count == 1 ? " device" : " devices");
}

// The field of `device` that `change` sets.
int& Field(TKDeviceType& device, DeviceBulkChange::Kind kind) {
    switch (kind) {
        case DeviceBulkChange::Allocation:
            return device.Allocation;
        case DeviceBulkChange::PlaceName:
            return device.PlaceNameIndex;
        case DeviceBulkChange::Enabled:
            return device.Enabled;
        case DeviceBulkChange::Type:
            break;
    }
    return device.DeviceType;
}

}  // namespace

DeviceBulkResult ApplyToDevices(TKLoop& loop, const std::vector<int>& devices,
                                const DeviceBulkChange& change) {
    DeviceBulkResult result;
    for (const int n : devices) {
        if (n < 1 || n > loop.NoLoopDevices()) continue;
        TKDeviceType& device = loop.Device(n);
        if (change.kind == DeviceBulkChange::Type) {
            if (n == 1) {
                result.networkControllerKept = true;
                continue;
            }
            ++(loop.PlaceDevice(n, change.value) ? result.changed : result.unchanged);
            continue;
        }
        if (device.DeviceType == dtNotFitted) {
            ++result.notFitted;
            continue;
        }
        if (change.kind == DeviceBulkChange::Allocation && !InClass(loop, n, change.list)) {
            ++result.otherClass;
            continue;
        }
        int& field = Field(device, change.kind);
        if (field == change.value) {
            ++result.unchanged;
            continue;
        }
        field = change.value;
        ++result.changed;
    }
    return result;
}

std::string DeviceBulkSummary(const DeviceBulkResult& result, const DeviceBulkChange& change) {
    std::string text = "Changed " + Devices(result.changed);
    if (result.unchanged > 0) text += " (" + std::to_string(result.unchanged) + " already so)";
    if (result.Skipped() == 0) return text;
    text += "; skipped " + std::to_string(result.Skipped()) + ":";
    const char* separator = " ";
    const auto reason = [&](const std::string& why) {
        text += separator + why;
        separator = ", ";
    };
    if (result.networkControllerKept) reason("device 1 keeps its type");
    if (result.notFitted > 0) reason(Devices(result.notFitted) + " not fitted");
    if (result.otherClass > 0)
        reason(Devices(result.otherClass) + " not of the " + ClassName(change.list) + " class");
    return text;
}

std::string DeviceBulkStepName(int changed, const DeviceBulkChange& change) {
    static constexpr const char* kFields[] = {"Type", "Allocation", "Place Name", "Enabled"};
    return "Change " + std::to_string(changed) + (changed == 1 ? " Device " : " Devices ") +
           kFields[change.kind];
}

}  // namespace kelvane
