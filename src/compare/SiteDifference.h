#pragma once
#include <string>
#include <vector>

namespace kelvane {

// The parts of a site a difference can lie in, in the order the comparison
// reports them (the order of a whole save, then what stays in the file).
enum class DifferenceSection { Device, Zone, Group, Site, CustomName, Network, Repeater, CommentLine };

// One field that holds different values in two sites: where it is, its model
// name and the two values in the words the editors show them in.
struct SiteDifference {
    DifferenceSection Section = DifferenceSection::Site;
    // Device, zone, group, custom name, repeater or comment line number; 0
    // for the site and network settings.
    int Number = 0;
    std::string Field;  // the model's name: "DeviceType", "AreaEquation", "CallCode"
    std::string A;      // the first site's value
    std::string B;      // the second site's value

    bool operator==(const SiteDifference&) const = default;
};

// "Device", "Zone", "Group", "Site", "Custom name", "Network", "Repeater", "Comment line".
std::string SectionName(DifferenceSection section);
// The record within its section: the number, or "settings" for the site and
// network settings.
std::string RecordName(const SiteDifference& difference);

// One difference as a line: "Device 17 DeviceType: Callpoint -> Display".
// A value that is empty or starts or ends with a blank is shown in double
// quotes, so that blanks are not lost.
std::string DifferenceLine(const SiteDifference& difference);
// Every difference as a line, each ended by a newline.
std::string DifferenceLines(const std::vector<SiteDifference>& differences);

}  // namespace kelvane
