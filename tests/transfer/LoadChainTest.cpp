#include <gtest/gtest.h>

#include "ChainsFakeHost.h"
#include "transfer/LoadAnswers.h"

namespace kelvane::chains_test {
namespace {

using List = TransferStatus::List;

// A tool model driven by hand: each test plays the controller's answers.
struct LoadFixture : ::testing::Test {
    TData data;
    FakeHost host;
    Document document;
    TransferChains chains{host, data, document};

    LoadFixture() { data.ResetToDefaults(); }

    void Begin(std::uint8_t step, bool all = false) {
        host.state.Step = step;
        host.state.LoadAll = all;
        chains.DispatchFirst();
    }
    void Answer(unsigned char command, const std::string& payload) {
        chains.LoadAnswer(command, WithChecksum(std::string(1, static_cast<char>(command)) +
                                                static_cast<char>(payload.size()) + payload));
    }
    static std::string DeviceAnswer(int type, int allocation = 0, const std::string& suffix = "    ") {
        return Bytes({type, allocation, 0, 1, 0, 31}) + suffix;
    }
    static std::string ZoneAnswer(int z, int area) {
        std::string payload = Bytes({z});
        for (int n = 1; n <= 8; ++n) payload += static_cast<char>(n == 1 ? area : 26);
        for (int n = 1; n <= 8; ++n) payload += Bytes({n == 1 ? 4 : 0, n == 1 ? 0 : 1});
        return payload;
    }
};

TEST_F(LoadFixture, DevicesAreStoredByCounterWithTheControllersTypeCodes) {
    Begin(kStepLoadDevices);
    EXPECT_EQ(host.sent.back(), Bytes({'I', 2, 1, 1}));
    EXPECT_EQ(host.status.StatusText(), "Loading data for device 1");
    EXPECT_EQ(host.status.ProgressMax(), 256);

    Answer('I', DeviceAnswer(0xFF));
    EXPECT_EQ(data.Loop.Device(1).DeviceType, 0);  // 0xFF: not fitted
    EXPECT_TRUE(host.status.Checked(List::Load, 0));
    EXPECT_EQ(host.sent.back(), Bytes({'I', 2, 1, 2}));
    EXPECT_EQ(host.status.StatusText(), "Loading data for device 2");
    EXPECT_EQ(host.status.ProgressPosition(), 2);

    Answer('I', DeviceAnswer(0, 5, "12A "));
    const TKDeviceType& second = data.Loop.Device(2);
    EXPECT_EQ(second.DeviceType, 1);
    EXPECT_EQ(second.Allocation, 5);
    EXPECT_EQ(second.Enabled, 1);
    EXPECT_EQ(second.PlaceNameIndex, 31);
    EXPECT_EQ(second.Suffix, "12A");  // the controller's padding blank is not part of it
    Answer('I', DeviceAnswer(0, 5, " 1 2"));
    EXPECT_EQ(data.Loop.Device(3).Suffix, " 1 2");  // blanks inside a text stay

    for (int n = 4; n <= 256; ++n) Answer('I', DeviceAnswer(6, n % 26));
    EXPECT_EQ(data.Loop.Device(256).DeviceType, 7);
    EXPECT_EQ(data.Loop.Device(200).Allocation, 200 % 26);
    EXPECT_EQ(host.SentWithCommand('I').back(), Bytes({'I', 2, 1, 0}));  // device 256 asked as 0
    EXPECT_EQ(host.finishes, std::vector<bool>{true});
    EXPECT_EQ(host.state.Step, kStepIdle);
}

TEST_F(LoadFixture, DeviceSummaryPageLoadsZonesAfterDevices) {
    host.section = TransferSection::DevicesAndZones;
    ASSERT_TRUE(chains.LoadFromPanel());
    chains.DispatchFirst();
    for (int n = 1; n <= 256; ++n) Answer('I', DeviceAnswer(0xFF));
    EXPECT_EQ(host.state.Step, kStepLoadZones);
    EXPECT_EQ(host.sent.back(), Bytes({'t', 1, 1}));
    EXPECT_EQ(host.status.StatusText(), "Loading data for Zone 1");
    EXPECT_TRUE(host.finishes.empty());
}

TEST_F(LoadFixture, OldControllerAsksForZone33AndIgnoresItsAnswer) {
    data.SiteConfig.MainVersion = "07B12";
    data.ZoneList.Zones[33].AreaEquation[1] = 7;
    Begin(kStepLoadZones);
    for (int z = 1; z <= 33; ++z) {
        EXPECT_EQ(host.sent.back(), Bytes({'t', 1, z}));
        Answer('t', ZoneAnswer(z, 3));
    }
    EXPECT_EQ(data.ZoneList.Zones[32].AreaEquation[1], 3);
    EXPECT_EQ(data.ZoneList.Zones[32].DeviceEquation[1], 4);
    EXPECT_EQ(data.ZoneList.Zones[32].DeviceEquation[2], 256);
    EXPECT_EQ(data.ZoneList.Zones[33].AreaEquation[1], 7);
    EXPECT_EQ(host.SentWithCommand('t').size(), 33u);
    EXPECT_EQ(host.finishes, std::vector<bool>{true});
}

TEST_F(LoadFixture, NewControllerStoresZonesByTheirNumberUpTo64) {
    Begin(kStepLoadZones);
    Answer('t', ZoneAnswer(9, 2));  // the zone named in the answer, not the counter
    EXPECT_EQ(data.ZoneList.Zones[9].AreaEquation[1], 2);
    for (int z = 2; z <= 65; ++z) Answer('t', ZoneAnswer(z == 65 ? 64 : z, 1));
    EXPECT_EQ(host.SentWithCommand('t').size(), 65u);
    EXPECT_EQ(data.ZoneList.Zones[64].AreaEquation[1], 1);
    EXPECT_EQ(host.status.StatusText(), "");  // finished: the window was closed
    EXPECT_EQ(host.finishes.size(), 1u);
}

TEST_F(LoadFixture, ShortOrOutOfRangeAnswersAreNotStoredAndRetried) {
    Begin(kStepLoadDevices);
    Answer('I', DeviceAnswer(3).substr(0, 9));
    EXPECT_EQ(data.Loop.Device(1).DeviceType, 8);  // untouched
    EXPECT_EQ(host.retries, 1);
    EXPECT_EQ(host.state.ItemCounter, 1);
    EXPECT_EQ(host.sent.back(), Bytes({'I', 2, 1, 1}));

    Answer('t', ZoneAnswer(1, 1));  // a letter the device request is not answered with
    EXPECT_EQ(host.retries, 2);

    Begin(kStepLoadZones);
    const TKZone before = data.ZoneList.Zones[1];
    Answer('t', ZoneAnswer(65, 1));
    Answer('t', ZoneAnswer(0, 1));
    Answer('t', ZoneAnswer(1, 1).substr(0, 24));
    EXPECT_EQ(data.ZoneList.Zones[1].AreaEquation, before.AreaEquation);
    EXPECT_EQ(host.retries, 5);

    Begin(kStepLoadGroups);
    Answer('r', std::string(1, 33) + std::string(24, 0));
    EXPECT_EQ(data.GroupList.Groups[1].PrimaryAreaEquation[1], 0);
    EXPECT_EQ(host.retries, 6);

    Begin(kStepLoadPlaceNames);
    Answer('p', Bytes({46}) + "Bad");
    Answer('p', Bytes({0}) + "Bad");
    Answer('p', "");
    EXPECT_EQ(data.CustomNames.Count(), 45);
    EXPECT_EQ(data.CustomNames.Item(0).Name, "Custom 1");
    EXPECT_EQ(host.retries, 9);

    Begin(kStepLoadSite);
    Answer('O', "");
    EXPECT_EQ(data.SiteConfig.CallCode, "DUAD");
    // A rejected answer does not reset the retry count: the eleventh failure ends the transfer.
    for (int n = 0; n < 10; ++n) Answer('O', "");
    EXPECT_TRUE(host.failed);
}

TEST_F(LoadFixture, SiteChainTextsTicksAndValues) {
    host.status.SetProgressMax(32);
    Begin(kStepLoadSite);
    EXPECT_EQ(host.status.StatusText(), "Loading site configuration");
    EXPECT_EQ(host.status.ProgressPosition(), 32);
    EXPECT_EQ(host.sent.back(), Bytes({'O', 0}));

    Answer('O', std::string("UDAU") + '\0');
    EXPECT_EQ(host.status.StatusText(), "Loading Attack Reset code");
    EXPECT_EQ(host.sent.back(), Bytes({'Q', 0}));
    Answer('Q', std::string("AD  ") + '\0');
    EXPECT_EQ(host.status.StatusText(), "Loading Access codes");
    Answer('S', "2123331 ");
    EXPECT_EQ(host.status.StatusText(), "Loading Night Mode settings");
    Answer('x', Bytes({21, 5, 7, 0, 1, 1}));
    EXPECT_EQ(host.status.StatusText(), "Loading Timeouts");
    EXPECT_EQ(host.sent.back(), Bytes({0x80, 0}));
    Answer(0x80, Bytes({3, 8}));
    EXPECT_EQ(host.sent.back(), Bytes({'z', 0}));
    Answer('z', Bytes({1, 9, 1, 1}));
    EXPECT_EQ(host.sent.back(), Bytes({'|', 0}));
    Answer('|', Bytes({1, 3}));
    EXPECT_EQ(host.sent.back(), Bytes({'~', 0}));
    Answer('~', Bytes({0, 2}));

    const TKSiteConfig1& site = data.SiteConfig;
    EXPECT_EQ(site.CallCode, "UDAU");
    EXPECT_EQ(site.AttackCode, "AD");  // the controller's padding blanks are not part of the codes
    EXPECT_EQ(site.AL2Code, "2123");
    EXPECT_EQ(site.AL3Code, "331");
    EXPECT_EQ(site.NightModeTime, "21:05");
    EXPECT_EQ(site.DayModeTime, "07:00");
    EXPECT_TRUE(site.NightModeAutoEnable);
    EXPECT_TRUE(site.HTM2015Enable);
    EXPECT_EQ(site.AccTimeout, 3);
    EXPECT_EQ(site.DivTimeout, 8);
    EXPECT_EQ(site.LoggerSetting, 1);  // byte 5 = 1 ignores byte 4
    EXPECT_TRUE(site.SurveyorEnable);
    EXPECT_TRUE(site.PagerEnabled);
    EXPECT_EQ(site.PagerLevel, 2);  // 3 on the wire
    EXPECT_FALSE(site.EmergState);
    EXPECT_TRUE(site.AttackState);
    for (int item : {3, 4, 5, 6, 8, 9, 10, 11}) EXPECT_TRUE(host.status.Checked(List::Load, item)) << item;
    EXPECT_FALSE(host.status.Checked(List::Load, 7));
    EXPECT_EQ(host.finishes, std::vector<bool>{true});
}

TEST(LoadAnswers, LoggerPagerAndOlderControllerFlags) {
    TData data;
    LoadAnswers answers(data);
    ASSERT_TRUE(answers.Logger(Bytes({1, 3, 2, 0})));
    EXPECT_EQ(data.SiteConfig.LoggerSetting, 5);
    ASSERT_TRUE(answers.Pager(Bytes({1, 2})));
    EXPECT_EQ(data.SiteConfig.PagerLevel, 2);
    ASSERT_TRUE(answers.Pager(Bytes({0, 5})));
    EXPECT_EQ(data.SiteConfig.PagerLevel, 4);
    EXPECT_FALSE(data.SiteConfig.PagerEnabled);

    data.SiteConfig.MainVersion = "07B12";
    ASSERT_TRUE(answers.NightMode(Bytes({19, 0, 7, 30, 0})));  // older controllers send no HTM2015 byte
    EXPECT_EQ(data.SiteConfig.NightModeTime, "19:00");
    EXPECT_EQ(data.SiteConfig.DayModeTime, "07:30");
    ASSERT_TRUE(answers.NightMode(Bytes({19, 0, 7, 30, 0, 1})));
    EXPECT_FALSE(data.SiteConfig.HTM2015Enable);
    ASSERT_TRUE(answers.Logger(Bytes({1, 0, 2, 1})));
    EXPECT_EQ(data.SiteConfig.LoggerSetting, 2);
    EXPECT_FALSE(data.SiteConfig.SurveyorEnable);

    data.ResetToDefaults();
    ASSERT_TRUE(answers.CustomName(Bytes({3}) + "Ward 3     "));
    EXPECT_EQ(data.CustomNames.Item(2).Name, "Ward 3");  // the padding blanks are not part of the name
}

TEST_F(LoadFixture, LoadAllRunsEverySectionAndRefreshesPlaceNamesAtTheEnd) {
    TData controller;
    controller.CustomNames.Item(44).Name = "Last One";
    ChainsLoop loop(data, controller);
    loop.chains.LoadAllFromPanel();
    EXPECT_EQ(loop.host.status.ShownList(), List::Load);
    EXPECT_EQ(loop.host.status.Width(), TransferStatus::kWideWidth);
    loop.Run();

    const std::vector<std::string> names = loop.host.SentWithCommand('p');
    ASSERT_EQ(names.size(), 46u);  // the 46th answer is not stored
    EXPECT_EQ(names.back(), Bytes({'p', 1, 46}));
    EXPECT_EQ(data.CustomNames.Item(44).Name, "Last One");
    EXPECT_EQ(loop.host.placeNameRefreshes, 1);
    EXPECT_EQ(loop.host.finishes, std::vector<bool>{true});
    EXPECT_EQ(loop.host.SentWithCommand('I').size(), 256u);
    EXPECT_EQ(loop.host.SentWithCommand('t').size(), 65u);
    EXPECT_EQ(loop.host.SentWithCommand('r').size(), 32u);
    EXPECT_EQ(loop.host.status.Width(), TransferStatus::kNarrowWidth);
    EXPECT_TRUE(loop.document.Modified());
}

TEST_F(LoadFixture, TheFirstRecordStoredMarksTheDocumentModified) {
    Begin(kStepLoadZones);
    Answer('t', ZoneAnswer(70, 3));  // names no zone: nothing stored
    EXPECT_EQ(host.retries, 1);
    EXPECT_FALSE(document.Modified());
    Answer('t', ZoneAnswer(1, 3));
    EXPECT_TRUE(document.Modified());

    // Every kind of record counts, the site settings too.
    for (std::uint8_t step : {kStepLoadDevices, kStepLoadGroups, kStepLoadSite, kStepLoadPlaceNames}) {
        document.SetModified(false);
        Begin(step);
        const unsigned char command = static_cast<unsigned char>(host.state.LastPacket[0]);
        const std::string payload = step == kStepLoadDevices  ? DeviceAnswer(3)
                                    : step == kStepLoadGroups ? Bytes({1}) + std::string(24, '\x1a')
                                    : step == kStepLoadSite   ? std::string("DUAD") + '\0'
                                                              : Bytes({1}) + "Lounge";
        Answer(command, payload);
        EXPECT_TRUE(document.Modified()) << int(step);
    }
}

}  // namespace
}  // namespace kelvane::chains_test
