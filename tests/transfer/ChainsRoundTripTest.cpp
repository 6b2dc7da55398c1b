#include <gtest/gtest.h>

#include "ChainsFakeHost.h"
#include "support/SiteSamples.h"

namespace kelvane::chains_test {
namespace {

class RoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(RoundTrip, SaveAllThenLoadAllReproducesEveryFieldThatTravels) {
    const std::string version = GetParam();
    TData original;
    testing::PopulateTravellingFields(original, version);
    TData controller;
    controller.ResetToDefaults();
    controller.SiteConfig.MainVersion = version;
    {
        ChainsLoop save(original, controller);
        save.chains.SaveAllToPanel();
        save.Run();
        ASSERT_FALSE(save.host.failed);
    }
    TData fresh;
    fresh.ResetToDefaults();
    ChainsLoop load(fresh, controller);
    load.chains.LoadAllFromPanel();
    load.Run();
    ASSERT_FALSE(load.host.failed);
    EXPECT_EQ(load.host.retries, 0);

    testing::ExpectTravellingFieldsEqual(original, fresh);
}

INSTANTIATE_TEST_SUITE_P(Controllers, RoundTrip, ::testing::Values("08A00", "07B12"));

TEST(RoundTrip, EverySettingOfTheSiteListsSurvives) {
    for (int logger = 0; logger <= 12; ++logger) {
        for (int pager = 0; pager <= 4; ++pager) {
            TData tool;
            TData controller;
            tool.ResetToDefaults();
            controller.ResetToDefaults();
            tool.SiteConfig.LoggerSetting = logger;
            tool.SiteConfig.PagerLevel = pager;
            ChainsLoop save(tool, controller);
            save.host.section = TransferSection::Site;
            save.chains.SaveToPanel();
            save.Run();
            tool.ResetToDefaults();
            ChainsLoop load(tool, controller);
            load.host.section = TransferSection::Site;
            load.chains.LoadFromPanel();
            load.Run();
            EXPECT_EQ(tool.SiteConfig.LoggerSetting, logger);
            EXPECT_EQ(tool.SiteConfig.PagerLevel, pager);
        }
    }
}

}  // namespace
}  // namespace kelvane::chains_test
