#include "model/Loop.h"

#include "model/DeviceCatalogue.h"

namespace kelvane {

std::string TKLoop::DeviceTypeName(int code) {
    return DeviceTypeLongName(code);
}

std::string TKLoop::DeviceTypeShortName(int code) {
    return kelvane::DeviceTypeShortName(code);
}

bool TKLoop::IsGroupDevice(int n) const {
    return DeviceAllocationClass(Device(n).DeviceType) == AllocationClass::Group;
}

bool TKLoop::IsAreaDevice(int n) const {
    return DeviceAllocationClass(Device(n).DeviceType) == AllocationClass::Area;
}

bool TKLoop::IsZoneDevice(int n) const {
    return DeviceAllocationClass(Device(n).DeviceType) == AllocationClass::Zone;
}

bool TKLoop::PlaceDevice(int n, int code) {
    TKDeviceType& device = Device(n);
    const int enabled = code >= 1 ? 1 : 0;
    if (device.DeviceType == code && device.Enabled == enabled) return false;
    device.DeviceType = code;
    device.Enabled = enabled;
    return true;
}

bool TKLoop::ResetParameters(int n) {
    TKDeviceType& device = Device(n);
    if (device.Suffix.empty() && device.Allocation == 0 && device.PlaceNameIndex == 0) return false;
    device.Suffix.clear();
    device.Allocation = 0;
    device.PlaceNameIndex = 0;
    return true;
}

void TKLoop::ResetToDefaults() {
    for (TKDeviceType& device : devices_) {
        device.DeviceType = dtNotFitted;
        device.Allocation = 0;
        device.PlaceNameIndex = 0;
        device.Suffix.clear();
        device.Enabled = 0;
    }
    TKDeviceType& controller = Device(1);
    controller.DeviceType = dtNetworkController;
    controller.PlaceNameIndex = 9;  // "Display"
    controller.Suffix = "1";
    controller.Enabled = 1;
}

}  // namespace kelvane
