#pragma once
#include <array>
#include <string>

#include "model/Data.h"

namespace kelvane {

// The columns in which the editors and the report list the devices.
enum DeviceSummaryColumn {
    dcDevNo,
    dcDeviceType,
    dcAllocation,
    dcPlaceName,
    dcSuffix,
    dcEnabled,
    kDeviceSummaryColumnCount
};

using DeviceSummaryTexts = std::array<std::string, kDeviceSummaryColumnCount>;

// The column headings: "Dev No", "Device Type", "Zone/Group/Area", "Place
// Name", "Suffix", "Enabled".
const DeviceSummaryTexts& DeviceSummaryHeadings();

// How device n's allocation reads by its type's class: "Area " and the
// character 65 + index for area devices (for any index, so 26 shows as "["),
// "Group " and index + 1 for group devices, "Zone " and index + 1 for every
// other type.
std::string DeviceAllocationText(const TKLoop& loop, int n);

// The six texts of device n (1..256): its address, short type name,
// allocation, place name, suffix and "YES" when its enabled flag is not 0,
// else "NO".
DeviceSummaryTexts DeviceSummaryRow(const TData& data, int n);

// Device n's place name followed, after a blank, by its suffix when it has one.
std::string DeviceNameWithSuffix(const TData& data, int n);

// Device n as a screen reader says it: "Device 17, Callpoint, Bedroom 4 B,
// Area C, enabled" (the place name with its suffix, "disabled" when the
// enabled flag is 0); "Device 5, Not fitted" for an empty address.
std::string DeviceSpokenText(const TData& data, int n);

}  // namespace kelvane
