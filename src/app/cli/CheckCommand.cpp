#include <QJsonObject>

#include "app/cli/RoutingCommands.h"
#include "routing/SiteChecks.h"

namespace kelvane::cli {
namespace {

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FindingLine(const SiteFinding& finding) {
    return SeverityText(finding.severity) + " " + std::string(finding.code) + " " + finding.record.Text() +
           ": " + finding.message + "\n";
}

QJsonObject FindingJson(const SiteFinding& finding) {
    return {{"severity", Latin1(SeverityText(finding.severity))},
            {"code", QString::fromLatin1(finding.code)},
            {"record", Latin1(finding.record.Text())},
            {"message", Latin1(finding.message)}};
}

class CheckCommand : public SiteListCommand {
public:
    std::string Name() const override { return "check"; }
    std::string Summary() const override {
        return "list what is wrong with the routing and settings of a site";
    }
    std::string Help() const override {
        return "Usage: kelvane-cli check FILE.KCF [--json]\n"
               "Checks the site held in FILE.KCF and prints each finding on a line of its own\n"
               "as \"SEVERITY CODE RECORD: MESSAGE\", for example\n"
               "  error equation-unfitted zone 3: The Device Equation of Zone 3 names ...\n"
               "ordered by severity (error, warning, note), then record (devices, zones,\n"
               "groups by number, then the site). The codes:\n"
               "  error equation-unfitted (zone): a Device Equation names an empty address\n"
               "  error zone-out-of-range (device): an over-door light or sounder on a zone\n"
               "    beyond the site's 32 or 64 zones\n"
               "  error allocation-invalid (device): an allocation outside Areas A to Z,\n"
               "    Groups 1 to 32 or Zones 1 to 64\n"
               "  warning call-unrouted (device): a caller whose calls no zone or group shows\n"
               "  warning zone-no-outputs (zone): equations but no fitted over-door light or\n"
               "    sounder\n"
               "  warning group-no-displays (group): areas but no fitted display\n"
               "  warning equation-not-a-caller (zone): a Device Equation names a device that\n"
               "    never calls\n"
               "  warning divert-self (group): the group diverts to itself\n"
               "  warning divert-no-displays (group): it diverts to a group without displays\n"
               "  warning duplicate-member (zone or group): a member in two slots of an equation\n"
               "  note same-place (device): a caller with the place name and suffix of a caller\n"
               "    at a lower address\n"
               "  note night-without-areas (site): Auto Night Mode is on and no group has Night\n"
               "    Areas\n"
               "  note default-codes (site): an access or reset code still has the new site's\n"
               "    value\n"
               "Zones beyond the site's zone range are not checked: the controller does not use\n"
               "them. Texts are written in the locale's character set, control characters as\n"
               "escapes such as \\x1b. --json prints a JSON array of objects with the keys\n"
               "\"severity\", \"code\", \"record\" and \"message\".\n"
               "Exit status: 0 no error and no warning (notes allowed), 5 an error or warning,\n"
               "1 the file cannot be read, 2 not a Kelvane Programming Tools file, 64 wrong\n"
               "command line.\n";
    }

    int List(const TData& data, bool json, CommandIo& io) const override {
        const std::vector<SiteFinding> findings = CheckSite(data);
        if (json) {
            QJsonArray array;
            for (const SiteFinding& finding : findings) array.append(FindingJson(finding));
            PrintJson(array, io);
        } else {
            std::string lines;
            for (const SiteFinding& finding : findings) lines += FindingLine(finding);
            io.out << io.text.Lines(lines);
        }
        return HasErrorsOrWarnings(findings) ? kExitFindings : kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeCheckCommand() {
    return std::make_unique<CheckCommand>();
}

}  // namespace kelvane::cli
