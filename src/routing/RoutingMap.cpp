#include "routing/RoutingMap.h"

#include "model/DeviceCatalogue.h"

namespace kelvane {
namespace {

template <typename Visit>
void ForEachMember(EquationKind kind, const Equation& equation, Visit visit) {
    for (int slot = 1; slot <= kEquationTerms; ++slot) {
        const int value = equation[static_cast<std::size_t>(slot)];
        if (IsMember(kind, value)) visit(value);
    }
}

bool InRange(int value, int count) {
    return value >= 0 && value < count;
}

// What the equations name an area in.
struct AreaMembership {
    ZoneSet zones;
    GroupSet day;
    GroupSet night;
};

}  // namespace

std::string CallSource::Name() const {
    return kind == Kind::Area ? "area " + AreaLetter(number) : "device " + std::to_string(number);
}

RoutingMap::RoutingMap(const TData& data) : zoneLimit_(data.SiteConfig.ZoneLimit()) {
    std::array<AreaMembership, kAreaCount> areas{};
    std::array<ZoneSet, kLoopDeviceCount + 1> namedBy{};  // zones whose device equation names the address
    for (int z = 1; z <= zoneLimit_; ++z) {
        const TKZone& zone = data.ZoneList.Zones[static_cast<std::size_t>(z)];
        ForEachMember(EquationKind::Area, zone.AreaEquation,
                      [&](int area) { areas[static_cast<std::size_t>(area)].zones.set(z); });
        ForEachMember(EquationKind::Device, zone.DeviceEquation,
                      [&](int value) { namedBy[static_cast<std::size_t>(value) + 1].set(z); });
    }
    std::array<GroupSet, kGroupCount + 1> divertsOf{};
    for (int g = 1; g <= kGroupCount; ++g) {
        const TKGroup& group = data.GroupList.Groups[static_cast<std::size_t>(g)];
        ForEachMember(EquationKind::Area, group.PrimaryAreaEquation,
                      [&](int area) { areas[static_cast<std::size_t>(area)].day.set(g); });
        ForEachMember(EquationKind::Area, group.NightAreaEquation,
                      [&](int area) { areas[static_cast<std::size_t>(area)].night.set(g); });
        ForEachMember(EquationKind::Group, group.DivertEquation, [&](int value) {
            divertsOf[static_cast<std::size_t>(g)].set(static_cast<std::size_t>(value) + 1);
        });
    }
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        const int allocation = data.Loop.Device(n).Allocation;
        if (data.Loop.IsZoneDevice(n) && InRange(allocation, zoneLimit_))
            zoneOutputs_[static_cast<std::size_t>(allocation) + 1].set(static_cast<std::size_t>(n));
        if (data.Loop.IsGroupDevice(n) && InRange(allocation, kGroupCount))
            groupDisplays_[static_cast<std::size_t>(allocation) + 1].set(static_cast<std::size_t>(n));
    }

    const auto addZones = [&](Route& route, const ZoneSet& zones) {
        for (int z = 1; z <= zoneLimit_; ++z)
            if (zones.test(static_cast<std::size_t>(z)))
                route.outputs |= zoneOutputs_[static_cast<std::size_t>(z)];
        route.zones |= zones;
    };

    routes_.reserve(kAreaCount + kLoopDeviceCount);
    for (int a = 0; a < kAreaCount; ++a) {
        const AreaMembership& area = areas[static_cast<std::size_t>(a)];
        Route route;
        route.source = {CallSource::Kind::Area, a};
        route.groupsDay = area.day;
        route.groupsNight = area.night;
        const GroupSet shown = area.day | area.night;
        for (int g = 1; g <= kGroupCount; ++g) {
            if (!shown.test(static_cast<std::size_t>(g))) continue;
            route.diverts |= divertsOf[static_cast<std::size_t>(g)];
            route.outputs |= groupDisplays_[static_cast<std::size_t>(g)];
        }
        route.diverts &= ~shown;
        addZones(route, area.zones);
        routes_.push_back(route);
    }
    // A device of the area class shows everything its area shows, and then
    // the zones that name it.
    deviceRoute_.fill(-1);
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        const TKDeviceType& device = data.Loop.Device(n);
        if (device.DeviceType == dtNotFitted) continue;
        Route route;
        if (data.Loop.IsAreaDevice(n) && InRange(device.Allocation, kAreaCount))
            route = routes_[static_cast<std::size_t>(device.Allocation)];
        route.source = {CallSource::Kind::Device, n};
        addZones(route, namedBy[static_cast<std::size_t>(n)] & ~route.zones);
        deviceRoute_[static_cast<std::size_t>(n)] = static_cast<int>(routes_.size());
        routes_.push_back(route);
    }
}

const Route* RoutingMap::DeviceRoute(int address) const {
    if (!InRange(address - 1, kLoopDeviceCount)) return nullptr;
    const int index = deviceRoute_[static_cast<std::size_t>(address)];
    return index < 0 ? nullptr : &routes_[static_cast<std::size_t>(index)];
}

template <typename Test>
std::vector<CallSource> RoutingMap::SourcesWhere(Test test) const {
    std::vector<CallSource> sources;
    for (const Route& route : routes_)
        if (test(route)) sources.push_back(route.source);
    return sources;
}

std::vector<CallSource> RoutingMap::SourcesShownByZone(int zone) const {
    if (!InRange(zone - 1, zoneLimit_)) return {};
    return SourcesWhere([&](const Route& route) { return route.zones.test(static_cast<std::size_t>(zone)); });
}

std::vector<CallSource> RoutingMap::SourcesShownByGroup(int group) const {
    if (!InRange(group - 1, kGroupCount)) return {};
    const auto bit = static_cast<std::size_t>(group);
    return SourcesWhere(
        [&](const Route& route) { return route.groupsDay.test(bit) || route.groupsNight.test(bit); });
}

std::vector<CallSource> RoutingMap::SourcesShownByDevice(int address) const {
    if (!InRange(address - 1, kLoopDeviceCount)) return {};
    const auto bit = static_cast<std::size_t>(address);
    return SourcesWhere([&](const Route& route) { return route.outputs.test(bit); });
}

}  // namespace kelvane
