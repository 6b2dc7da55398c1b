#include <gtest/gtest.h>

#include "log/LogConverter.h"
#include "model/DeviceCatalogue.h"

namespace kelvane {
namespace {

using Lines = std::vector<std::string>;

class ConverterTest : public ::testing::Test {
protected:
    void SetUp() override { data.ResetToDefaults(); }

    ConvertResult Convert(const Lines& lines, bool updateCustomNames = false) {
        return ConvertLog(lines, data, updateCustomNames);
    }
    const TKDeviceType& Device(int n) const { return data.Loop.Device(n); }
    const TKGroup& Group(int g) const { return data.GroupList.Groups[static_cast<std::size_t>(g)]; }
    const TKZone& Zone(int z) const { return data.ZoneList.Zones[static_cast<std::size_t>(z)]; }

    TData data;
};

TEST_F(ConverterTest, TheOverDoorLightLineOfTheTableOfEdgeCases) {
    Convert({" 5 | Z |  |  | 12 | Lounge | 4"});
    EXPECT_EQ(Device(5).DeviceType, dtOverDoorLight);
    EXPECT_EQ(Device(5).Allocation, 11);
    EXPECT_EQ(Device(5).PlaceNameIndex, 25);
    EXPECT_EQ(Device(5).Suffix, " 4");
    EXPECT_EQ(Device(5).Enabled, 1);
}

TEST_F(ConverterTest, TypeLettersAndAllocationsByClass) {
    data.Loop.Device(10).Allocation = 7;
    data.Loop.Device(11).Allocation = 8;
    const ConvertResult result = Convert({
        "10|A|C|3|4|Bedroom|1",    // audio call point: allocation left alone
        "11|c|C|3|4|Bedroom|2",    // lower case: not fitted, allocation left alone
        "12|C|!|3|4|Bedroom|3",    // call point with "!" for its area
        "13|C| Z |3|4|Bedroom|4",  // call point in area Z
        "14|D|A| 3 |4|Display|",   // corridor display in group 3
        "15|*|A|1| |Display|1",    // network controller in group 1
        "16|B||||Door|",           // doorbell without an area
        "17|M|B|||Door|", "18|U|B|||Door|",
        "19|Q|B|||Door|",  // no such letter
    });
    EXPECT_EQ(result.Outcome, ConvertOutcome::Converted);
    EXPECT_EQ(result.Devices, 10);
    EXPECT_EQ(Device(10).DeviceType, dtAudioCallpoint);
    EXPECT_EQ(Device(10).Allocation, 7);
    EXPECT_EQ(Device(11).DeviceType, dtNotFitted);
    EXPECT_EQ(Device(11).Allocation, 8);
    EXPECT_EQ(Device(11).Enabled, 1);
    EXPECT_EQ(Device(12).DeviceType, dtCallpoint);
    EXPECT_EQ(Device(12).Allocation, -1);
    EXPECT_EQ(Device(13).Allocation, 25);
    EXPECT_EQ(Device(14).DeviceType, dtCorridorDisplay);
    EXPECT_EQ(Device(14).Allocation, 2);
    EXPECT_EQ(Device(15).DeviceType, dtNetworkController);
    EXPECT_EQ(Device(15).Allocation, 0);
    EXPECT_EQ(Device(16).DeviceType, dtDoorbell);
    EXPECT_EQ(Device(16).Allocation, -1);
    EXPECT_EQ(Device(17).DeviceType, dtMonitoringPoint);
    EXPECT_EQ(Device(17).Allocation, 1);
    EXPECT_EQ(Device(18).DeviceType, dtUnknown);
    EXPECT_EQ(Device(19).DeviceType, dtNotFitted);
}

TEST_F(ConverterTest, AMissingSuffixFieldReadsAsTheMissingMark) {
    Convert({"20|C|A|||Lounge"});
    EXPECT_EQ(Device(20).Suffix, "!");
    EXPECT_EQ(Device(20).PlaceNameIndex, 25);
}

TEST_F(ConverterTest, GroupEquationsFromLettersAndNumbers) {
    const ConvertResult result = Convert({"3|A,B,C,D,E|Z,!, ,Q,a,AB,B,C|1,32,x,,0,7,8,9"});
    EXPECT_EQ(result.Groups, 0);  // a lone numbered line is the device section
    EXPECT_EQ(result.Outcome, ConvertOutcome::Converted);

    data.ResetToDefaults();
    data.GroupList.Groups[3].PrimaryAreaEquation[0] = 7;
    Convert({"HEADER", "1|C|A|||Room|", "GROUPS", "3|A,B,C,D,E|Z,!, ,Q,a,AB,B,C|1,32,x,,0,7,8,9"});
    const TKGroup& group = Group(3);
    EXPECT_EQ(group.PrimaryAreaEquation[0], 7);  // entry 0 is not touched
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(group.PrimaryAreaEquation[static_cast<std::size_t>(k)], k - 1);
    for (int k = 6; k <= 8; ++k) EXPECT_EQ(group.PrimaryAreaEquation[static_cast<std::size_t>(k)], 26) << k;
    const Equation night{group.NightAreaEquation[0], 25, 26, -1, 16, -1, 0, 1, 2};
    EXPECT_EQ(group.NightAreaEquation, night);
    // A number that is not a group (0 here) is empty, like a text that is not a number.
    const Equation divert{group.DivertEquation[0], 0, 31, 32, 32, 32, 6, 7, 8};
    EXPECT_EQ(group.DivertEquation, divert);
}

TEST_F(ConverterTest, ZoneEquationsAndTheZoneNameUntouched) {
    data.ZoneList.Zones[7].Name = "East";
    Convert({"1|*|A|1||Display|1", "999", "1|!,!,!,!,!,!,!,!|,,,,,,,", "END",
             "7|B,A|12, 256,0,x,,300,-2147483648,2"});
    const TKZone& zone = Zone(7);
    EXPECT_EQ(zone.Name, "East");
    const Equation areas{zone.AreaEquation[0], 1, 0, 26, 26, 26, 26, 26, 26};
    EXPECT_EQ(zone.AreaEquation, areas);
    // Numbers that are not addresses 1..256 are empty, like texts that are not numbers.
    const Equation devices{zone.DeviceEquation[0], 11, 255, 256, 256, 256, 256, 256, 1};
    EXPECT_EQ(zone.DeviceEquation, devices);
}

TEST_F(ConverterTest, SectionsEndAtHeadersAnd999AndPassOverShortLinesAndBigNumbers) {
    const ConvertResult result = Convert({
        "Kelvane Network Controller",  // before the first numbered line
        "DEVICES",
        "2|C|A|||Lounge|1",
        "",
        "5",       // one character: passed over, not a record
        "1000|x",  // passed over without ending the section
        "3|C|B|||Lounge|2",
        "999",               // ends the devices
        "4|C|C|||Lounge|3",  // the first numbered line after the devices: group 4
        "Zones",
        "6|A|1",
    });
    EXPECT_EQ(result.Outcome, ConvertOutcome::Converted);
    EXPECT_EQ(result.Devices, 2);
    EXPECT_EQ(result.Groups, 1);
    EXPECT_EQ(result.Zones, 1);
    EXPECT_EQ(Device(5).DeviceType, dtNotFitted);
    EXPECT_EQ(Device(4).DeviceType, dtNotFitted);
    EXPECT_EQ(Group(4).PrimaryAreaEquation[1], 2);  // "C" of "4|C|C|..." read as an area
    EXPECT_EQ(Group(4).PrimaryAreaEquation[2], 26);
    EXPECT_EQ(Zone(6).AreaEquation[1], 0);
    EXPECT_EQ(Zone(6).DeviceEquation[1], 0);
}

TEST_F(ConverterTest, OnlyADeviceSectionLeavesGroupsAndZonesAlone) {
    const Equation groupBefore = Group(1).PrimaryAreaEquation;
    const Equation zoneBefore = Zone(1).AreaEquation;
    const ConvertResult result = Convert({"DEVICES", "2|C|A|||Lounge|1", "3|C|A|||Lounge|2"});
    EXPECT_EQ(result.Outcome, ConvertOutcome::Converted);
    EXPECT_EQ(result.Message, "The data has been converted");
    EXPECT_EQ(result.Devices, 2);
    EXPECT_EQ(Group(1).PrimaryAreaEquation, groupBefore);
    EXPECT_EQ(Zone(1).AreaEquation, zoneBefore);

    // A section that ends with the text leaves the later ones empty too.
    EXPECT_EQ(Convert({"2|C|A|||Lounge|1", "GROUPS"}).Groups, 0);
}

TEST_F(ConverterTest, EmptyAndUnnumberedLogsChangeNothing) {
    ConvertResult result = Convert({});
    EXPECT_EQ(result.Outcome, ConvertOutcome::NoData);
    EXPECT_EQ(result.Message, "There is no data to convert, or it may be incorrectly formatted.");
    result = Convert({"12:00:01 CALL Bedroom 101", "", "DEVICE|TYPE"});
    EXPECT_EQ(result.Outcome, ConvertOutcome::NotFormatted);
    EXPECT_EQ(result.Message, "The data is incorrectly formatted.");
    EXPECT_FALSE(result.ModelChanged());
}

TEST_F(ConverterTest, PlaceNameLookupWalksBothWholeLists) {
    TLogConverter converter(data, false);
    EXPECT_EQ(converter.FindPlaceNameCode("Room"), 7);  // "Dining Room" comes before "Room"
    EXPECT_EQ(converter.FindPlaceNameCode("Lounge"), 25);
    EXPECT_EQ(converter.FindPlaceNameCode("Zone"), 40);
    EXPECT_EQ(converter.FindPlaceNameCode("Unnamed"), 0);
    EXPECT_EQ(converter.FindPlaceNameCode(""), 0);
    EXPECT_EQ(converter.FindPlaceNameCode("lounge"), 0);  // case-sensitive
    EXPECT_EQ(converter.FindPlaceNameCode("Custom 1"), 41);
    EXPECT_EQ(converter.FindPlaceNameCode("Custom 45"), 85);
    data.CustomNames.Item(44).Name = "Chapel";
    EXPECT_EQ(converter.FindPlaceNameCode("Chap"), 85);
}

TEST_F(ConverterTest, UnknownNamesBecomeCustomNamesOnlyWhenTicked) {
    const Lines lines{"2|C|A|||Snug|1", "3|C|A|||Snug|2", "4|C|A|||Lounge|3"};
    Convert(lines, false);
    EXPECT_EQ(Device(2).PlaceNameIndex, 0);
    EXPECT_EQ(Device(3).PlaceNameIndex, 0);
    EXPECT_EQ(data.CustomNames.Item(0).Name, "Custom 1");

    const ConvertResult result = Convert(lines, true);
    EXPECT_EQ(Device(2).PlaceNameIndex, 41);
    EXPECT_EQ(Device(3).PlaceNameIndex, 41);
    EXPECT_EQ(Device(4).PlaceNameIndex, 25);
    EXPECT_EQ(data.CustomNames.Item(0).Name, "Snug");
    EXPECT_EQ(data.CustomNames.Item(1).Name, "Custom 2");
    EXPECT_EQ(result.CustomNamesAdded, 1);
}

TEST_F(ConverterTest, EachConversionAssignsCustomNamesFromTheFirstOn) {
    Convert({"2|C|A|||Snug|1", "3|C|A|||Den|1"}, true);
    Convert({"4|C|A|||Parlour|1"}, true);
    EXPECT_EQ(data.CustomNames.Item(0).Name, "Parlour");
    EXPECT_EQ(data.CustomNames.Item(1).Name, "Den");
    EXPECT_EQ(Device(4).PlaceNameIndex, 41);
}

TEST_F(ConverterTest, AnEmptyPlaceNameWithTheBoxTickedTakesAnEmptyCustomName) {
    Convert({"2|C|A|||   |1"}, true);
    EXPECT_EQ(Device(2).PlaceNameIndex, 41);
    EXPECT_EQ(data.CustomNames.Item(0).Name, "");
    data.ResetToDefaults();
    Convert({"2|C|A|||   |1"}, false);
    EXPECT_EQ(Device(2).PlaceNameIndex, 0);
}

TEST_F(ConverterTest, RecordsOutOfRangeStopWithTheLineAndKeepWhatCameBefore) {
    struct Case {
        Lines lines;
        int badLine;
        const char* reason;
    };
    const Case cases[] = {
        {{"2|C|A|||Lounge|1", "257|C|A|||Lounge|1"}, 2, "the device address 257 is not between 1 and 256"},
        {{"2|C|A|||Lounge|1", "0|C|A|||Lounge|1"}, 2, "the device address 0 is not between 1 and 256"},
        {{"2|C|A|||Lounge|1", "-4|C|A|||Lounge|1"}, 2, "the device address -4 is not between 1 and 256"},
        {{"2|C|A|||Lounge|1", "999", "33|A|A|1"}, 3, "the group number 33 is not between 0 and 32"},
        {{"2|C|A|||Lounge|1", "999", "1|A|A|1", "999", "65|A|1"},
         5,
         "the zone number 65 is not between 0 and 64"},
        {{"2|C|A|||Lounge|1", "3|Z|A|1|x|Lounge|1"}, 2, "the zone \"x\" is not a whole number"},
        {{"2|C|A|||Lounge|1", "3|Z|A|1"}, 2, "the zone \"!\" is not a whole number"},
        {{"2|C|A|||Lounge|1", "3|D|A||4|Display|1"}, 2, "the group \"\" is not a whole number"},
        {{"2|C|A|||Lounge|1", "3|Z|A||500|Lounge|1"}, 2, "the zone \"500\" is not between 1 and 64"},
        {{"2|C|A|||Lounge|1", "3|Z|A||0|Lounge|1"}, 2, "the zone \"0\" is not between 1 and 64"},
        {{"2|C|A|||Lounge|1", "3|Z|A||-2147483648|Lounge|1"},
         2,
         "the zone \"-2147483648\" is not between 1 and 64"},
        {{"2|C|A|||Lounge|1", "3|D|A|77||Display|1"}, 2, "the group \"77\" is not between 1 and 32"},
    };
    for (const Case& c : cases) {
        data.ResetToDefaults();
        const ConvertResult result = Convert(c.lines);
        SCOPED_TRACE(c.reason);
        EXPECT_EQ(result.Outcome, ConvertOutcome::Stopped);
        EXPECT_NE(result.Message.find("at line " + std::to_string(c.badLine) + ": " + c.reason),
                  std::string::npos)
            << result.Message;
        EXPECT_NE(result.Message.find(c.lines[static_cast<std::size_t>(c.badLine - 1)]), std::string::npos);
        EXPECT_EQ(Device(2).DeviceType, dtCallpoint);
        EXPECT_TRUE(result.ModelChanged());
        EXPECT_NE(result.Message.find("The records before that line have been converted."),
                  std::string::npos);
    }
}

TEST_F(ConverterTest, AZoneBeyondThe32ZonesOfAnOlderControllerStopsTheConversion) {
    data.SiteConfig.MainVersion = "07B12";
    EXPECT_EQ(Convert({"3|Z|A||32|Lounge|1"}).Outcome, ConvertOutcome::Converted);
    EXPECT_EQ(Device(3).Allocation, 31);
    const ConvertResult result = Convert({"4|Z|A||33|Lounge|1"});
    EXPECT_EQ(result.Outcome, ConvertOutcome::Stopped);
    EXPECT_NE(result.Message.find("the zone \"33\" is not between 1 and 32"), std::string::npos)
        << result.Message;
    EXPECT_EQ(Device(4).DeviceType, dtNotFitted);
}

TEST_F(ConverterTest, ABadRecordLeavesItsOwnDeviceAsItWas) {
    data.Loop.Device(3).DeviceType = dtCallpoint;
    data.Loop.Device(3).Allocation = 4;
    data.Loop.Device(3).Suffix = "old";
    const ConvertResult result = Convert({"3|Z|A||zone|Lounge|new"}, true);
    EXPECT_EQ(result.Outcome, ConvertOutcome::Stopped);
    EXPECT_FALSE(result.ModelChanged());
    EXPECT_EQ(Device(3).DeviceType, dtCallpoint);
    EXPECT_EQ(Device(3).Allocation, 4);
    EXPECT_EQ(Device(3).Suffix, "old");
    EXPECT_NE(result.Message.find("Nothing has been converted."), std::string::npos) << result.Message;
}

TEST_F(ConverterTest, TheFortySixthUnknownNameStopsTheConversion) {
    Lines lines;
    for (int n = 1; n <= 46; ++n)
        lines.push_back(std::to_string(n + 1) + "|C|A|||Ward" + std::to_string(n) + "x|");
    const ConvertResult result = Convert(lines, true);
    EXPECT_EQ(result.Outcome, ConvertOutcome::Stopped);
    EXPECT_EQ(result.Devices, 45);
    EXPECT_EQ(result.CustomNamesAdded, 45);
    EXPECT_EQ(data.CustomNames.Item(44).Name, "Ward45x");
    EXPECT_EQ(Device(46).PlaceNameIndex, 85);
    EXPECT_EQ(Device(47).DeviceType, dtNotFitted);
    EXPECT_NE(result.Message.find("at line 46"), std::string::npos);
    EXPECT_NE(result.Message.find("\"Ward46x\""), std::string::npos);
    // A name already assigned is still found after the list is full.
    data.ResetToDefaults();
    lines[45] = "47|C|A|||Ward3x|";
    EXPECT_EQ(Convert(lines, true).Outcome, ConvertOutcome::Converted);
    EXPECT_EQ(Device(47).PlaceNameIndex, 43);
}

}  // namespace
}  // namespace kelvane
