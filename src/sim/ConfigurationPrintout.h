#pragma once
#include <ctime>
#include <string>
#include <vector>

#include "model/Data.h"

namespace kelvane::sim {

// The controller's configuration printout, one text line per entry (without
// line endings): a title, then the device, group and zone sections, each
// under its heading and column header and closed by a "999" line. Records
// are "|"-separated fields, the record number first:
//   device: address | type letter | area letter | group | zone | place name | suffix
//           (fitted devices only; a field the type does not use is blank)
//   group:  number | 8 primary areas | 8 night areas | 8 divert groups
//   zone:   number | 8 areas | 8 devices
// with equation entries separated by ",", an empty area entry as "!" and an
// empty group or device entry blank. Type letters are "CAUDBMZ*" for codes
// 1 to 8; a radio receiver, which has no letter, prints as "R".
std::vector<std::string> ConfigurationPrintout(const TData& site, const std::tm& printedAt);

}  // namespace kelvane::sim
