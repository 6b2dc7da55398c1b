#pragma once
#include <compare>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// Most severe first: the order in which findings are listed.
enum class Severity { Error, Warning, Note };

// What a finding is about: "device 17", "zone 3", "group 4" or "site".
struct FindingRecord {
    // In listing order.
    enum class Kind { Device, Zone, Group, Site };
    Kind kind = Kind::Site;
    int number = 0;  // address, zone or group number; 0 for the site

    std::string Text() const;
    auto operator<=>(const FindingRecord&) const = default;
};

// One thing wrong (or worth a look) in a site's configuration.
struct SiteFinding {
    Severity severity = Severity::Note;
    std::string_view code;  // "equation-unfitted"
    FindingRecord record;
    // In the editors' words: what is wrong and what it affects.
    std::string message;
};

// "error", "warning", "note".
std::string SeverityText(Severity severity);

// Orders findings by severity, then record; findings on the same record keep
// their order.
void SortFindings(std::vector<SiteFinding>& findings);

// True when a finding is an error or a warning (notes never count).
bool HasErrorsOrWarnings(const std::vector<SiteFinding>& findings);

}  // namespace kelvane
