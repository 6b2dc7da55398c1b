#include <gtest/gtest.h>

#include "routing/RoutingMap.h"
#include "routing/RoutingSites.h"

namespace kelvane {
namespace {

using test::Fit;
using test::SetTerms;

using Numbers = std::vector<int>;

CallSource Area(char letter) {
    return {CallSource::Kind::Area, letter - 'A'};
}

CallSource Device(int address) {
    return {CallSource::Kind::Device, address};
}

void ExpectRoute(const Route& route, Numbers zones, Numbers day, Numbers night, Numbers diverts,
                 Numbers outputs) {
    SCOPED_TRACE(route.source.Name());
    EXPECT_EQ(SetMembers(route.zones), zones);
    EXPECT_EQ(SetMembers(route.groupsDay), day);
    EXPECT_EQ(SetMembers(route.groupsNight), night);
    EXPECT_EQ(SetMembers(route.diverts), diverts);
    EXPECT_EQ(SetMembers(route.outputs), outputs);
}

TEST(RoutingMapTest, ANewSiteShowsAreaAOnTheControllerAndNothingElse) {
    TData data;
    data.ResetToDefaults();
    const RoutingMap map(data);
    ASSERT_EQ(map.Routes().size(), 27u);  // A..Z and the controller at address 1
    EXPECT_EQ(map.Routes()[26].source, Device(1));
    ExpectRoute(map.AreaRoute(0), {}, {1}, {}, {}, {1});
    ExpectRoute(map.AreaRoute(1), {}, {2}, {}, {}, {});
    ExpectRoute(map.AreaRoute(8), {}, {}, {}, {}, {});
    ExpectRoute(*map.DeviceRoute(1), {}, {}, {}, {}, {});
    EXPECT_EQ(map.DeviceRoute(2), nullptr);
}

TEST(RoutingMapTest, AreasAndDevicesCollectTheirZonesGroupsDivertsAndOutputs) {
    TData data;
    test::WardSite(data);
    // Device 10 is named in zone 1 as well as being in area C, which zone 1
    // shows already, and in zone 3, which has no over-door light.
    SetTerms(data.ZoneList.Zones[1].DeviceEquation, {19, 9}, kDeviceEmpty);
    SetTerms(data.ZoneList.Zones[3].DeviceEquation, {9}, kDeviceEmpty);
    // A disabled output still shows the call.
    data.Loop.Device(13).Enabled = 0;
    const RoutingMap map(data);

    // Group 5 diverts to group 2, which shows area C by day already.
    ExpectRoute(map.AreaRoute('C' - 'A'), {1, 4}, {2}, {5}, {7}, {12, 13, 40, 41});
    ExpectRoute(map.AreaRoute('D' - 'A'), {}, {7}, {}, {}, {42});
    ExpectRoute(*map.DeviceRoute(10), {1, 3, 4}, {2}, {5}, {7}, {12, 13, 40, 41});
    ExpectRoute(*map.DeviceRoute(11), {1, 4}, {2}, {5}, {7}, {12, 13, 40, 41});
    ExpectRoute(*map.DeviceRoute(20), {1}, {7}, {}, {}, {12, 42});
    // Outputs and displays call nothing; the devices are listed by address.
    ExpectRoute(*map.DeviceRoute(12), {}, {}, {}, {}, {});
    std::vector<CallSource> devices;
    for (std::size_t i = 26; i < map.Routes().size(); ++i) devices.push_back(map.Routes()[i].source);
    EXPECT_EQ(devices, (std::vector<CallSource>{Device(10), Device(11), Device(12), Device(13), Device(20),
                                                Device(40), Device(41), Device(42)}));

    EXPECT_EQ(map.SourcesShownByZone(1),
              (std::vector<CallSource>{Area('C'), Device(10), Device(11), Device(20)}));
    EXPECT_EQ(map.SourcesShownByZone(3), std::vector<CallSource>{Device(10)});
    EXPECT_EQ(map.SourcesShownByGroup(5), (std::vector<CallSource>{Area('C'), Device(10), Device(11)}));
    EXPECT_EQ(map.SourcesShownByDevice(12),
              (std::vector<CallSource>{Area('C'), Device(10), Device(11), Device(20)}));
    EXPECT_EQ(map.SourcesShownByDevice(42), (std::vector<CallSource>{Area('D'), Device(20)}));
    EXPECT_TRUE(map.SourcesShownByDevice(10).empty());
    EXPECT_TRUE(map.SourcesShownByZone(65).empty());
    EXPECT_TRUE(map.SourcesShownByGroup(0).empty());
}

TEST(RoutingMapTest, OnlyZonesWithinTheSitesRangeCount) {
    TData data;
    test::EmptySite(data);
    Fit(data, 5, dtCallpoint, 0);
    Fit(data, 6, dtOverDoorLight, 31);  // zone 32
    Fit(data, 7, dtOverDoorLight, 32);  // zone 33
    for (int z : {32, 33, 64}) {
        SetTerms(data.ZoneList.Zones[z].AreaEquation, {0}, kAreaEmpty);
        SetTerms(data.ZoneList.Zones[z].DeviceEquation, {4}, kDeviceEmpty);
    }
    ExpectRoute(RoutingMap(data).AreaRoute(0), {32, 33, 64}, {}, {}, {}, {6, 7});

    data.SiteConfig.MainVersion = "07B12";
    const RoutingMap map(data);
    EXPECT_EQ(map.ZoneLimit(), 32);
    ExpectRoute(map.AreaRoute(0), {32}, {}, {}, {}, {6});
    ExpectRoute(*map.DeviceRoute(5), {32}, {}, {}, {}, {6});
    EXPECT_TRUE(map.ZoneOutputs(33).none());
    EXPECT_TRUE(map.SourcesShownByZone(33).empty());
}

TEST(RoutingMapTest, EmptyMarkersAndInvalidAllocationsRouteNothing) {
    TData data;
    test::EmptySite(data);
    Fit(data, 256, dtCallpoint, 26);        // no area
    Fit(data, 255, dtCorridorDisplay, 32);  // no group
    Fit(data, 254, dtOverDoorLight, -1);    // no zone
    // Every value at or above an empty marker, and a negative one, is an empty slot.
    SetTerms(data.ZoneList.Zones[1].AreaEquation, {26, 27, 100, -1}, kAreaEmpty);
    SetTerms(data.ZoneList.Zones[1].DeviceEquation, {256, 300, -1}, kDeviceEmpty);
    SetTerms(data.GroupList.Groups[1].PrimaryAreaEquation, {26, 90}, kAreaEmpty);
    SetTerms(data.GroupList.Groups[1].NightAreaEquation, {-5}, kAreaEmpty);
    SetTerms(data.GroupList.Groups[2].PrimaryAreaEquation, {0}, kAreaEmpty);
    SetTerms(data.GroupList.Groups[2].DivertEquation, {32, 33, 255, -1}, kGroupCleared);
    // The highest device value is address 256.
    SetTerms(data.ZoneList.Zones[2].DeviceEquation, {255}, kDeviceEmpty);
    const RoutingMap map(data);
    for (const Route& route : map.Routes()) {
        if (route.source == Area('A')) continue;
        if (route.source == Device(256)) continue;
        ExpectRoute(route, {}, {}, {}, {}, {});
    }
    ExpectRoute(map.AreaRoute(0), {}, {2}, {}, {}, {});
    ExpectRoute(*map.DeviceRoute(256), {2}, {}, {}, {}, {});
}

TEST(RoutingMapTest, DuplicateMembersCountOnce) {
    TData data;
    test::WardSite(data);
    SetTerms(data.ZoneList.Zones[1].AreaEquation, {2, 2, 2}, kAreaEmpty);
    SetTerms(data.GroupList.Groups[2].DivertEquation, {6, 6}, kGroupEmpty);
    const RoutingMap map(data);
    ExpectRoute(map.AreaRoute(2), {1, 4}, {2}, {5}, {7}, {12, 13, 40, 41});
    EXPECT_EQ(map.SourcesShownByZone(1).size(), 4u);
}

}  // namespace
}  // namespace kelvane
