#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CompareSamples.h"
#include "compare/SiteComparison.h"
#include "model/DeviceCatalogue.h"

namespace kelvane {
namespace {

using ::testing::ElementsAre;
using testing::Lines;

Equation Areas(std::initializer_list<int> members) {
    Equation equation = FilledEquation(kAreaEmpty);
    int slot = 1;
    for (int member : members) equation[slot++] = member;
    return equation;
}

struct SiteComparison : ::testing::Test {
    SiteComparison() {
        testing::PopulateEveryField(a);
        testing::PopulateEveryField(b);
    }
    // Sets device n the same in both sites.
    void Device(int n, int type, int allocation, int placeName, const std::string& suffix) {
        for (TData* site : {&a, &b}) {
            TKDeviceType& device = site->Loop.Device(n);
            device.DeviceType = type;
            device.Allocation = allocation;
            device.PlaceNameIndex = placeName;
            device.Suffix = suffix;
            device.Enabled = 1;
        }
    }
    std::vector<std::string> Every() const {
        return Lines(CompareSites(a, b, ComparisonScope::EveryField()));
    }
    std::vector<std::string> Travelling() const {
        return Lines(CompareSites(a, b, ComparisonScope::Controller(b)));
    }

    TData a;
    TData b;
};

TEST_F(SiteComparison, IdenticalSitesHaveNoDifferenceInEitherScope) {
    EXPECT_THAT(Every(), ElementsAre());
    EXPECT_THAT(Travelling(), ElementsAre());
    TData fresh;
    TData other;
    fresh.ResetToDefaults();
    other.ResetToDefaults();
    EXPECT_TRUE(CompareSites(fresh, other, ComparisonScope::EveryField()).empty());
}

TEST_F(SiteComparison, EachChangedDeviceFieldIsOneDifferenceInTheEditorsWords) {
    Device(17, dtCallpoint, 2, 31, "12");
    Device(18, dtCorridorDisplay, 3, 9, "1");
    b.Loop.Device(17).DeviceType = dtMonitoringPoint;
    EXPECT_THAT(Every(), ElementsAre("Device 17 DeviceType: Callpoint -> Mon Point"));
    b.Loop.Device(17).DeviceType = dtCallpoint;

    b.Loop.Device(17).Allocation = 0;
    b.Loop.Device(18).Allocation = 11;
    EXPECT_THAT(Every(), ElementsAre("Device 17 Allocation: Area C -> Area A",
                                     "Device 18 Allocation: Group 4 -> Group 12"));
    b.Loop.Device(17).Allocation = 2;
    b.Loop.Device(18).Allocation = 3;

    b.Loop.Device(17).PlaceNameIndex = 41;
    b.CustomNames.Item(0).Name = a.CustomNames.Item(0).Name = "Garden";
    EXPECT_THAT(Every(), ElementsAre("Device 17 PlaceNameIndex: Room -> Garden"));
    b.Loop.Device(17).PlaceNameIndex = 31;

    b.Loop.Device(17).Suffix = "12B";
    b.Loop.Device(18).Enabled = 0;
    EXPECT_THAT(Travelling(), ElementsAre("Device 17 Suffix: 12 -> 12B", "Device 18 Enabled: YES -> NO"));
}

TEST_F(SiteComparison, EachChangedZoneGroupNameAndSiteFieldIsOneDifference) {
    a.ZoneList.Zones[5].AreaEquation = Areas({0});
    b.ZoneList.Zones[5].AreaEquation = Areas({0, 2});
    a.ZoneList.Zones[6].DeviceEquation = FilledEquation(kDeviceEmpty);
    b.ZoneList.Zones[6].DeviceEquation = FilledEquation(kDeviceEmpty);
    b.ZoneList.Zones[6].DeviceEquation[1] = 4;
    b.ZoneList.Zones[6].DeviceEquation[2] = 119;
    a.GroupList.Groups[3].PrimaryAreaEquation = b.GroupList.Groups[3].PrimaryAreaEquation = Areas({1});
    a.GroupList.Groups[3].NightAreaEquation = Areas({3});
    b.GroupList.Groups[3].NightAreaEquation = Areas({25});
    a.GroupList.Groups[3].DivertEquation = FilledEquation(kGroupEmpty);
    b.GroupList.Groups[3].DivertEquation = FilledEquation(kGroupEmpty);
    b.GroupList.Groups[3].DivertEquation[1] = 1;
    b.GroupList.Groups[3].DivertEquation[2] = 14;
    a.CustomNames.Item(11).Name = "Room 12";
    b.CustomNames.Item(11).Name = "Lounge";
    b.SiteConfig.CallCode = "UUDD";
    b.SiteConfig.LoggerSetting = 0;
    b.SiteConfig.PagerLevel = 4;
    b.SiteConfig.AttackState = true;
    b.SiteConfig.NightModeAutoEnable = false;
    b.SiteConfig.AccTimeout = 8;
    EXPECT_THAT(
        Travelling(),
        ElementsAre("Zone 5 AreaEquation: A -> A  C", "Zone 6 DeviceEquation: \"\" -> 5  120",
                    "Group 3 NightAreaEquation: D -> Z", "Group 3 DivertEquation: \"\" -> 2 15",
                    "Site settings CallCode: AUDA -> UUDD", "Site settings NightModeAutoEnable: Yes -> No",
                    "Site settings AttackState: Locally -> Globally", "Site settings AccTimeout: 4 -> 8",
                    "Site settings LoggerSetting: After 50 events -> Disabled",
                    "Site settings PagerLevel: Emergency & Higher -> Attack Only",
                    "Custom name 12 Name: Room 12 -> Lounge"));
}

TEST_F(SiteComparison, EveryFieldScopeAlsoComparesWhatStaysInTheFile) {
    b.Loop.Device(256).Suffix = "X";
    b.ZoneList.Zones[64].Name = "Annexe";
    b.SiteConfig.ClientName = "Ash Court";
    b.SiteConfig.PrinterEnabled = false;
    b.SiteConfig.MainVersion = "07B12";
    b.RepeaterList.PanelName = "West";
    b.RepeaterList.Segment = 4;
    b.RepeaterList.Repeater(3).Fitted = true;
    b.Comments.push_back("Extra line");
    EXPECT_THAT(Every(),
                ElementsAre("Device 256 Suffix: 256 -> X", "Zone 64 Name: Ward 64 -> Annexe",
                            "Site settings MainVersion: 08A00 -> 07B12",
                            "Site settings ClientName: Rowan House -> Ash Court",
                            "Site settings PrinterEnabled: Yes -> No",
                            "Network settings PanelName: East -> West", "Network settings Segment: 3 -> 4",
                            "Repeater 3 Fitted: No -> Yes", "Comment line 3 Text: \"\" -> Extra line"));
}

TEST_F(SiteComparison, ControllerScopeIgnoresWhatDoesNotTravel) {
    b.Loop.Device(256).DeviceType = dtNotFitted;
    for (int z = 1; z <= kZoneCount; ++z) b.ZoneList.Zones[z].Name = "Other";
    TKSiteConfig1& site = b.SiteConfig;
    site.ClientName = site.ClientAddress4 = site.ClientTel = site.PanelLocation = site.InstallerName = "x";
    site.Engineer = site.EngineerNo = site.InstallerAddress5 = "y";
    site.InstallDate = site.CommissionDate = "__/__/__";
    site.PrinterEnabled = false;
    site.CopyTime = true;
    b.RepeaterList.PanelName = "West";
    b.RepeaterList.Segment = 9;
    b.RepeaterList.Repeater(15).Name = "Gone";
    b.Comments.clear();
    EXPECT_THAT(Travelling(), ElementsAre());
    EXPECT_EQ(Every().size(),
              1u + 64 + 10 + 1 + 3 + 2);  // device 256, zone names, texts, printer, network, comments
}

TEST_F(SiteComparison, AnOlderControllerHasItsZonesAndNoHtmOrSurveyorMode) {
    b.SiteConfig.MainVersion = "07B12";
    b.SiteConfig.HTM2015Enable = false;
    b.SiteConfig.SurveyorEnable = false;
    b.ZoneList.Zones[33] = TKZone{};
    EXPECT_THAT(Travelling(), ElementsAre());
    b.ZoneList.Zones[32].AreaEquation = Areas({});
    EXPECT_EQ(Travelling().size(), 1u);
    // A newer controller keeps both modes and its 64 zones.
    b.SiteConfig.MainVersion = "08A00";
    b.ZoneList.Zones[32] = a.ZoneList.Zones[32];
    EXPECT_THAT(Travelling(), ElementsAre(::testing::StartsWith("Zone 33 AreaEquation"),
                                          ::testing::StartsWith("Zone 33 DeviceEquation"),
                                          "Site settings HTM2015Enable: Yes -> No",
                                          "Site settings SurveyorEnable: Yes -> No"));
}

TEST_F(SiteComparison, TextsCompareAsTheControllerReturnsThem) {
    Device(9, dtCallpoint, 0, 4, "1");
    b.Loop.Device(9).Suffix = std::string("1   ");
    b.SiteConfig.AL2Code = a.SiteConfig.AL2Code + "   ";
    b.CustomNames.Item(4).Name = a.CustomNames.Item(4).Name + std::string("    \0", 5);
    EXPECT_THAT(Travelling(), ElementsAre());
    EXPECT_THAT(Every(),
                ElementsAre("Device 9 Suffix: 1 -> \"1   \"", ::testing::StartsWith("Site settings AL2Code"),
                            ::testing::StartsWith("Custom name 5 Name")));
    // The device answer carries four suffix bytes: what lies beyond cannot be read back.
    a.Loop.Device(9).Suffix = "12345";
    b.Loop.Device(9).Suffix = "1234";
    EXPECT_THAT(Travelling(), ElementsAre());
    b.Loop.Device(9).Suffix = "1235";
    EXPECT_THAT(Travelling(), ElementsAre("Device 9 Suffix: 1234 -> 1235"));
}

TEST_F(SiteComparison, EmptyEntriesAreEqualWhateverTheirMarker) {
    a.ZoneList.Zones[2].AreaEquation = Areas({4});
    b.ZoneList.Zones[2].AreaEquation = Areas({4});
    b.ZoneList.Zones[2].AreaEquation[5] = 27;
    a.ZoneList.Zones[2].DeviceEquation = FilledEquation(kDeviceEmpty);
    b.ZoneList.Zones[2].DeviceEquation = FilledEquation(300);
    a.GroupList.Groups[7].DivertEquation = FilledEquation(kGroupEmpty);
    b.GroupList.Groups[7].DivertEquation = FilledEquation(33);
    b.GroupList.Groups[7].DivertEquation[8] = 256;
    // Entry 0 is never compared.
    b.GroupList.Groups[8].PrimaryAreaEquation[0] = 3;
    EXPECT_THAT(Every(), ElementsAre());
    EXPECT_THAT(Travelling(), ElementsAre());
    // A member in another slot still reads the same on the tab.
    b.ZoneList.Zones[2].AreaEquation = Areas({kAreaEmpty, 4});
    EXPECT_THAT(Every(), ElementsAre());
}

TEST_F(SiteComparison, ValuesTheWordsDoNotTellApartShowTheirNumbers) {
    Device(30, dtCallpoint, 0, 4, "");
    b.Loop.Device(30).Enabled = 2;
    b.SiteConfig.LoggerSetting = 40;
    a.SiteConfig.LoggerSetting = 41;
    EXPECT_THAT(Every(), ElementsAre("Device 30 Enabled: YES (1) -> YES (2)",
                                     "Site settings LoggerSetting: Unknown (41) -> Unknown (40)"));
}

TEST(DifferenceLine, NamesSectionRecordAndFieldAndQuotesBlankEdges) {
    EXPECT_EQ(DifferenceLine({DifferenceSection::Device, 17, "DeviceType", "Callpoint", "Display"}),
              "Device 17 DeviceType: Callpoint -> Display");
    EXPECT_EQ(DifferenceLine({DifferenceSection::Site, 0, "ClientName", "", " Ash"}),
              "Site settings ClientName: \"\" -> \" Ash\"");
    EXPECT_EQ(DifferenceLine({DifferenceSection::CustomName, 12, "Name", "A b", "c"}),
              "Custom name 12 Name: A b -> c");
    EXPECT_EQ(DifferenceLines({{DifferenceSection::Repeater, 3, "Fitted", "No", "Yes"},
                               {DifferenceSection::CommentLine, 1, "Text", "x", "y"}}),
              "Repeater 3 Fitted: No -> Yes\nComment line 1 Text: x -> y\n");
}

}  // namespace
}  // namespace kelvane
