#include "report/ReportDocument.h"
#include "report/ReportTexts.h"

namespace kelvane {
namespace {

constexpr int kRowsPerTablePage = 32;

}  // namespace

void TfrmReports::DrawRoutingHeader(const std::string& title, std::initializer_list<THeaderCell> cells) {
    StartTitledSection(title);
    DrawHeaderRow(cells);
    CurrentY += 2 * RowHeight;
    SetFont(12, 0);
    DrawTableFrame(kRowsPerTablePage);
}

// Zones 1 to 32 on one page; a site with 64 zones has 33 to 64 on a second.
void TfrmReports::PrintZoneTable(const TData& data) {
    const int zones = data.Supports64Zones() ? 2 * kRowsPerTablePage : kRowsPerTablePage;
    for (int z = 1; z <= zones; ++z) {
        if (z % kRowsPerTablePage == 1) {
            if (z > 1) DrawFooter();
            DrawRoutingHeader(
                "Zone Routing Table",
                {{"Zone", 6, true}, {"Area Equation", 16, true}, {"Device Equation", 28, true}});
        }
        const TKZone& zone = data.ZoneList.Zones[static_cast<std::size_t>(z)];
        DrawTableRow({std::to_string(z), ReportEquationText(EquationKind::Area, zone.AreaEquation),
                      ReportEquationText(EquationKind::Device, zone.DeviceEquation)});
    }
    DrawFooter();
}

void TfrmReports::PrintGroupTable(const TData& data) {
    DrawRoutingHeader("Group Routing Table", {{"Group", 6, true},
                                              {"Primary Areas", 16, true},
                                              {"Night Areas (Beep)", 20, true},
                                              {"Divert To Groups", 24, true}});
    for (int g = 1; g <= kRowsPerTablePage; ++g) {
        const TKGroup& group = data.GroupList.Groups[static_cast<std::size_t>(g)];
        DrawTableRow({std::to_string(g), ReportEquationText(EquationKind::Area, group.PrimaryAreaEquation),
                      ReportEquationText(EquationKind::Area, group.NightAreaEquation),
                      ReportEquationText(EquationKind::Group, group.DivertEquation)});
    }
    DrawFooter();
}

}  // namespace kelvane
