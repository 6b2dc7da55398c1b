#include "compare/SiteDifference.h"

namespace kelvane {

namespace {

std::string Shown(const std::string& value) {
    const bool blankEdge = !value.empty() && (value.front() == ' ' || value.back() == ' ');
    return value.empty() || blankEdge ? "\"" + value + "\"" : value;
}

}  // namespace

std::string SectionName(DifferenceSection section) {
    switch (section) {
        case DifferenceSection::Device:
            return "Device";
        case DifferenceSection::Zone:
            return "Zone";
        case DifferenceSection::Group:
            return "Group";
        case DifferenceSection::Site:
            return "Site";
        case DifferenceSection::CustomName:
            return "Custom name";
        case DifferenceSection::Network:
            return "Network";
        case DifferenceSection::Repeater:
            return "Repeater";
        case DifferenceSection::CommentLine:
            return "Comment line";
    }
    return {};
}

std::string RecordName(const SiteDifference& difference) {
    return difference.Number > 0 ? std::to_string(difference.Number) : "settings";
}

std::string DifferenceLine(const SiteDifference& difference) {
    return SectionName(difference.Section) + " " + RecordName(difference) + " " + difference.Field + ": " +
           Shown(difference.A) + " -> " + Shown(difference.B);
}

std::string DifferenceLines(const std::vector<SiteDifference>& differences) {
    std::string lines;
    for (const SiteDifference& difference : differences) lines += DifferenceLine(difference) + "\n";
    return lines;
}

}  // namespace kelvane
