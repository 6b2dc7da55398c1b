#pragma once
#include <vector>

#include "compare/SiteDifference.h"
#include "model/Data.h"

namespace kelvane {

// Which fields a comparison looks at.
struct ComparisonScope {
    // Every field a configuration file keeps: one file against another.
    static ComparisonScope EveryField();
    // Only what a whole save writes into the controller and a whole load
    // reads back, for the controller whose memory `controller` holds (its
    // version decides its zones and whether it keeps the HTM2015 and
    // surveyor modes): devices 1 to 255, its zones' equations, the groups,
    // the site chain and the custom place names. Suffixes, access codes and
    // custom names are compared as the controller returns them: cut to the
    // width of their answer, padding blanks ignored.
    static ComparisonScope Controller(const TData& controller);

    bool ControllerOnly = false;
    int ZoneLimit = kZoneCount;
    bool Has64Zones = true;
};

// The fields in which `a` and `b` differ, in a stable order: by section
// (devices, zones, groups, site settings, custom names, network, repeaters,
// comment lines), then record number, then field (the site settings in the
// file's order: texts, flags, numbers).
// Empty equation entries compare equal whatever their marker, and an
// equation is compared as the list of its members in slot order (as the
// tabs show it); entry 0 of an equation never counts.
std::vector<SiteDifference> CompareSites(const TData& a, const TData& b, const ComparisonScope& scope);

}  // namespace kelvane
