#pragma once
#include <string>
#include <vector>

#include "model/Data.h"

namespace kelvane {

// How the site checks name things, in the editors' words.

// Device n by its type and what a display shows for it: `Callpoint
// "Bedroom 12"` (the long type name, or "type 12" for a code the catalogue
// has not; the place name, then the suffix after a space when it has one).
std::string DeviceWords(const TData& data, int n);

// "Zone 5", with its name in brackets when it has one of its own:
// `Zone 5 ("East Wing")`.
std::string ZoneWords(const TData& data, int zone);

// "2", "2 and 5", "2, 5 and 7".
std::string NumberList(const std::vector<int>& numbers);

}  // namespace kelvane
