#include "model/LoopInfoTexts.h"

#include "model/DeviceCatalogue.h"

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
        allocation = "Group No=" + OneBasedNumber(device.Allocation);
    } else if (loop.IsAreaDevice(n)) {
        allocation = std::string("Area =") + AreaCharacter(device.Allocation);
    } else {
        allocation = "Zone No=" + OneBasedNumber(device.Allocation);
    }
    return {"Device Type=" + TKLoop::DeviceTypeShortName(device.DeviceType),
            "Place Name=" + data.DevicePlaceName(n) + " " + device.Suffix, allocation,
            device.Enabled > 0 ? "Enabled" : "Disabled"};
}

}  // namespace kelvane
