#include "model/DeviceSummaryRow.h"

#include "model/DeviceCatalogue.h"

namespace kelvane {

const DeviceSummaryTexts& DeviceSummaryHeadings() {
    static const DeviceSummaryTexts kHeadings{"Dev No",     "Device Type", "Zone/Group/Area",
                                              "Place Name", "Suffix",      "Enabled"};
    return kHeadings;
}

std::string DeviceAllocationText(const TKLoop& loop, int n) {
    const int allocation = loop.Device(n).Allocation;
    if (loop.IsAreaDevice(n)) return std::string("Area ") + AreaCharacter(allocation);
    if (loop.IsGroupDevice(n)) return "Group " + OneBasedNumber(allocation);
    return "Zone " + OneBasedNumber(allocation);
}

DeviceSummaryTexts DeviceSummaryRow(const TData& data, int n) {
    const TKDeviceType& device = data.Loop.Device(n);
    return {std::to_string(n),
            TKLoop::DeviceTypeShortName(device.DeviceType),
            DeviceAllocationText(data.Loop, n),
            data.DevicePlaceName(n),
            device.Suffix,
            device.Enabled != 0 ? "YES" : "NO"};
}

std::string DeviceNameWithSuffix(const TData& data, int n) {
    const std::string& suffix = data.Loop.Device(n).Suffix;
    return suffix.empty() ? data.DevicePlaceName(n) : data.DevicePlaceName(n) + " " + suffix;
}

std::string DeviceSpokenText(const TData& data, int n) {
    if (n < 1 || n > data.Loop.NoLoopDevices()) return {};
    const DeviceSummaryTexts row = DeviceSummaryRow(data, n);
    std::string text = "Device " + row[dcDevNo] + ", " + row[dcDeviceType];
    if (data.Loop.Device(n).DeviceType == dtNotFitted) return text;
    text += ", " + DeviceNameWithSuffix(data, n);
    return text + ", " + row[dcAllocation] + (data.Loop.Device(n).Enabled != 0 ? ", enabled" : ", disabled");
}

}  // namespace kelvane
