#include <gtest/gtest.h>

#include <climits>

#include "model/Data.h"
#include "model/DeviceCatalogue.h"
#include "model/DeviceSummaryRow.h"
#include "model/LoopInfoTexts.h"

namespace kelvane {
namespace {

TEST(DeviceSummaryRow, TextsByClassAndFlags) {
    TData data;
    TKDeviceType& device = data.Loop.Device(5);
    device.DeviceType = dtCallpoint;
    device.Allocation = 25;
    device.PlaceNameIndex = 9;
    device.Suffix = "12";
    device.Enabled = -1;
    const DeviceSummaryTexts row = DeviceSummaryRow(data, 5);
    EXPECT_EQ(row[dcDevNo], "5");
    EXPECT_EQ(row[dcDeviceType], "Callpoint");
    EXPECT_EQ(row[dcAllocation], "Area Z");
    EXPECT_EQ(row[dcPlaceName], data.PlaceName(9));
    EXPECT_EQ(row[dcSuffix], "12");
    EXPECT_EQ(row[dcEnabled], "YES");

    // An area index past Z reads as the next character; zone and group
    // devices count from 1; a type without class reads as a zone.
    device.Allocation = 26;
    EXPECT_EQ(DeviceAllocationText(data.Loop, 5), "Area [");
    device.DeviceType = dtCorridorDisplay;
    device.Allocation = 3;
    EXPECT_EQ(DeviceAllocationText(data.Loop, 5), "Group 4");
    device.DeviceType = dtNotFitted;
    device.Enabled = 0;
    EXPECT_EQ(DeviceAllocationText(data.Loop, 5), "Zone 4");
    EXPECT_EQ(DeviceSummaryRow(data, 5)[dcEnabled], "NO");
    EXPECT_EQ(DeviceSummaryRow(data, 5)[dcDeviceType], "Not fitted");
}

TEST(DeviceSummaryRow, TheLargestAllocationsCountOnWithoutWrapping) {
    TData data;
    TKDeviceType& device = data.Loop.Device(5);
    device.DeviceType = dtOverDoorLight;
    device.Allocation = INT_MAX;
    EXPECT_EQ(DeviceAllocationText(data.Loop, 5), "Zone 2147483648");
    EXPECT_EQ(DeviceInfoTexts(data, 5)[2], "Zone No=2147483648");
    EXPECT_EQ(ZoneListName(INT_MAX), "Zone 2147483648");
    EXPECT_EQ(GroupListName(INT_MAX), "Group 2147483648");
    device.DeviceType = dtCorridorDisplay;
    EXPECT_EQ(DeviceAllocationText(data.Loop, 5), "Group 2147483648");
    EXPECT_EQ(DeviceInfoTexts(data, 5)[2], "Group No=2147483648");
    device.DeviceType = dtCallpoint;
    EXPECT_EQ(DeviceAllocationText(data.Loop, 5).size(), 6u);
    EXPECT_EQ(DeviceInfoTexts(data, 5)[2].size(), 7u);
    device.Allocation = INT_MIN;
    EXPECT_EQ(DeviceAllocationText(data.Loop, 5), std::string("Area A"));
}

}  // namespace
}  // namespace kelvane
