#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file/DeviceCsvImport.h"
#include "file/DeviceCsvWriter.h"
#include "model/Data.h"
#include "model/DeviceCatalogue.h"

namespace kelvane {
namespace {

constexpr const char* kHeader = "Address,Type,Allocation,Place Name,Suffix,Enabled\r\n";

// A new site whose custom names hold what a CSV must quote or convert.
void NamedSite(TData& data) {
    data.ResetToDefaults();
    data.CustomNames.Item(0).Name = "Caf\xE9, \"Rose\"";  // custom 1: comma, quotes, Latin-1
    data.CustomNames.Item(4).Name = "Bedroom";            // custom 5 reads like standard 4
    data.CustomNames.Item(7).Name = "Salle \xC0 Manger";
}

// Every type and allocation class, standard and custom names, suffixes
// with quotes, commas, blanks and accents, both enabled states.
void FillDevices(TData& data) {
    for (int n = 2; n <= kLoopDeviceCount; ++n) {
        TKDeviceType& device = data.Loop.Device(n);
        device.DeviceType = n % kDeviceTypeCount == dtNetworkController ? dtCallpoint : n % kDeviceTypeCount;
        const AllocationClass allocationClass = DeviceAllocationClass(device.DeviceType);
        device.Allocation = allocationClass == AllocationClass::Area    ? n % 26
                            : allocationClass == AllocationClass::Group ? n % 32
                                                                        : n % 64;
        device.PlaceNameIndex = n % 86;
        static const char* const kSuffixes[] = {"", "12", "\"A\"", "1,2", " 4 ", "\xE9t\xE9", "x;y"};
        device.Suffix = kSuffixes[n % 7];
        device.Enabled = (n / 3) % 2;
    }
    data.Loop.Device(1).Allocation = 7;
    data.Loop.Device(1).Enabled = 0;
}

std::vector<std::string> ErrorTexts(const DeviceCsvImport& import) {
    std::vector<std::string> texts;
    for (const DeviceCsvError& error : import.Errors()) texts.push_back(error.Text());
    return texts;
}

// The one error that `rows` (under the header) give on a new site.
std::string OnlyError(const std::string& rows) {
    TData data;
    NamedSite(data);
    const DeviceCsvImport import(kHeader + rows, data);
    const std::vector<std::string> errors = ErrorTexts(import);
    return errors.size() == 1 ? errors.front() : "(" + std::to_string(errors.size()) + " errors)";
}

TEST(DeviceCsv, WritesTheDeviceSummaryTextsAsUtf8WithQuotesWhereNeeded) {
    TData data;
    NamedSite(data);
    TKDeviceType& device = data.Loop.Device(3);
    device = {dtOverDoorLight, 11, 41, "\"A\"", 1};
    data.Loop.Device(4) = {dtCallpoint, 2, 4, " 4", 0};
    const std::string csv = DeviceCsvText(data);
    EXPECT_TRUE(csv.starts_with(std::string("\xEF\xBB\xBF") + kHeader));
    EXPECT_NE(csv.find("\r\n1,Network Controller,Group 1,Display,1,YES\r\n"
                       "2,Not fitted,Zone 1,Unnamed,,NO\r\n"
                       "3,OD Light/Sounder,Zone 12,\"Caf\xC3\xA9, \"\"Rose\"\"\",\"\"\"A\"\"\",YES\r\n"
                       "4,Callpoint,Area C,Bedroom,\" 4\",NO\r\n"),
              std::string::npos);
    EXPECT_TRUE(csv.ends_with("\r\n256,Not fitted,Zone 1,Unnamed,,NO\r\n"));
}

TEST(DeviceCsv, RoundTripKeepsEveryFieldOfEveryDevice) {
    TData data;
    NamedSite(data);
    FillDevices(data);
    const std::string csv = DeviceCsvText(data);

    TData target;
    NamedSite(target);
    const DeviceCsvImport import(csv, target);
    ASSERT_TRUE(import.Good()) << ErrorTexts(import).front();
    EXPECT_EQ(import.Rows().size(), 256u);
    EXPECT_EQ(import.ApplyTo(target), 256);
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        const TKDeviceType& want = data.Loop.Device(n);
        const TKDeviceType& got = target.Loop.Device(n);
        EXPECT_EQ(got.DeviceType, want.DeviceType) << n;
        EXPECT_EQ(got.Allocation, want.Allocation) << n;
        // Custom name 5 and standard name 4 are both "Bedroom": the text
        // alone cannot tell which index was meant.
        EXPECT_EQ(target.DevicePlaceName(n), data.DevicePlaceName(n)) << n;
        EXPECT_EQ(got.Suffix, want.Suffix) << n;
        EXPECT_EQ(got.Enabled, want.Enabled) << n;
    }
    EXPECT_EQ(DeviceCsvText(target), csv);
    EXPECT_EQ(DeviceCsvImport(csv, target).ApplyTo(target), 0);
}

TEST(DeviceCsv, ReadsWhatSpreadsheetsWriteBack) {
    TData data;
    NamedSite(data);
    // Semicolons, no byte-order mark, LF and lone CR line ends, quoted
    // fields holding the separator, quotes and a line break, blanks around
    // values, empty rows, names and words in any case and short forms.
    const std::string csv =
        "address;TYPE;allocation;place name;Suffix;enabled\n"
        "5;callpoint;c;BEDROOM;\"\"\"b\"\";\";yes\n"
        "\"6\";Over-door Light / Addressable Sounder;  Zone 40 ;salle \xC3\xA0 manger;;1\r"
        ";;;;;\n"
        "\n"
        "7;corridor display;group 32;\"caf\xC3\xA9, \"\"rose\"\"\";\"x\ny\";FALSE\r\n"
        "8;Mon Point;Area z;bedroom;\xE2\x80\x9C"
        "1\xE2\x80\x9D;true\n"
        "9;Radio Receiver;;;;\n";
    const DeviceCsvImport import(csv, data);
    ASSERT_TRUE(import.Good()) << ErrorTexts(import).front();
    data.Loop.Device(9).Allocation = 17;
    data.Loop.Device(9).PlaceNameIndex = 12;
    data.Loop.Device(9).Suffix = "old";
    // The rows were taken before the device changed: their values stand.
    EXPECT_EQ(import.ApplyTo(data), 5);
    const auto expect = [&](int n, TKDeviceType want) {
        const TKDeviceType& got = data.Loop.Device(n);
        EXPECT_EQ(got.DeviceType, want.DeviceType) << n;
        EXPECT_EQ(got.Allocation, want.Allocation) << n;
        EXPECT_EQ(got.PlaceNameIndex, want.PlaceNameIndex) << n;
        EXPECT_EQ(got.Suffix, want.Suffix) << n;
        EXPECT_EQ(got.Enabled, want.Enabled) << n;
    };
    expect(5, {dtCallpoint, 2, 4, "\"b\";", 1});
    expect(6, {dtOverDoorLight, 39, 48, "", 1});
    expect(7, {dtCorridorDisplay, 31, 41, "x\ny", 0});
    expect(8, {dtMonitoringPoint, 25, 4, "\"1\"", 1});
    // Empty allocation and place name keep the device's (as read), an empty
    // suffix is none, an empty enabled cell enables a fitted device.
    expect(9, {dtRadioReceiver, 0, 0, "", 1});
    EXPECT_EQ(data.Loop.Device(10).DeviceType, dtNotFitted);
}

TEST(DeviceCsv, ACustomNameKeepsItsIndexWhereItIsTheDevicesOwn) {
    TData data;
    NamedSite(data);
    data.Loop.Device(2) = {dtCallpoint, 0, 45, "", 1};  // custom 5, "Bedroom"
    data.Loop.Device(3) = {dtCallpoint, 0, 0, "", 1};
    const DeviceCsvImport import(
        std::string(kHeader) + "2,Callpoint,A,bedroom,,YES\n3,Callpoint,A,Bedroom,,YES\n", data);
    import.ApplyTo(data);
    EXPECT_EQ(data.Loop.Device(2).PlaceNameIndex, 45);
    EXPECT_EQ(data.Loop.Device(3).PlaceNameIndex, 4);
}

TEST(DeviceCsv, TheZoneRangeIsTheSites) {
    TData data;
    NamedSite(data);
    const std::string row = "4,OD Light/Sounder,Zone 64,,,\n";
    EXPECT_TRUE(DeviceCsvImport(kHeader + row, data).Good());
    data.SiteConfig.MainVersion = "07B12";
    const DeviceCsvImport import(kHeader + row, data);
    EXPECT_EQ(ErrorTexts(import),
              std::vector<std::string>{
                  "line 2, column 3 (Allocation): allocation \"Zone 64\" is not one of Zone 1 to "
                  "Zone 32 (OD Light/Sounder)"});
    EXPECT_TRUE(DeviceCsvImport(std::string(kHeader) + "4,ACallpoint,32,,,\n", data).Good());
}

TEST(DeviceCsv, EachFaultIsNamedByLineAndColumn) {
    EXPECT_EQ(OnlyError("0,Callpoint,A,,,\n"),
              "line 2, column 1 (Address): address \"0\" is not a number from 1 to 256");
    EXPECT_EQ(OnlyError("257,Callpoint,A,,,\n"),
              "line 2, column 1 (Address): address \"257\" is not a number from 1 to 256");
    EXPECT_EQ(OnlyError("2x,Callpoint,A,,,\n"),
              "line 2, column 1 (Address): address \"2x\" is not a number from 1 to 256");
    EXPECT_EQ(OnlyError("5,Callpoint,A,,,\n6,Display,1,,,\n5,Doorbell,B,,,\n"),
              "line 4, column 1 (Address): address 5 is also on line 2");
    EXPECT_EQ(OnlyError("5,Smoke Head,A,,,\n"),
              "line 2, column 2 (Type): device type \"Smoke Head\" is not one of the device types");
    EXPECT_EQ(OnlyError("5,,A,,,\n"), "line 2, column 2 (Type): there is no device type");
    EXPECT_EQ(OnlyError("1,Callpoint,A,,,\n"),
              "line 2, column 2 (Type): address 1 is always the Network Controller");
    EXPECT_EQ(
        OnlyError("5,Callpoint,Group 2,,,\n"),
        "line 2, column 3 (Allocation): allocation \"Group 2\" is not one of Area A to Area Z (Callpoint)");
    EXPECT_EQ(OnlyError("5,Display,33,,,\n"),
              "line 2, column 3 (Allocation): allocation \"33\" is not one of Group 1 to Group 32 (Display)");
    EXPECT_EQ(
        OnlyError("5,Not fitted,Zone 65,,,\n"),
        "line 2, column 3 (Allocation): allocation \"Zone 65\" is not one of Zone 1 to Zone 64 (Not fitted)");
    EXPECT_EQ(
        OnlyError("5,Callpoint,A,Bedrom,,\n"),
        "line 2, column 4 (Place Name): place name \"Bedrom\" is neither a standard nor a custom place name");
    EXPECT_EQ(OnlyError("5,Callpoint,A,,12345,\n"),
              "line 2, column 5 (Suffix): suffix \"12345\" is longer than 4 characters");
    EXPECT_EQ(OnlyError("5,Callpoint,A,,,maybe\n"),
              "line 2, column 6 (Enabled): enabled \"maybe\" is not YES or NO");
    EXPECT_EQ(OnlyError("5,Callpoint,A,,\xE2\x82\xAC,\n"),
              "line 2, column 5 (Suffix): the character U+20AC is not in Latin-1");
    EXPECT_EQ(OnlyError("5,Callpoint,A,Caf\xE9,,\n"), "line 2, column 4 (Place Name): the text is not UTF-8");
    // Over-long, surrogate, beyond U+10FFFF, cut off, stray continuation.
    for (const char* bad :
         {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\x80"}) {
        EXPECT_EQ(OnlyError(std::string("5,Callpoint,A,,") + bad + ",\n"),
                  "line 2, column 5 (Suffix): the text is not UTF-8")
            << bad;
    }
    EXPECT_EQ(OnlyError("5,Callpoint,A,,\xF0\x9F\x98\x80,\n"),
              "line 2, column 5 (Suffix): the character U+1F600 is not in Latin-1");
    EXPECT_EQ(OnlyError("5,Callpoint,A,,\n"), "line 2, column 6 (Enabled): the row ends before this column");
    EXPECT_EQ(OnlyError("5,Callpoint,A,,,,\n"), "line 2, column 7: the row has more than 6 columns");
    EXPECT_EQ(OnlyError("5,Callpoint,A,\"Bed\"room,,\n"),
              "line 2, column 4 (Place Name): there is text after the closing quote");
    EXPECT_EQ(OnlyError("5,Callpoint,A,,\"1\n6,Display,1,,,\n"),
              "line 2, column 5 (Suffix): the quote that opens this field is never closed");
    // A field's line is where it starts, after a line break in a quoted field.
    EXPECT_EQ(OnlyError("5,Callpoint,A,,\"a\nb\",\n6,Display,1,,\"c\nd\",x\n"),
              "line 5, column 6 (Enabled): enabled \"x\" is not YES or NO");
    // One row may have several faults, each field's in column order, and a
    // field that cannot be read leaves the others checked.
    TData data;
    NamedSite(data);
    EXPECT_EQ(
        ErrorTexts(
            DeviceCsvImport(std::string(kHeader) + "5,Display,40,,\xE2\x82\xAC,\n5,Display,1,,,\n", data)),
        (std::vector<std::string>{
            "line 2, column 3 (Allocation): allocation \"40\" is not one of Group 1 to Group 32 (Display)",
            "line 2, column 5 (Suffix): the character U+20AC is not in Latin-1",
            "line 3, column 1 (Address): address 5 is also on line 2"}));
    EXPECT_EQ(ErrorTexts(DeviceCsvImport(std::string(kHeader) + "5,Smoke,A,Nowhere,12345,maybe\n", data)),
              (std::vector<std::string>{
                  "line 2, column 2 (Type): device type \"Smoke\" is not one of the device types",
                  "line 2, column 4 (Place Name): place name \"Nowhere\" is neither a standard nor a custom "
                  "place name",
                  "line 2, column 5 (Suffix): suffix \"12345\" is longer than 4 characters",
                  "line 2, column 6 (Enabled): enabled \"maybe\" is not YES or NO"}));
}

TEST(DeviceCsv, AWrongHeaderIsRefusedBeforeAnyRow) {
    TData data;
    NamedSite(data);
    EXPECT_EQ(
        ErrorTexts(DeviceCsvImport("", data)),
        std::vector<std::string>{"line 1, column 1 (Address): the file is empty; its first row must be the "
                                 "header Address, Type, Allocation, Place Name, Suffix, Enabled"});
    EXPECT_EQ(
        ErrorTexts(DeviceCsvImport("Address,Type,Zone,Place Name,Suffix,Enabled\n5,Smoke,A,,,\n", data)),
        std::vector<std::string>{
            "line 1, column 3 (Allocation): the header reads \"Zone\" where Allocation is expected"});
    EXPECT_EQ(ErrorTexts(DeviceCsvImport("Address,Typ\xC3\xA9,Allocation,Place Name,Suffix,Enabled\n", data)),
              std::vector<std::string>{
                  "line 1, column 2 (Type): the header reads \"Typ\xE9\" where Type is expected"});
    EXPECT_EQ(
        ErrorTexts(DeviceCsvImport("Address;Type;Allocation\n", data)),
        std::vector<std::string>{"line 1, column 4 (Place Name): the header has no column Place Name (the "
                                 "header is Address, Type, Allocation, Place Name, Suffix, Enabled)"});
    EXPECT_EQ(ErrorTexts(DeviceCsvImport("Address,Type,Allocation,Place Name,Suffix,Enabled,Notes\n", data)),
              std::vector<std::string>{"line 1, column 7: the header has more than 6 columns"});
}

TEST(DeviceCsv, AFaultyFileChangesNothingAndKeepsTheFirstTwentyFaults) {
    TData data;
    NamedSite(data);
    std::string csv = kHeader;
    csv += "2,Callpoint,A,,,\n";
    for (int n = 3; n <= 27; ++n) csv += std::to_string(n) + ",Callpoint,Zone 1,,,\n";
    const DeviceCsvImport import(csv, data);
    EXPECT_FALSE(import.Good());
    EXPECT_EQ(import.ErrorCount(), 25u);
    ASSERT_EQ(import.Errors().size(), DeviceCsvImport::kErrorsKept);
    EXPECT_EQ(import.Errors().front().Line, 3);
    EXPECT_EQ(import.Errors().back().Line, 22);
    EXPECT_TRUE(import.Rows().empty());
    EXPECT_EQ(import.ApplyTo(data), 0);
    EXPECT_EQ(data.Loop.Device(2).DeviceType, dtNotFitted);
}

}  // namespace
}  // namespace kelvane
