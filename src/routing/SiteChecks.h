#pragma once
#include <vector>

#include "model/Data.h"
#include "routing/RoutingMap.h"
#include "routing/SiteFinding.h"

namespace kelvane {

// Every check of a site's configuration, ordered by severity then record.
// `map` must have been computed from `data` as it is now.
std::vector<SiteFinding> CheckSite(const TData& data, const RoutingMap& map);

inline std::vector<SiteFinding> CheckSite(const TData& data) {
    return CheckSite(data, RoutingMap(data));
}

}  // namespace kelvane
