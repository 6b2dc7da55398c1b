#include <gtest/gtest.h>

#include "ChainsFakeHost.h"
#include "transfer/SaveCheck.h"
#include "transfer/SavePackets.h"

namespace kelvane::chains_test {
namespace {

struct SavePacketsFixture : ::testing::Test {
    TData data;
    SavePackets packets{data};
    SavePacketsFixture() { data.ResetToDefaults(); }
};

TEST_F(SavePacketsFixture, DevicePacketLayoutAndSuffixPadding) {
    TKDeviceType& device = data.Loop.Device(9);
    device = {.DeviceType = 0, .Allocation = 12, .PlaceNameIndex = 44, .Suffix = "", .Enabled = 1};
    EXPECT_EQ(packets.Device(9), Bytes({'J', 12, 9, 0, 12, 0, 1, 0, 44}) + "    " + '\0');
    device.Suffix = "ABCDEF";  // longer than four: sent whole
    EXPECT_EQ(packets.Device(9), Bytes({'J', 14, 9, 0, 12, 0, 1, 0, 44}) + "ABCDEF" + '\0');
}

TEST_F(SavePacketsFixture, EmptyEquationEntriesNeverWrapIntoMembers) {
    TKZone& zone = data.ZoneList.Zones[5];
    zone.AreaEquation = {0, 0, 25, 26, 27, -1, 26, 26, 26};
    zone.DeviceEquation = {0, 0, 255, 256, 512, -1, 256, 256, 256};
    const std::string zonePacket = packets.Zone(5);
    ASSERT_EQ(zonePacket.size(), 27u);
    EXPECT_EQ(zonePacket.substr(0, 3), Bytes({'u', 25, 5}));
    EXPECT_EQ(zonePacket.substr(3, 8), Bytes({0, 25, 26, 26, 26, 26, 26, 26}));
    EXPECT_EQ(zonePacket.substr(11, 10), Bytes({0, 0, 255, 0, 0, 1, 0, 1, 0, 1}));

    // A divert entry of 256 (a missing file key) would be group 1 modulo 256.
    TKGroup& group = data.GroupList.Groups[3];
    group.PrimaryAreaEquation = {0, 2, 26, 300, 26, 26, 26, 26, 26};
    group.NightAreaEquation = FilledEquation(26);
    group.DivertEquation = {0, 31, 32, 256, 288, -5, 256, 256, 256};
    const std::string groupPacket = packets.Group(3);
    ASSERT_EQ(groupPacket.size(), 27u);
    EXPECT_EQ(groupPacket.substr(3, 4), Bytes({2, 26, 26, 26}));
    EXPECT_EQ(groupPacket.substr(19, 8), Bytes({31, 32, 32, 32, 32, 32, 32, 32}));
}

TEST_F(SavePacketsFixture, NegativeNumbersGoModulo256AndOnlyAWrapIntoAValidValueIsHeld) {
    TKDeviceType& device = data.Loop.Device(4);
    // A call point with no area (-1, from a file or from Convert) and a
    // disabled flag of -1 travel as 0xFF, never as area A or 0.
    device = {.DeviceType = 1, .Allocation = -1, .PlaceNameIndex = 3, .Suffix = "1", .Enabled = -1};
    EXPECT_EQ(packets.Device(4).substr(2, 7), Bytes({4, 1, 0xFF, 0, 0xFF, 0, 3}));
    // Beyond -128..255 a wrap would land on a small, valid number: held at the ends.
    device = {.DeviceType = 257, .Allocation = 300, .PlaceNameIndex = -2, .Suffix = "1", .Enabled = 256};
    EXPECT_EQ(packets.Device(4).substr(2, 7), Bytes({4, 0, 255, 0, 255, 0, 0xFE}));
    device.Allocation = -200;  // modulo 256 this would be 56, zone 57
    device.Enabled = -255;     // and this 1, enabled
    EXPECT_EQ(packets.Device(4).substr(2, 7), Bytes({4, 0, 0x80, 0, 0x80, 0, 0xFE}));
    data.SiteConfig.AccTimeout = -1;
    data.SiteConfig.DivTimeout = 1000;
    EXPECT_EQ(packets.Timeouts(), Bytes({0x81, 2, 0xFF, 255}));
    device.Suffix = std::string(400, 'x');
    const std::string longest = packets.Device(4);
    EXPECT_EQ(static_cast<unsigned char>(longest[1]), 255);
    EXPECT_EQ(longest.size(), 257u);
    EXPECT_EQ(longest.back(), '\0');
}

TEST_F(SavePacketsFixture, SiteSettingsOnTheWire) {
    TKSiteConfig1& site = data.SiteConfig;
    EXPECT_EQ(packets.NightMode(), Bytes({'y', 6, 19, 0, 7, 30, 0, 0}));
    EXPECT_TRUE(SaveProblems(data, {{SaveRecordKind::NightMode, 0}}).empty());
    site.NightModeTime = "23:59";
    site.DayModeTime = "6:15";  // a hand-edited file: read as what it says
    site.NightModeAutoEnable = true;
    EXPECT_EQ(packets.NightMode(), Bytes({'y', 6, 23, 59, 6, 15, 1, 0}));
    EXPECT_TRUE(SaveProblems(data, {{SaveRecordKind::NightMode, 0}}).empty());

    site.LoggerSetting = 0;
    EXPECT_EQ(packets.Logger(), Bytes({'{', 4, 0x00, 0xFE, 0x00, 0}));
    site.LoggerSetting = 1;
    EXPECT_EQ(packets.Logger(), Bytes({'{', 4, 0x01, 0xFF, 0x01, 0}));
    site.LoggerSetting = 5;
    site.SurveyorEnable = true;
    EXPECT_EQ(packets.Logger(), Bytes({'{', 4, 0x01, 0x03, 0x02, 1}));
    site.LoggerSetting = -4;
    EXPECT_EQ(packets.Logger(), Bytes({'{', 4, 0x00, 0xFE, 0x00, 1}));

    site.PagerEnabled = true;
    site.PagerLevel = 1;
    EXPECT_EQ(packets.Pager(), Bytes({'}', 2, 1, 1}));
    site.PagerLevel = 2;
    EXPECT_EQ(packets.Pager(), Bytes({'}', 2, 1, 3}));

    EXPECT_EQ(packets.Emergency(), Bytes({0x7F, 2, 0, 1}));
    EXPECT_EQ(packets.AccessCodes(), std::string("T\x08") + "12123131");
    EXPECT_EQ(packets.AttackCode(), std::string("R\x04") + "DUAD");
    EXPECT_EQ(SavePackets::Time(JanuarySecond2026()), Bytes({'U', 6, 26, 1, 2, 3, 4, 5}));
}

TEST_F(SavePacketsFixture, CustomNamesPaddedToElevenAndTerminated) {
    EXPECT_EQ(packets.CustomName(1), Bytes({'q', 13, 1}) + "Custom 1   " + '\0');
    data.CustomNames.Item(44).Name = "Conservatory";
    EXPECT_EQ(packets.CustomName(45), Bytes({'q', 14, 45}) + "Conservatory" + '\0');
}

}  // namespace
}  // namespace kelvane::chains_test
