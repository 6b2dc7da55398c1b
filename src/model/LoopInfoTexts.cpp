#include "model/LoopInfoTexts.h"

namespace kelvane {

const LoopInfoTexts& LoopInfoStartTexts() {
    static const LoopInfoTexts kTexts{"Device Type=", "Name=", "Zone No=", "Enabled"};
    return kTexts;
}

LoopInfoTexts DeviceInfoTexts(const TData& data, int n) {
    const TKLoop& loop = data.Loop;
    const TKDeviceType& device = loop.Device(n);
    std::string allocation;
    if (loop.IsGroupDevice(n)) {
        allocation = "Group No=" + std::to_string(device.Allocation + 1);
    } else if (loop.IsAreaDevice(n)) {
        allocation = std::string("Area =") + static_cast<char>(65 + device.Allocation);
    } else {
        allocation = "Zone No=" + std::to_string(device.Allocation + 1);
    }
    return {"Device Type=" + TKLoop::DeviceTypeShortName(device.DeviceType),
            "Place Name=" + data.DevicePlaceName(n) + " " + device.Suffix, allocation,
            device.Enabled > 0 ? "Enabled" : "Disabled"};
}

}  // namespace kelvane
