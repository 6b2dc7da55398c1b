#include "report/ReportDocument.h"
#include "routing/SiteChecks.h"

namespace kelvane {

void TfrmReports::PrintSiteChecks(const TData& data) {
    std::vector<std::string> lines;
    for (const SiteFinding& finding : CheckSite(data))
        lines.push_back(SeverityText(finding.severity) + " " + std::string(finding.code) + " " +
                        finding.record.Text() + ": " + finding.message);
    if (lines.empty()) lines.emplace_back("The site checks find nothing to mend.");
    PrintTextPages("Site Checks", lines);
}

}  // namespace kelvane
