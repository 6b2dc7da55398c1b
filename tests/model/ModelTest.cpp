#include <gtest/gtest.h>

#include "model/Data.h"
#include "model/DeviceCatalogue.h"
#include "model/ModeTime.h"

namespace kelvane {
namespace {

TEST(VersionRules, SixtyFourZonesFromVersion08A00) {
    TKSiteConfig1 site;
    site.MainVersion = "08A00";
    EXPECT_TRUE(site.Supports64Zones());
    site.MainVersion = "";
    EXPECT_EQ(site.GetMainVersion(), "08A00");
    EXPECT_TRUE(site.Supports64Zones());
    site.MainVersion = "07Z99";
    EXPECT_FALSE(site.Supports64Zones());
    EXPECT_EQ(site.ZoneLimit(), 32);
    site.MainVersion = "Not Available";
    EXPECT_TRUE(site.Supports64Zones());
    site.MainVersion = "08";  // shorter is less on a common prefix
    EXPECT_FALSE(site.Supports64Zones());
}

TEST(ModeTimes, OneOrTwoHourDigitsAndTwoMinuteDigitsWithinTheDay) {
    const std::tuple<const char*, int, int> readable[] = {
        {"0:00", 0, 0}, {"6:15", 6, 15}, {"06:15", 6, 15}, {"23:59", 23, 59}, {"19:00", 19, 0}};
    for (const auto& [text, hour, minute] : readable) {
        const std::optional<ModeTime> time = ParseModeTime(text);
        ASSERT_TRUE(time) << text;
        EXPECT_EQ(time->Hour, hour) << text;
        EXPECT_EQ(time->Minute, minute) << text;
    }
    for (const char* text :
         {"", "24:00", "7:60", "6:1", "615", "__:__", " 6:15", "6:15 ", "006:15", "-1:15", "6:1a"})
        EXPECT_FALSE(ParseModeTime(text)) << text;
}

TEST(Catalogue, NamesAndClasses) {
    EXPECT_EQ(DeviceTypeShortName(7), "OD Light/Sounder");
    EXPECT_EQ(DeviceTypeLongName(7), "Over-door Light / Addressable Sounder");
    EXPECT_EQ(DeviceTypeLongName(10), "");
    EXPECT_EQ(DeviceTypeShortName(-1), "");
    EXPECT_EQ(StandardPlaceName(40), "Zone");
    EXPECT_EQ(StandardPlaceName(5), "Conservtry");
    EXPECT_EQ(StandardPlaceName(41), "");
    EXPECT_EQ(AreaListName(25), "Area Z");
    EXPECT_EQ(ZoneListName(4), "Zone 5");

    TKLoop loop;
    const int expected[kDeviceTypeCount][3] = {
        // group, area, zone
        {0, 0, 0}, {0, 1, 0}, {0, 0, 0}, {0, 0, 0}, {1, 0, 0},
        {0, 1, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 0}, {0, 1, 0},
    };
    for (int code = 0; code < kDeviceTypeCount; ++code) {
        loop.Device(3).DeviceType = code;
        EXPECT_EQ(loop.IsGroupDevice(3), expected[code][0] == 1) << code;
        EXPECT_EQ(loop.IsAreaDevice(3), expected[code][1] == 1) << code;
        EXPECT_EQ(loop.IsZoneDevice(3), expected[code][2] == 1) << code;
    }
}

TEST(NewDocument, ResetGivesTheNewDocumentState) {
    TData data;
    int viewResets = 0;
    data.OnResetViews = [&] { ++viewResets; };
    data.ZoneList.Zones[3].Name = "Ward 3 from file";
    data.ZoneList.Zones[3].AreaEquation[2] = 4;
    data.Loop.Device(9).DeviceType = 1;
    data.SiteConfig.MainVersion = "07B12";
    data.CustomNames.Item(0).Name = "Kitchen 2";
    data.Comments = {"old"};

    data.ResetToDefaults();

    EXPECT_EQ(viewResets, 1);
    // Device 1 is the controller itself; the rest are not fitted.
    EXPECT_EQ(data.Loop.Device(1).DeviceType, dtNetworkController);
    EXPECT_EQ(data.DevicePlaceName(1), "Display");
    EXPECT_EQ(data.Loop.Device(1).Suffix, "1");
    EXPECT_EQ(data.Loop.Device(1).Enabled, 1);
    EXPECT_EQ(data.Loop.Device(1).Allocation, 0);
    for (int n = 2; n <= kLoopDeviceCount; ++n) ASSERT_EQ(data.Loop.Device(n).DeviceType, 0) << n;
    // Nothing of the previous site survives, its zone names included.
    EXPECT_EQ(data.ZoneList.Zones[3].Name, "Zone 3");
    EXPECT_EQ(data.ZoneList.Zones[3].AreaEquation[2], kAreaEmpty);
    // Group 5 starts on area E followed by seven empty entries.
    const Equation& g5 = data.GroupList.Groups[5].PrimaryAreaEquation;
    EXPECT_EQ(g5[1], 4);
    for (int n = 2; n <= 8; ++n) EXPECT_EQ(g5[static_cast<std::size_t>(n)], kAreaEmpty);
    EXPECT_EQ(data.GroupList.Groups[9].PrimaryAreaEquation[1], kAreaEmpty);
    EXPECT_EQ(data.GroupList.Groups[1].DivertEquation[8], kGroupEmpty);
    EXPECT_EQ(data.CustomNames.Count(), 45);
    EXPECT_EQ(data.CustomNames.Item(0).Name, "Custom 1");
    EXPECT_EQ(data.CustomNames.Item(44).Name, "Custom 45");
    EXPECT_EQ(data.SiteConfig.MainVersion, "Not Available");
    EXPECT_EQ(data.SiteConfig.AttackState, true);
    EXPECT_EQ(data.SiteConfig.InstallDate, "__/__/__");
    EXPECT_NE(data.SiteConfig.AL2Code, data.SiteConfig.AL3Code);
    EXPECT_EQ(data.RepeaterList.Repeater(15).Name, "Repeater 15");
    EXPECT_EQ(data.Comments, std::vector<std::string>{"Comments Page"});
}

TEST(PlaceNames, StandardCustomAndOutOfRange) {
    TData data;
    data.ResetToDefaults();
    data.Loop.Device(2).PlaceNameIndex = 40;
    EXPECT_EQ(data.DevicePlaceName(2), "Zone");
    data.Loop.Device(2).PlaceNameIndex = 41;
    EXPECT_EQ(data.DevicePlaceName(2), "Custom 1");
    data.Loop.Device(2).PlaceNameIndex = 85;
    EXPECT_EQ(data.DevicePlaceName(2), "Custom 45");
    data.Loop.Device(2).PlaceNameIndex = 86;  // from a hand-edited file
    EXPECT_EQ(data.DevicePlaceName(2), "");
    data.Loop.Device(2).PlaceNameIndex = -3;
    EXPECT_EQ(data.DevicePlaceName(2), "");
}

}  // namespace
}  // namespace kelvane
