#include "report/SiteReport.h"

namespace kelvane {

namespace {

void DrawSections(TfrmReports& report, const TData& data, const TReportOptions& options,
                  const std::vector<std::string>& logLines) {
    if (options.SiteInformation) report.PrintSiteInformation(data);
    if (options.DeviceInformation) report.PrintDeviceList(data, options.Order);
    if (options.ZoneInformation) report.PrintZoneTable(data);
    if (options.GroupInformation) report.PrintGroupTable(data);
    if (options.Comments) report.PrintTextPages("Comments", data.Comments);
    if (options.EventLog) report.PrintTextPages("Event Log", logLines);
    if (options.RoutingOverview) report.PrintRoutingOverview(data);
    if (options.SiteChecks) report.PrintSiteChecks(data);
    report.EndReport();
}

// The footers count the pages of the whole report ("Page n of N"): a first
// drawing finds how many there are, the second numbers them.
void DrawNumberedSections(TfrmReports& report, const TData& data, const TReportOptions& options,
                          const std::vector<std::string>& logLines) {
    DrawSections(report, data, options, logLines);
    const int numberedPages = report.PageNumber;
    report.BeginReport();
    report.NumberedPages = numberedPages;
    DrawSections(report, data, options, logLines);
}

}  // namespace

void BuildSiteReport(TfrmReports& report, const TData& data, const TReportOptions& options,
                     const std::vector<std::string>& logLines) {
    DrawNumberedSections(report, data, options, logLines);
    report.ReportPrinter.OnLayout = [&report, &data, options, logLines] {
        report.BeginReport();
        DrawNumberedSections(report, data, options, logLines);
    };
}

}  // namespace kelvane
