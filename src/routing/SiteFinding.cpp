#include "routing/SiteFinding.h"

#include <algorithm>

namespace kelvane {

std::string FindingRecord::Text() const {
    switch (kind) {
        case Kind::Device:
            return "device " + std::to_string(number);
        case Kind::Zone:
            return "zone " + std::to_string(number);
        case Kind::Group:
            return "group " + std::to_string(number);
        case Kind::Site:
            break;
    }
    return "site";
}

std::string SeverityText(Severity severity) {
    switch (severity) {
        case Severity::Error:
            return "error";
        case Severity::Warning:
            return "warning";
        case Severity::Note:
            break;
    }
    return "note";
}

void SortFindings(std::vector<SiteFinding>& findings) {
    std::stable_sort(findings.begin(), findings.end(), [](const SiteFinding& a, const SiteFinding& b) {
        if (a.severity != b.severity) return a.severity < b.severity;
        return a.record < b.record;
    });
}

bool HasErrorsOrWarnings(const std::vector<SiteFinding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const SiteFinding& finding) { return finding.severity != Severity::Note; });
}

}  // namespace kelvane
