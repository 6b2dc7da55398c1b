#include "model/DeviceSummaryOrder.h"

#include "model/DeviceCatalogue.h"

namespace kelvane {

namespace {

constexpr int kLastTypeCodeListedByType = 13;

void AppendDevicesOfType(const TKLoop& loop, int code, std::vector<int>& addresses) {
    for (int n = 1; n <= loop.NoLoopDevices(); ++n)
        if (loop.Device(n).DeviceType == code) addresses.push_back(n);
}

}  // namespace

std::vector<int> DeviceSummaryAddresses(const TKLoop& loop, DeviceSortOrder order, bool fittedOnly) {
    std::vector<int> addresses;
    addresses.reserve(static_cast<std::size_t>(loop.NoLoopDevices()));
    if (order == soDeviceType) {
        for (int code = dtCallpoint; code <= kLastTypeCodeListedByType; ++code)
            AppendDevicesOfType(loop, code, addresses);
        if (!fittedOnly) AppendDevicesOfType(loop, dtNotFitted, addresses);
        return addresses;
    }
    for (int n = 1; n <= loop.NoLoopDevices(); ++n)
        if (!fittedOnly || loop.Device(n).DeviceType != dtNotFitted) addresses.push_back(n);
    return addresses;
}

}  // namespace kelvane
