#pragma once
#include <string>
#include <vector>

#include "compare/SiteDifference.h"
#include "model/Data.h"
#include "transfer/SiteSamples.h"

namespace kelvane::testing {

// A dense site: every field that travels filled as PopulateTravellingFields
// does, and the fields that stay in the file too.
inline void PopulateEveryField(TData& data, const std::string& version = "08A00") {
    PopulateTravellingFields(data, version);
    TKSiteConfig1& site = data.SiteConfig;
    site.ClientName = "Rowan House";
    site.ClientAddress1 = "1 Mill Lane";
    site.ClientAddress5 = "RH1 2AB";
    site.ClientTel = "01234 567890";
    site.PanelLocation = "Main office";
    site.InstallerName = "Kelvane Services";
    site.Engineer = "J. Smith";
    site.EngineerNo = "0800 123";
    site.InstallDate = "01/02/26";
    site.CommissionDate = "03/02/26";
    site.PrinterEnabled = true;
    for (int z = 1; z <= kZoneCount; ++z) data.ZoneList.Zones[z].Name = "Ward " + std::to_string(z);
    data.RepeaterList.PanelName = "East";
    data.RepeaterList.Segment = 3;
    for (int n = 1; n <= kRepeaterCount; ++n) {
        data.RepeaterList.Repeater(n).Name = "Rep " + std::to_string(n);
        data.RepeaterList.Repeater(n).Fitted = n % 2 == 0;
    }
    data.Comments = {"Commissioned in February.", "Call points tested."};
}

inline std::vector<std::string> Lines(const std::vector<SiteDifference>& differences) {
    std::vector<std::string> lines;
    for (const SiteDifference& difference : differences) lines.push_back(DifferenceLine(difference));
    return lines;
}

}  // namespace kelvane::testing
