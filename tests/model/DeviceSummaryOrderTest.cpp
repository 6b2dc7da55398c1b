#include <gtest/gtest.h>

#include "model/Data.h"
#include "model/DeviceCatalogue.h"
#include "model/DeviceSummaryOrder.h"

namespace kelvane {
namespace {

class DeviceSummaryOrderTest : public ::testing::Test {
protected:
    void SetUp() override { data.ResetToDefaults(); }
    void Fit(int n, int code) { data.Loop.Device(n).DeviceType = code; }

    TData data;
};

TEST_F(DeviceSummaryOrderTest, ByNumberListsEveryAddressOrOnlyTheFittedOnes) {
    const std::vector<int> all = DeviceSummaryAddresses(data.Loop, soDeviceNumber, false);
    ASSERT_EQ(all.size(), 256u);
    EXPECT_EQ(all.front(), 1);
    EXPECT_EQ(all.back(), 256);
    // A new site has only the controller at address 1.
    EXPECT_EQ(DeviceSummaryAddresses(data.Loop, soDeviceNumber, true), std::vector<int>{1});
    Fit(200, dtDoorbell);
    Fit(7, -2);  // an odd code from a file is fitted too
    EXPECT_EQ(DeviceSummaryAddresses(data.Loop, soDeviceNumber, true), (std::vector<int>{1, 7, 200}));
}

TEST_F(DeviceSummaryOrderTest, ByTypeCallpointsFirstUnfittedLastEachByAddress) {
    Fit(1, dtNetworkController);
    Fit(9, dtOverDoorLight);
    Fit(3, dtCallpoint);
    Fit(250, dtCallpoint);
    Fit(4, dtCorridorDisplay);
    Fit(5, 13);
    Fit(6, 14);  // codes past 13 and below 0 are left out of this order
    Fit(8, -1);
    const std::vector<int> order = DeviceSummaryAddresses(data.Loop, soDeviceType, false);
    ASSERT_EQ(order.size(), 256u - 2);
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 6), (std::vector<int>{3, 250, 4, 9, 1, 5}));
    EXPECT_EQ(order[6], 2);  // the first unfitted address
    EXPECT_EQ(order.back(), 256);
    EXPECT_TRUE(std::is_sorted(order.begin() + 6, order.end()));

    EXPECT_EQ(DeviceSummaryAddresses(data.Loop, soDeviceType, true), (std::vector<int>{3, 250, 4, 9, 1, 5}));
}

}  // namespace
}  // namespace kelvane
