#include <gtest/gtest.h>

#include "ChainsFakeHost.h"

namespace kelvane::chains_test {
namespace {

using List = TransferStatus::List;

TEST(ChainsCommands, PageButtonsPickTheSectionOfTheActivePage) {
    TData data;
    data.ResetToDefaults();
    FakeHost host;
    Document document;
    TransferChains chains(host, data, document);
    const std::pair<TransferSection, std::uint8_t> loads[] = {
        {TransferSection::DevicesAndZones, kStepLoadDevices},
        {TransferSection::Devices, kStepLoadDevices},
        {TransferSection::Zones, kStepLoadZones},
        {TransferSection::Groups, kStepLoadGroups},
        {TransferSection::PlaceNames, kStepLoadPlaceNames},
        {TransferSection::Site, kStepLoadSite},
    };
    for (const auto& [section, step] : loads) {
        host.section = section;
        host.state.LoadAll = true;
        ASSERT_TRUE(chains.LoadFromPanel());
        EXPECT_EQ(host.state.Step, step);
        EXPECT_FALSE(host.state.LoadAll);
        EXPECT_EQ(host.status.ShownList(), List::None);
    }
    const int starts = host.starts;
    for (bool listening : {false, true}) {
        host.section = TransferSection::None;
        host.listening = listening;
        EXPECT_FALSE(chains.LoadFromPanel());
        EXPECT_FALSE(chains.SaveToPanel());
    }
    EXPECT_EQ(host.starts, starts);
    host.listening = false;

    chains.SaveAllToPanel();
    EXPECT_TRUE(host.state.SaveAll);
    EXPECT_TRUE(host.nvmCheckAtStart.back());
    EXPECT_EQ(host.state.Step, kStepSaveDevices);
    EXPECT_EQ(host.status.ShownList(), List::Save);
    EXPECT_EQ(host.status.Width(), TransferStatus::kWideWidth);
}

TEST(ChainsCommands, OnTheEventLogPageTheWholeSiteCommandsTouchNothing) {
    TData data;
    data.ResetToDefaults();
    FakeHost host;
    Document document;
    TransferChains chains(host, data, document);
    host.listening = true;
    EXPECT_FALSE(chains.LoadAllFromPanel());
    EXPECT_FALSE(chains.SaveAllToPanel());
    EXPECT_EQ(host.state.Step, kStepIdle);
    EXPECT_FALSE(host.state.LoadAll);
    EXPECT_FALSE(host.state.SaveAll);
    EXPECT_FALSE(host.state.NvmCheckPending);
    EXPECT_EQ(host.starts, 0);
    EXPECT_EQ(host.status.ShownList(), List::None);
    EXPECT_EQ(host.status.Width(), TransferStatus::kNarrowWidth);
    EXPECT_TRUE(host.sent.empty());
}

TEST(ChainsCommands, AModeTimeThatDoesNotReadStopsTheSaveBeforeItsFirstPacket) {
    TData data;
    data.ResetToDefaults();
    FakeHost host;
    Document document;
    TransferChains chains(host, data, document);
    const std::pair<std::string, std::string> unreadable[] = {
        {"NightModeTime", "6:1"}, {"NightModeTime", "24:00"}, {"DayModeTime", "07:60"},
        {"DayModeTime", ""},      {"DayModeTime", "7.30"},    {"NightModeTime", "019:00"},
    };
    for (const auto& [field, text] : unreadable) {
        data.ResetToDefaults();
        std::string& time =
            field == "NightModeTime" ? data.SiteConfig.NightModeTime : data.SiteConfig.DayModeTime;
        time = text;
        const char* label = field == "NightModeTime" ? "Night Mode starts at" : "Night Mode ends at";
        for (TransferSection section : {TransferSection::Site, TransferSection::Zones}) {
            host.section = section;
            host.errors.clear();
            EXPECT_FALSE(chains.SaveAllToPanel()) << text;
            ASSERT_EQ(host.errors.size(), 1u) << text;
            EXPECT_NE(host.errors[0].find(std::string("\"") + label + "\""), std::string::npos)
                << host.errors[0];
            EXPECT_NE(host.errors[0].find("\"" + text + "\""), std::string::npos) << host.errors[0];
        }
        host.section = TransferSection::Site;
        EXPECT_FALSE(chains.SaveToPanel()) << text;
        EXPECT_EQ(host.errors.size(), 2u);
        EXPECT_EQ(host.starts, 0) << text;
        EXPECT_EQ(host.state.Step, kStepIdle);
        EXPECT_EQ(host.status.ShownList(), List::None);
        EXPECT_TRUE(host.sent.empty());
        // The pages that send no mode time save as before.
        host.section = TransferSection::Zones;
        EXPECT_TRUE(chains.SaveToPanel());
        host.FinishTransfer(false);
        host.starts = 0;
    }

    data.ResetToDefaults();
    data.SiteConfig.DayModeTime = "6:15";
    host.errors.clear();
    host.section = TransferSection::Site;
    EXPECT_TRUE(chains.SaveToPanel());
    EXPECT_TRUE(host.errors.empty());
}

// A site from a hand-made or header-only file with values the controller
// refuses: the save stops before its first packet, naming each field and
// value, instead of programming half the controller and blaming the cable.
TEST(ChainsCommands, ValuesTheControllerRefusesStopTheSaveBeforeItsFirstPacket) {
    TData data;
    data.ResetToDefaults();
    FakeHost host;
    Document document;
    TransferChains chains(host, data, document);
    data.Loop.Device(17).DeviceType = 200;
    data.Loop.Device(18).PlaceNameIndex = 86;
    data.Loop.Device(19).Allocation = 2147483647;
    data.Loop.Device(256).DeviceType = 200;  // never sent
    data.SiteConfig.AL2Code.clear();
    data.SiteConfig.AL3Code = "12";
    data.SiteConfig.CallCode = "DUADU";
    data.SiteConfig.PagerLevel = 1000;

    EXPECT_FALSE(chains.SaveAllToPanel());
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(
        host.errors[0],
        "Cannot save to the Network Controller. Nothing has been sent, because:\n"
        "Device 17 type holds 200, which is not a device type (0 to 9).\n"
        "Device 18 place name holds 86, which is not a place name (0 to 85).\n"
        "Device 19 allocation holds 2147483647, which is not an allocation that fits in a byte (0 to 255).\n"
        "\"User (AL2) Code\" holds \"\", which is not 4 digits.\n"
        "\"Engineer (AL3) Code\" holds \"12\", which is not 4 digits.\n"
        "\"Call Reset Code\" holds \"DUADU\", which is longer than 4 characters.\n"
        "\"RadioPager\" level holds 1000, which is not a pager level (0 to 4).");
    EXPECT_EQ(host.starts, 0);
    EXPECT_TRUE(host.sent.empty());

    // A section save checks what it sends: the zones hold nothing refused.
    host.section = TransferSection::Zones;
    EXPECT_TRUE(chains.SaveToPanel());
    host.FinishTransfer(false);
    host.section = TransferSection::Devices;
    EXPECT_FALSE(chains.SaveToPanel());
    EXPECT_EQ(host.errors.back().find(
                  "Cannot save to the Network Controller. Nothing has been sent, because:\nDevice 17"),
              0u);
    EXPECT_FALSE(chains.SaveRecords({{SaveRecordKind::Pager, 0}}));
    EXPECT_EQ(host.errors.back(),
              "Cannot save to the Network Controller: \"RadioPager\" level holds 1000, which is not a "
              "pager level (0 to 4). Nothing has been sent.");
    EXPECT_EQ(host.starts, 1);
}

TEST(ChainsCommands, NothingIsSentWhileIdle) {
    TData data;
    FakeHost host;
    Document document;
    TransferChains chains(host, data, document);
    chains.LoadAnswer('I', WithChecksum(Bytes({'I', 10, 0, 0, 0, 0, 0, 0, ' ', ' ', ' ', ' '})));
    chains.Acknowledged();
    chains.DispatchFirst();
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(host.retries, 0);

    host.state.Step = kStepSaveZones;  // a load answer during a save is unexpected
    host.state.LastPacket = Bytes({'u', 0});
    chains.LoadAnswer('t', WithChecksum(Bytes({'t', 0})));
    EXPECT_EQ(host.retries, 1);
}

}  // namespace
}  // namespace kelvane::chains_test
