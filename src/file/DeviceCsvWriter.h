#pragma once
#include <array>
#include <string>
#include <string_view>

#include "model/Data.h"
#include "model/DeviceSummaryRow.h"

namespace kelvane {

// The header row of the device list's CSV form, in the device summary
// table's column order.
inline constexpr std::array<std::string_view, kDeviceSummaryColumnCount> kDeviceCsvHeadings{
    "Address", "Type", "Allocation", "Place Name", "Suffix", "Enabled"};

// The device list as a spreadsheet opens it: the header row, then one row
// for each address 1..256 with the device summary table's texts ("Callpoint",
// "Area C", "Bedroom", "4", "YES"). UTF-8 behind a byte-order mark (which
// tells spreadsheets the encoding), records ending in CR LF, fields quoted
// where they need it.
std::string DeviceCsvText(const TData& data);

}  // namespace kelvane
