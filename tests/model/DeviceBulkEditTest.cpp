#include <gtest/gtest.h>

#include "model/Data.h"
#include "model/DeviceBulkEdit.h"
#include "model/DeviceCatalogue.h"
#include "model/DeviceFind.h"
#include "model/DeviceSummaryRow.h"

namespace kelvane {
namespace {

class DeviceBulkEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        data.ResetToDefaults();
        Fit(2, dtCallpoint, 2);
        Fit(3, dtOverDoorLight, 11);
        Fit(4, dtCallpoint, 0);
        data.Loop.Device(4).Enabled = 0;
        // 5 is not fitted.
    }
    void Fit(int n, int code, int allocation) {
        TKDeviceType& device = data.Loop.Device(n);
        device.DeviceType = code;
        device.Allocation = allocation;
        device.Enabled = 1;
    }
    std::string Apply(DeviceBulkChange change) {
        return DeviceBulkSummary(ApplyToDevices(data.Loop, {1, 2, 3, 4, 5}, change), change);
    }

    TData data;
};

TEST_F(DeviceBulkEditTest, EachChangeSkipsTheDevicesThatMayNotTakeItAndSaysWhy) {
    EXPECT_EQ(
        Apply({DeviceBulkChange::Allocation, 2, DeviceBulkChange::AreaList}),
        "Changed 1 device (1 already so); skipped 3: 1 device not fitted, 2 devices not of the area class");
    EXPECT_EQ(data.Loop.Device(4).Allocation, 2);
    EXPECT_EQ(data.Loop.Device(3).Allocation, 11);
    EXPECT_EQ(data.Loop.Device(1).Allocation, 0);

    EXPECT_EQ(Apply({DeviceBulkChange::Enabled, 0}),
              "Changed 3 devices (1 already so); skipped 1: 1 device not fitted");
    EXPECT_EQ(data.Loop.Device(1).Enabled, 0);
    EXPECT_EQ(data.Loop.Device(5).Enabled, 0);

    EXPECT_EQ(Apply({DeviceBulkChange::PlaceName, 45}), "Changed 4 devices; skipped 1: 1 device not fitted");
    EXPECT_EQ(data.Loop.Device(5).PlaceNameIndex, 0);

    // A type is placed as a tool places it, on empty addresses too; the
    // network controller stays, and so do allocations and place names.
    EXPECT_EQ(Apply({DeviceBulkChange::Type, dtMonitoringPoint}),
              "Changed 4 devices; skipped 1: device 1 keeps its type");
    EXPECT_EQ(data.Loop.Device(1).DeviceType, dtNetworkController);
    EXPECT_EQ(data.Loop.Device(5).DeviceType, dtMonitoringPoint);
    EXPECT_EQ(data.Loop.Device(5).Enabled, 1);
    EXPECT_EQ(data.Loop.Device(3).Allocation, 11);
    EXPECT_EQ(data.Loop.Device(3).PlaceNameIndex, 45);
    EXPECT_EQ(Apply({DeviceBulkChange::Type, dtNotFitted}),
              "Changed 4 devices; skipped 1: device 1 keeps its type");
    EXPECT_EQ(data.Loop.Device(2).Enabled, 0);
}

TEST_F(DeviceBulkEditTest, FindMatchesTheShownTextsIgnoringCase) {
    data.Loop.Device(2).PlaceNameIndex = 4;  // Bedroom
    data.Loop.Device(2).Suffix = "4B";
    data.Loop.Device(12).PlaceNameIndex = 4;
    Fit(12, dtCallpoint, 0);
    std::vector<int> all(256);
    for (int n = 1; n <= 256; ++n) all[static_cast<std::size_t>(n - 1)] = n;

    // The place name as shown, with its suffix after a blank.
    EXPECT_EQ(FindDevices(data, all, "bedroom 4b"), (std::vector<int>{2}));
    EXPECT_EQ(FindDevices(data, all, "BEDROOM"), (std::vector<int>{2, 12}));
    // An address is matched whole; as part of a text the digits match too.
    EXPECT_EQ(FindDevices(data, all, "12"), (std::vector<int>{3, 12}));  // "Zone 12" and device 12
    EXPECT_EQ(FindDevices(data, all, "area c"), (std::vector<int>{2}));
    EXPECT_EQ(FindDevices(data, all, "od light"), (std::vector<int>{3}));
    EXPECT_EQ(FindDevices(data, {12, 2}, "callpoint"), (std::vector<int>{12, 2}));
    EXPECT_TRUE(FindDevices(data, all, "").empty());

    EXPECT_EQ(DeviceSpokenText(data, 2), "Device 2, Callpoint, Bedroom 4B, Area C, enabled");
    EXPECT_EQ(DeviceSpokenText(data, 4), "Device 4, Callpoint, " + data.PlaceName(0) + ", Area A, disabled");
    EXPECT_EQ(DeviceSpokenText(data, 5), "Device 5, Not fitted");
}

}  // namespace
}  // namespace kelvane
