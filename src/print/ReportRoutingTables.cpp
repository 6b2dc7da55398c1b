#include "print/ReportDocument.h"
#include "print/ReportTexts.h"

namespace kelvane {
namespace {

constexpr int kRowsPerTablePage = 32;
constexpr const char* kGroupJobTitle = "Kelvane Tools - Group configuration";

}  // namespace

void TfrmReports::DrawZoneHeader() {
    StartSection();
    Canvas().SetFontName(kReportFont);
    DrawTitle("Zone Routing Table");
    StartColumns();
    DrawHeaderCell("Zone", 6, true);
    DrawHeaderCell("Area Equation", 16, true);
    DrawHeaderCell("Device Equation", 28, true);
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
            DrawZoneHeader();
        }
        const TKZone& zone = data.ZoneList.Zones[static_cast<std::size_t>(z)];
        DrawTableRow(z, {std::to_string(z), ReportEquationText(EquationKind::Area, zone.AreaEquation),
                         ReportEquationText(EquationKind::Device, zone.DeviceEquation)});
    }
    DrawFooter();
}

void TfrmReports::PrintGroupTable(const TData& data) {
    ReportPrinter.Title = QString::fromLatin1(kGroupJobTitle);
    StartSection();
    Canvas().SetFontName(kReportFont);
    DrawTitle("Group Routing Table");
    StartColumns();
    DrawHeaderCell("Group", 6, true);
    DrawHeaderCell("Primary Areas", 16, true);
    DrawHeaderCell("Night Areas (Beep)", 20, true);
    DrawHeaderCell("Divert To Groups", 24, true);
    CurrentY += 2 * RowHeight;
    SetFont(12, 0);
    DrawTableFrame(kRowsPerTablePage);
    for (int g = 1; g <= kRowsPerTablePage; ++g) {
        const TKGroup& group = data.GroupList.Groups[static_cast<std::size_t>(g)];
        DrawTableRow(g, {std::to_string(g), ReportEquationText(EquationKind::Area, group.PrimaryAreaEquation),
                         ReportEquationText(EquationKind::Area, group.NightAreaEquation),
                         ReportEquationText(EquationKind::Group, group.DivertEquation)});
    }
    DrawFooter();
}

}  // namespace kelvane
