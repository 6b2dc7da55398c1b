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
    const std::pair<int, std::uint8_t> loads[] = {
        {kPageDeviceSummary, kStepLoadDevices}, {kPageDevices, kStepLoadDevices},   {kPageZoneConfig, kStepLoadZones},
        {kPageGroupConfig, kStepLoadGroups},     {kPagePlaceNames, kStepLoadPlaceNames}, {kPageSiteConfig, kStepLoadSite},
    };
    for (const auto& [page, step] : loads) {
        host.page = page;
        host.state.LoadAll = true;
        ASSERT_TRUE(chains.LoadFromPanel());
        EXPECT_EQ(host.state.Step, step);
        EXPECT_FALSE(host.state.LoadAll);
        EXPECT_EQ(host.status.ShownList(), List::None);
    }
    const int starts = host.starts;
    for (int page : {kPageNetworkConfig, kPageViewEventLog, kPageComments, kPageSetConfig}) {
        host.page = page;
        EXPECT_FALSE(chains.LoadFromPanel());
        EXPECT_FALSE(chains.SaveToPanel());
    }
    EXPECT_EQ(host.starts, starts);

    chains.SaveAllToPanel();
    EXPECT_TRUE(host.state.SaveAll);
    EXPECT_TRUE(host.nvmCheckAtStart.back());
    EXPECT_EQ(host.state.Step, kStepSaveDevices);
    EXPECT_EQ(host.status.ShownList(), List::Save);
    EXPECT_EQ(host.status.Width(), TransferStatus::kWideWidth);
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
