#pragma once
#include <string>
#include <vector>

#include "model/Data.h"
#include "report/ReportDocument.h"

namespace kelvane {

// Which sections the site report holds and how it lists the devices.
struct TReportOptions {
    bool SiteInformation = true;
    bool DeviceInformation = true;
    bool ZoneInformation = true;
    bool GroupInformation = true;
    bool Comments = true;
    bool EventLog = false;
    bool RoutingOverview = false;
    bool SiteChecks = false;
    bool FittedOnly = false;
    TDeviceOrder Order = doDeviceNumber;
};

// Draws the chosen sections in their order (site information, devices,
// zones, groups, comments, event log, routing overview, site checks) and ends the document. With no
// section chosen the document is one blank page. Printed on other paper,
// the report draws them again from `data`, which must outlive it.
void BuildSiteReport(TfrmReports& report, const TData& data, const TReportOptions& options,
                     const std::vector<std::string>& logLines);

}  // namespace kelvane
