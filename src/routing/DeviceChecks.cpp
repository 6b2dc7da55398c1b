#include <map>

#include "model/DeviceCatalogue.h"
#include "routing/CheckParts.h"
#include "routing/SiteWords.h"

namespace kelvane {
namespace {

bool InRange(int value, int count) {
    return value >= 0 && value < count;
}

// The allocation checks: one that lies outside its class's range, and an
// over-door light or sounder on a zone beyond the controller's zone range.
void CheckAllocation(const TData& data, const RoutingMap& map, int n, std::vector<SiteFinding>& findings) {
    const FindingRecord record{FindingRecord::Kind::Device, n};
    const int allocation = data.Loop.Device(n).Allocation;
    const std::string device = DeviceWords(data, n);
    const auto invalid = [&](const std::string& why) {
        findings.push_back({Severity::Error, "allocation-invalid", record, device + " " + why});
    };
    switch (DeviceAllocationClass(data.Loop.Device(n).DeviceType)) {
        case AllocationClass::Area:
            if (!InRange(allocation, kAreaCount))
                invalid("has an allocation outside Areas A to Z (stored value " + std::to_string(allocation) +
                        "): its calls belong to no area");
            break;
        case AllocationClass::Group:
            if (!InRange(allocation, kGroupCount))
                invalid("is allocated to " + GroupListName(allocation) +
                        ", outside Groups 1 to 32: it shows no call");
            break;
        case AllocationClass::Zone:
            if (!InRange(allocation, kZoneCount)) {
                invalid("is allocated to " + ZoneListName(allocation) +
                        ", outside Zones 1 to 64: it lights for no call");
            } else if (allocation >= map.ZoneLimit()) {
                findings.push_back({Severity::Error, "zone-out-of-range", record,
                                    device + " is allocated to " + ZoneListName(allocation) +
                                        ", but the controller (version " + data.GetMainVersion() + ") has " +
                                        std::to_string(map.ZoneLimit()) + " zones: it lights for no call"});
            }
            break;
        case AllocationClass::None:
            break;
    }
}

}  // namespace

void CheckDevices(const TData& data, const RoutingMap& map, std::vector<SiteFinding>& findings) {
    // The first caller with each place name and suffix, by the text a display shows.
    std::map<std::string, int> firstAt;
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        const TKDeviceType& device = data.Loop.Device(n);
        if (device.DeviceType == dtNotFitted) continue;
        CheckAllocation(data, map, n, findings);
        if (!data.Loop.IsAreaDevice(n)) continue;
        const FindingRecord record{FindingRecord::Kind::Device, n};
        if (map.DeviceRoute(n)->ShownNowhere()) {
            const std::string area = AreaLetter(device.Allocation);
            findings.push_back({Severity::Warning, "call-unrouted", record,
                                DeviceWords(data, n) + (area.empty() ? "" : " in Area " + area) +
                                    ": no zone and no group shows its calls, by day or at night"});
        }
        const auto [first, isFirst] = firstAt.try_emplace(data.DevicePlaceName(n) + '\n' + device.Suffix, n);
        if (!isFirst) {
            findings.push_back({Severity::Note, "same-place", record,
                                DeviceWords(data, n) + " has the same place name and suffix as device " +
                                    std::to_string(first->second) + " (" +
                                    DeviceTypeLongName(data.Loop.Device(first->second).DeviceType) +
                                    "): a nurse cannot tell their calls apart"});
        }
    }
}

}  // namespace kelvane
