#include <gtest/gtest.h>

#include "ChainsFakeHost.h"
#include "sim/DemoSite.h"

namespace kelvane::chains_test {
namespace {

struct RecordsFixture : ::testing::Test {
    TData store;
    sim::ControllerRecords records{store};
    RecordsFixture() { store.ResetToDefaults(); }
    bool Store(unsigned char command, const std::string& payload) {
        return *records.StoreSavePacket(command, payload);
    }
};

TEST_F(RecordsFixture, RefusesPacketsItCannotParse) {
    const std::string device = Bytes({7, 6, 2, 0, 1, 0, 4}) + "12  " + '\0';
    EXPECT_TRUE(Store('J', device));
    EXPECT_EQ(store.Loop.Device(7).Suffix, "12");
    EXPECT_FALSE(Store('J', device.substr(0, 11)));
    EXPECT_FALSE(Store('J', Bytes({0, 6, 2, 0, 1, 0, 4}) + "12  " + '\0'));   // device 0
    EXPECT_FALSE(Store('J', Bytes({7, 10, 2, 0, 1, 0, 4}) + "12  " + '\0'));  // type 10
    EXPECT_FALSE(Store('J', Bytes({7, 6, 2, 0, 1, 0, 86}) + "12  " + '\0'));  // place name 86

    std::string zone = Bytes({65}) + std::string(8, 26);
    for (int n = 0; n < 8; ++n) zone += Bytes({0, 1});
    EXPECT_FALSE(Store('u', zone));
    zone[0] = 33;
    EXPECT_TRUE(Store('u', zone));
    zone[1] = 27;  // beyond the empty area marker
    EXPECT_FALSE(Store('u', zone));
    store.SiteConfig.MainVersion = "07B12";
    zone[1] = 26;
    EXPECT_FALSE(Store('u', zone));  // an older controller has no zone 33

    std::string group = Bytes({33}) + std::string(16, 26) + std::string(8, 32);
    EXPECT_FALSE(Store('s', group));
    group[0] = 32;
    EXPECT_TRUE(Store('s', group));
    group[24] = 33;
    EXPECT_FALSE(Store('s', group));

    EXPECT_FALSE(Store('T', "1212"));
    EXPECT_TRUE(Store('P', "DUA"));  // a short reset code is kept as it is
    EXPECT_EQ(store.SiteConfig.CallCode, "DUA");
    EXPECT_FALSE(Store('R', "DUADU"));
    EXPECT_FALSE(Store('U', Bytes({26, 13, 1, 0, 0, 0})));
    EXPECT_FALSE(Store('y', Bytes({24, 0, 7, 30, 0, 0})));
    EXPECT_FALSE(Store('{', Bytes({1, 0, 3, 0})));
    EXPECT_FALSE(Store('}', Bytes({1, 6})));
    EXPECT_FALSE(Store('q', Bytes({46}) + "Name       " + '\0'));
    EXPECT_FALSE(Store('q', Bytes({4}) + "Name"));  // no closing 0x00
    EXPECT_FALSE(records.StoreSavePacket('I', "").has_value());
    EXPECT_FALSE(records.AnswerRequest('J', "").has_value());
}

TEST_F(RecordsFixture, AnswersInTheLoadLayouts) {
    store.Loop.Device(256).DeviceType = 7;
    store.Loop.Device(256).Suffix = "123456";
    EXPECT_EQ(*records.AnswerRequest('I', Bytes({1, 0})), Bytes({'I', 10, 6, 0, 0, 0, 0, 0}) + "1234");
    EXPECT_EQ(records.AnswerRequest('I', Bytes({1, 2}))->substr(2, 1), Bytes({0xFF}));

    const std::string past = *records.AnswerRequest('t', Bytes({65}));
    EXPECT_EQ(past.substr(0, 3), Bytes({'t', 25, 65}));
    EXPECT_EQ(past.substr(3, 8), std::string(8, 26));
    EXPECT_EQ(*records.AnswerRequest('p', Bytes({46})), Bytes({'p', 1, 46}));
    EXPECT_EQ(*records.AnswerRequest('O', ""), std::string("O\x05") + "DUAD" + '\0');

    store.SiteConfig.LoggerSetting = 0;
    EXPECT_EQ(*records.AnswerRequest('z', ""), Bytes({'z', 4, 0, 0xFE, 0, 0}));
    store.SiteConfig.PagerLevel = 4;
    EXPECT_EQ(*records.AnswerRequest(0x7C, ""), Bytes({0x7C, 2, 0, 5}));
}

TEST(DemoSite, IsARealisticSiteThatSurvivesALoad) {
    TData controller;
    sim::BuildDemoSite(controller);
    EXPECT_EQ(controller.SiteConfig.ClientName, "Rowan House Care Home");
    EXPECT_EQ(controller.Loop.Device(1).DeviceType, 8);
    EXPECT_EQ(controller.Loop.Device(2).DeviceType, 4);
    EXPECT_EQ(controller.ZoneList.Zones[1].Name, "Rowan Wing");
    int fitted = 0;
    for (int n = 1; n <= 256; ++n) fitted += controller.Loop.Device(n).DeviceType != 0;
    EXPECT_GT(fitted, 50);

    TData tool;
    tool.ResetToDefaults();
    ChainsLoop loop(tool, controller);
    loop.chains.LoadAllFromPanel();
    loop.Run();
    ASSERT_FALSE(loop.host.failed);
    for (int n = 1; n <= 256; ++n) {
        EXPECT_EQ(tool.Loop.Device(n).DeviceType, controller.Loop.Device(n).DeviceType) << n;
        EXPECT_EQ(tool.DevicePlaceName(n), controller.DevicePlaceName(n)) << n;
    }
    EXPECT_EQ(tool.SiteConfig.NightModeTime, "21:30");
    EXPECT_EQ(tool.CustomNames.Item(5).Name, "Nurse Stn");
    EXPECT_EQ(tool.GroupList.Groups[1].NightAreaEquation, controller.GroupList.Groups[1].NightAreaEquation);
}

}  // namespace
}  // namespace kelvane::chains_test
