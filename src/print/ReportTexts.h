#pragma once
#include <string>

#include "model/Data.h"
#include "model/Equation.h"

namespace kelvane {

// The texts the site report prints in its tables and its site page.

// Device n's allocation as the device list prints it: "Group " and the
// group number for group devices, "Area  " and the letter (character 65 +
// index, unchecked) for area devices, "Zone  " and the zone number for
// every other type, not fitted included.
std::string ReportAllocationText(const TKLoop& loop, int n);

// A blank, then for each area member of slots 1..8 its letter and a blank
// (" A C ").
std::string ReportAreaText(const Equation& equation);
// A blank, then for each device member of slots 1..8 its address
// right-aligned in three characters and a blank ("   6  13 ").
std::string ReportDeviceText(const Equation& equation);
// A blank, then for each divert member of slots 1..8 its group number
// right-aligned in two characters and a blank ("  2 15 ").
std::string ReportDivertText(const Equation& equation);

std::string YesNoText(bool value);
// "Locally" or "Globally".
std::string SentText(bool global);
// "4  minute(s)".
std::string MinutesText(int minutes);

}  // namespace kelvane
