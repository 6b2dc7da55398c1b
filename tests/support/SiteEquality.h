#pragma once
#include <string>

#include "model/Data.h"

namespace kelvane::testing {

// Expects two models to hold the same site, field by field: the version, the
// site settings, every device, zone and group, the custom names, the network
// and the comments. Each field that differs is named.
void ExpectSameSite(const TData& a, const TData& b);

// Expects device `n` of another model to hold what `expected` holds, its
// suffix as `suffix`.
void ExpectSameDevice(const TKDeviceType& expected, const TKDeviceType& actual, int n,
                      const std::string& suffix);

}  // namespace kelvane::testing
