#pragma once
#include <string>

#include "model/Data.h"

namespace kelvane::cli {

// A readable listing of the site for review: site settings, every fitted
// device, the zone and group equations as the tabs show them, the custom
// place names, the network and the comments.
std::string SiteListing(const TData& data);

}  // namespace kelvane::cli
