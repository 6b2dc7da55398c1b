#pragma once
#include <string>
#include <vector>

#include "model/Data.h"

namespace kelvane {

// Whether device n (1..256) matches the find text `needle`: its address
// when the needle is that number, or, ignoring case, a part of its short
// type name, its allocation text ("Area C", "Group 5", "Zone 12") or its
// place name with the suffix as the editors show it ("Bedroom 4 B"). An
// empty needle matches nothing.
bool DeviceMatches(const TData& data, int n, const std::string& needle);

// The devices of `addresses` that match `needle`, in the same order.
std::vector<int> FindDevices(const TData& data, const std::vector<int>& addresses, const std::string& needle);

}  // namespace kelvane
