#pragma once
#include <array>
#include <bitset>
#include <string>
#include <vector>

#include "model/Data.h"

namespace kelvane {

// Sets of zone, group and device numbers, indexed by the number itself
// (zones 1..64, groups 1..32, addresses 1..256; bit 0 is never set).
using ZoneSet = std::bitset<kZoneCount + 1>;
using GroupSet = std::bitset<kGroupCount + 1>;
using DeviceSet = std::bitset<kLoopDeviceCount + 1>;

// The numbers in a set, ascending.
template <std::size_t N>
std::vector<int> SetMembers(const std::bitset<N>& set) {
    std::vector<int> members;
    for (std::size_t i = 1; i < N; ++i)
        if (set.test(i)) members.push_back(static_cast<int>(i));
    return members;
}

// Where a call comes from: an area (0..25 for "A".."Z") or a fitted device
// (its address 1..256).
struct CallSource {
    enum class Kind { Area, Device };
    Kind kind = Kind::Area;
    int number = 0;

    // "area C", "device 17".
    std::string Name() const;
    bool operator==(const CallSource&) const = default;
};

// Everything that shows the calls of one source.
struct Route {
    CallSource source;
    // Zones (within the site's zone range) whose area equation names the
    // area, or whose device equation names the device; for a device of the
    // area class, also the zones of its area.
    ZoneSet zones;
    // Groups whose primary areas name the area (by day) and whose night areas
    // name it (at night).
    GroupSet groupsDay;
    GroupSet groupsNight;
    // Groups that the divert equations of the day and night groups name,
    // other than the day and night groups themselves.
    GroupSet diverts;
    // Fitted over-door lights and sounders allocated to one of the zones, and
    // fitted devices of the group class allocated to one of the day or night
    // groups, enabled or not.
    DeviceSet outputs;

    bool ShownNowhere() const { return zones.none() && groupsDay.none() && groupsNight.none(); }
};

// Where every call of a site goes, and the reverse: computed once from the
// equations and the loop; it does not follow later edits.
class RoutingMap {
public:
    explicit RoutingMap(const TData& data);

    // 32 or 64: the zones that count.
    int ZoneLimit() const { return zoneLimit_; }

    // One route per area "A".."Z" in order, then one per fitted device by
    // address.
    const std::vector<Route>& Routes() const { return routes_; }
    const Route& AreaRoute(int area) const { return routes_.at(static_cast<std::size_t>(area)); }
    // Nothing when no device is fitted at `address`.
    const Route* DeviceRoute(int address) const;

    // Fitted over-door lights and sounders allocated to zone z (within the
    // zone range; none beyond it).
    const DeviceSet& ZoneOutputs(int zone) const { return zoneOutputs_.at(static_cast<std::size_t>(zone)); }
    // Fitted devices of the group class allocated to group g.
    const DeviceSet& GroupDisplays(int group) const {
        return groupDisplays_.at(static_cast<std::size_t>(group));
    }

    // The reverse: the sources whose calls zone z shows; group g shows by day
    // or at night; device `address` shows (as one of their outputs).
    std::vector<CallSource> SourcesShownByZone(int zone) const;
    std::vector<CallSource> SourcesShownByGroup(int group) const;
    std::vector<CallSource> SourcesShownByDevice(int address) const;

private:
    template <typename Test>
    std::vector<CallSource> SourcesWhere(Test test) const;

    int zoneLimit_;
    std::vector<Route> routes_;
    std::array<int, kLoopDeviceCount + 1> deviceRoute_{};  // index into routes_, or -1
    std::array<DeviceSet, kZoneCount + 1> zoneOutputs_{};
    std::array<DeviceSet, kGroupCount + 1> groupDisplays_{};
};

}  // namespace kelvane
