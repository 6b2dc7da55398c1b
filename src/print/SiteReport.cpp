#include "print/SiteReport.h"

namespace kelvane {

void BuildSiteReport(TfrmReports& report, const TData& data, const TReportOptions& options,
                     const std::vector<std::string>& logLines) {
    if (options.SiteInformation) report.PrintSiteInformation(data);
    if (options.DeviceInformation) report.PrintDeviceList(data, options.Order);
    if (options.ZoneInformation) report.PrintZoneTable(data);
    if (options.GroupInformation) report.PrintGroupTable(data);
    if (options.Comments) report.PrintTextPages("Comments", data.Comments);
    if (options.EventLog) report.PrintTextPages("Event Log", logLines);
    report.EndReport();
}

}  // namespace kelvane
