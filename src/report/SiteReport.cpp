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

}  // namespace

void BuildSiteReport(TfrmReports& report, const TData& data, const TReportOptions& options,
                     const std::vector<std::string>& logLines) {
    DrawSections(report, data, options, logLines);
    report.ReportPrinter.OnLayout = [&report, &data, options, logLines] {
        report.BeginReport();
        DrawSections(report, data, options, logLines);
    };
}

}  // namespace kelvane
