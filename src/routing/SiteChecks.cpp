#include "routing/SiteChecks.h"

#include "routing/CheckParts.h"

namespace kelvane {

std::vector<SiteFinding> CheckSite(const TData& data, const RoutingMap& map) {
    std::vector<SiteFinding> findings;
    CheckDevices(data, map, findings);
    CheckZones(data, map, findings);
    CheckGroups(data, map, findings);
    CheckSettings(data, findings);
    SortFindings(findings);
    return findings;
}

}  // namespace kelvane
