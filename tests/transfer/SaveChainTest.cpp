#include <gtest/gtest.h>

#include "ChainsFakeHost.h"

namespace kelvane::chains_test {
namespace {

using List = TransferStatus::List;

struct SaveFixture : ::testing::Test {
    TData tool;
    TData controller;
    ChainsLoop loop{tool, controller};
    FakeHost& host = loop.host;

    SaveFixture() {
        tool.ResetToDefaults();
        controller.ResetToDefaults();
    }
    std::string Commands() const {
        std::string letters;
        for (const std::string& p : host.sent) letters += p[0];
        return letters;
    }
};

TEST_F(SaveFixture, SaveAllSendsEverySectionInOrderWithTheSiteChainTexts) {
    loop.document.CustomNamesChanged = true;
    host.uploadTime = true;
    std::vector<std::string> texts;
    host.status.OnChanged = [&] {
        if (texts.empty() || texts.back() != host.status.StatusText())
            texts.push_back(host.status.StatusText());
    };
    loop.chains.SaveAllToPanel();
    EXPECT_TRUE(host.state.SaveAll);
    EXPECT_EQ(host.status.ShownList(), List::Save);
    EXPECT_EQ(host.starts, 1);
    loop.Run();

    const std::string expected = std::string(255, 'J') + std::string(64, 'u') + std::string(32, 's') +
                                 "RTPUy\x81{}\x7F" + std::string(45, 'q');
    EXPECT_EQ(Commands(), expected);
    EXPECT_EQ(host.sent[254].substr(0, 3), Bytes({'J', 12, 255}));
    const std::vector<std::string> site{"Saving Attack Code ",
                                        "Saving Access Codes ",
                                        "Saving Call Reset Code ",
                                        "Saving the current time ",
                                        "Saving the Night Mode settings ",
                                        "Saving Timeout ",
                                        "Saving Logger Settings ",
                                        "Saving Pager Settings ",
                                        "Saving Emergency Settings "};
    const auto first = std::find(texts.begin(), texts.end(), site.front());
    ASSERT_NE(first, texts.end());
    EXPECT_EQ(std::vector<std::string>(first, first + 9), site);
    EXPECT_EQ(*(first + 9), "Saving custom place name 1");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Saving data for zone 64"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Saving data for device 255"), texts.end());

    EXPECT_EQ(host.finishes, std::vector<bool>{false});
    EXPECT_FALSE(loop.document.CustomNamesChanged);
    EXPECT_EQ(host.starts, 1);
    EXPECT_EQ(loop.records.ClockSetting()->tm_year, 126);
}

TEST_F(SaveFixture, EveryPacketResetsTheRetryCountAndTicksItsItem) {
    host.state.SaveAll = true;
    host.state.Step = kStepSaveSite;
    loop.chains.DispatchFirst();
    EXPECT_EQ(host.state.Step, kStepSaveAttackCode);
    for (int item : {4}) EXPECT_TRUE(host.status.Checked(List::Save, item));
    host.state.RetryCount = 7;
    loop.chains.Acknowledged();
    EXPECT_EQ(host.state.RetryCount, 0);
    EXPECT_EQ(host.state.Step, kStepSaveAccessCodes);
    loop.chains.Acknowledged();
    EXPECT_EQ(host.state.Step, kStepSaveCallCode);
    loop.chains.Acknowledged();  // no time packet: straight to night mode
    EXPECT_EQ(host.state.Step, kStepSaveNightMode);
    EXPECT_EQ(host.sent.back()[0], 'y');
    for (int i = 0; i < 4; ++i) loop.chains.Acknowledged();
    EXPECT_EQ(host.state.Step, kStepSaveSiteEnd);
    for (int item : {3, 4, 5, 6, 9, 10, 11, 12}) EXPECT_TRUE(host.status.Checked(List::Save, item)) << item;
    EXPECT_FALSE(host.status.Checked(List::Save, 8));
    loop.chains.Acknowledged();  // save-all: the names follow on step 16
    EXPECT_EQ(host.state.Step, kStepSaveSiteEnd);
    EXPECT_EQ(host.sent.back(), Bytes({'q', 13, 1}) + "Custom 1   " + '\0');
}

TEST_F(SaveFixture, DeviceSummaryPageCascadesDevicesZonesAndChangedNames) {
    host.section = TransferSection::DevicesAndZones;
    loop.document.CustomNamesChanged = true;
    ASSERT_TRUE(loop.chains.SaveToPanel());
    EXPECT_EQ(host.status.ShownList(), List::None);
    loop.Run();
    EXPECT_EQ(Commands(), std::string(255, 'J') + std::string(64, 'u') + std::string(45, 'q'));
    EXPECT_EQ(host.nvmCheckAtStart,
              std::vector<bool>(3, true));  // each section is a new transfer with its own queries
    EXPECT_FALSE(host.state.SaveAll);
    EXPECT_EQ(host.finishes, std::vector<bool>{false});
    EXPECT_FALSE(loop.document.CustomNamesChanged);

    // Unchanged names are not sent again.
    host.sent.clear();
    host.finishes.clear();
    ASSERT_TRUE(loop.chains.SaveToPanel());
    loop.Run();
    EXPECT_EQ(Commands(), std::string(255, 'J') + std::string(64, 'u'));
    EXPECT_EQ(host.finishes, std::vector<bool>{false});
}

TEST_F(SaveFixture, SingleSectionSavesFinishWithOrWithoutRefresh) {
    struct Case {
        TransferSection section;
        std::string commands;
        bool refresh;
    };
    const Case cases[] = {
        {TransferSection::Devices, std::string(255, 'J'), true},
        {TransferSection::Zones, std::string(64, 'u'), false},
        {TransferSection::Groups, std::string(32, 's'), false},
        {TransferSection::PlaceNames, std::string(45, 'q'), false},
        {TransferSection::Site, "RTPy\x81{}\x7F", true},
    };
    for (const Case& c : cases) {
        host.sent.clear();
        host.finishes.clear();
        host.section = c.section;
        ASSERT_TRUE(loop.chains.SaveToPanel());
        EXPECT_TRUE(host.nvmCheckAtStart.back());
        EXPECT_FALSE(host.state.SaveAll);
        loop.Run();
        EXPECT_EQ(Commands(), c.commands) << static_cast<int>(c.section);
        EXPECT_EQ(host.finishes, std::vector<bool>{c.refresh}) << static_cast<int>(c.section);
    }
    host.section = TransferSection::None;
    EXPECT_FALSE(loop.chains.SaveToPanel());
    host.section = TransferSection::None;
    EXPECT_FALSE(loop.chains.LoadFromPanel());
}

TEST_F(SaveFixture, OlderControllerGetsThirtyTwoZones) {
    controller.SiteConfig.MainVersion = "07B12";
    host.section = TransferSection::Zones;
    loop.chains.SaveToPanel();
    loop.Run();
    EXPECT_EQ(Commands(), std::string(32, 'u'));
    EXPECT_EQ(host.status.ProgressMax(), 64);
}

TEST_F(SaveFixture, RefusedPacketIsResentUntilTheRetryLimit) {
    host.uploadTime = true;
    host.now.tm_mon = 12;  // a PC clock the controller takes for no date: month 13
    tool.SiteConfig.AttackCode = "UUDA";
    host.section = TransferSection::Site;
    loop.chains.SaveToPanel();
    loop.Run();
    EXPECT_TRUE(host.failed);
    EXPECT_EQ(host.SentWithCommand('U').size(), 11u);
    EXPECT_EQ(host.SentWithCommand('y').size(), 0u);
    EXPECT_EQ(controller.SiteConfig.AttackCode, "UUDA");  // written before the time
}

TEST_F(SaveFixture, ARecordListSendsJustThoseRecordsAndWritesThem) {
    tool.Loop.Device(17).DeviceType = 6;
    tool.Loop.Device(17).Suffix = "17";
    tool.ZoneList.Zones[5].AreaEquation[1] = 2;
    tool.SiteConfig.LoggerSetting = 4;
    tool.CustomNames.Item(44).Name = "Garden";
    std::vector<std::string> texts;
    host.status.OnChanged = [&] {
        const std::string& text = host.status.StatusText();
        if (!text.empty() && (texts.empty() || texts.back() != text)) texts.push_back(text);
    };
    loop.chains.SaveRecords({{SaveRecordKind::Device, 17},
                             {SaveRecordKind::Zone, 5},
                             {SaveRecordKind::Logger, 0},
                             {SaveRecordKind::CustomName, 45}});
    EXPECT_EQ(host.nvmCheckAtStart, std::vector<bool>{true});
    EXPECT_EQ(host.status.ShownList(), List::None);
    loop.Run();

    EXPECT_EQ(Commands(), "Ju{q");
    EXPECT_EQ(texts, (std::vector<std::string>{"Saving data for device 17", "Saving data for zone 5",
                                               "Saving Logger Settings ", "Saving custom place name 45"}));
    EXPECT_EQ(host.finishes, std::vector<bool>{false});
    EXPECT_EQ(controller.Loop.Device(17).DeviceType, 6);
    EXPECT_EQ(controller.ZoneList.Zones[5].AreaEquation[1], 2);
    EXPECT_EQ(controller.SiteConfig.LoggerSetting, 4);
    EXPECT_EQ(controller.CustomNames.Item(44).Name, "Garden");
    EXPECT_EQ(controller.Loop.Device(18).DeviceType, 0);  // nothing else was written
}

TEST_F(SaveFixture, AReadBackFillsItsOwnModelAndLeavesTheOpenSiteAlone) {
    controller.Loop.Device(40).DeviceType = 9;
    controller.CustomNames.Item(0).Name = "Hall";
    TData readBack;
    readBack.ResetToDefaults();
    loop.chains.ReadBackAllInto(readBack);
    EXPECT_EQ(host.status.ShownList(), List::Load);
    EXPECT_EQ(loop.chains.VersionModel(), &readBack);
    loop.Run();

    EXPECT_EQ(loop.chains.VersionModel(), nullptr);
    EXPECT_EQ(readBack.Loop.Device(40).DeviceType, 9);
    EXPECT_EQ(readBack.CustomNames.Item(0).Name, "Hall");
    EXPECT_EQ(tool.Loop.Device(40).DeviceType, 0);
    EXPECT_EQ(tool.CustomNames.Item(0).Name, "Custom 1");
    // The next load is the open site's again.
    loop.chains.LoadAllFromPanel();
    EXPECT_EQ(loop.chains.VersionModel(), nullptr);
    loop.Run();
    EXPECT_EQ(tool.Loop.Device(40).DeviceType, 9);
}

}  // namespace
}  // namespace kelvane::chains_test
