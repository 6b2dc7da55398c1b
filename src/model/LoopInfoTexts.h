#pragma once
#include <array>
#include <string>

#include "model/Data.h"

namespace kelvane {

// The four panels of the loop view's information bar: type, place name,
// allocation and enabled state.
using LoopInfoTexts = std::array<std::string, 4>;

// What the panels read before the mouse has been over a device: "Device
// Type=", "Name=", "Zone No=", "Enabled".
const LoopInfoTexts& LoopInfoStartTexts();

// The panels for device n (1..256): "Device Type=" and the short type name;
// "Place Name=", the place name, a blank and the suffix; "Group No=" and
// index + 1 for a group device, "Area =" and the character 65 + index for an
// area device, "Zone No=" and index + 1 for any other; "Enabled" when the
// enabled flag is above 0, else "Disabled".
LoopInfoTexts DeviceInfoTexts(const TData& data, int n);

}  // namespace kelvane
