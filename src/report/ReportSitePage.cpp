#include <array>

#include "model/SiteSettingRules.h"
#include "model/SiteSettingTexts.h"
#include "report/ReportDocument.h"
#include "report/ReportTexts.h"

namespace kelvane {
namespace {

constexpr int kLabelWidth = 20;

}  // namespace

// The site information page: a double frame round three boxes (client,
// installer, settings in two columns). It has no footer and no page number.
// The settings print as the Site Config tab shows them.
void TfrmReports::PrintSiteInformation(const TData& data) {
    TKSiteConfig1 site = data.SiteConfig;
    ApplySiteSettingRules(site);
    StartSection();
    Canvas().SetFontName(kReportFont);
    const int pageWidth = ReportPrinter.PageWidth();
    const int pageHeight = ReportPrinter.PageHeight();
    const int left = LeftX + 60;
    const int right = pageWidth - LeftX - 60;
    const int third = (pageHeight - 350) / 3;

    Canvas().SetPenWidth(4);
    DrawBox(LeftX, TopY, pageWidth - LeftX, pageHeight - TopY, 30, true);
    DrawBox(left, 130, right, third + 130, 0, false);
    DrawBox(left, third + 180, right, 2 * third + 180, 0, false);
    DrawBox(left, 2 * third + 220, right, 3 * third + 220, 0, false);
    DrawBox(left, 2 * third + 220, left + 2295, 3 * third + 220, 0, false);

    SetFont(14, 0);
    const int lineHeight = Canvas().TextHeight("T");
    const int charWidth = Canvas().TextWidth("T");
    DrawClientBlock(site, left + 2 * charWidth, 130, lineHeight);
    DrawInstallerBlock(site, left + 2 * charWidth, third + 180, lineHeight, charWidth);
    DrawSettingsBlock(site, left, 2 * third + 220);
}

void TfrmReports::DrawAddressBlock(const TAddressBlock& block, int left, int top, int lineHeight) {
    // Rows k of the name, the four address lines, the post code, the
    // telephone and the last line; the address lines after the first carry
    // no label.
    static constexpr std::array<int, 8> kRows = {2, 5, 6, 7, 8, 9, 10, 12};
    for (std::size_t row = 0; row < kRows.size(); ++row)
        DrawField(left, top + kRows[row] * lineHeight, kLabelWidth, block.values[row], block.labels[row]);
}

void TfrmReports::DrawClientBlock(const TKSiteConfig1& site, int left, int top, int lineHeight) {
    DrawAddressBlock({{site.ClientName, site.ClientAddress1, site.ClientAddress2, site.ClientAddress3,
                       site.ClientAddress4, site.ClientAddress5, site.ClientTel, site.PanelLocation},
                      {"Clients Name", "Clients Address", nullptr, nullptr, nullptr, "Postcode", "Telephone",
                       "Location of Panel"}},
                     left, top, lineHeight);
}

void TfrmReports::DrawInstallerBlock(const TKSiteConfig1& site, int left, int top, int lineHeight,
                                     int charWidth) {
    DrawAddressBlock({{site.InstallerName, site.InstallerAddress1, site.InstallerAddress2,
                       site.InstallerAddress3, site.InstallerAddress4, site.InstallerAddress5,
                       site.EngineerNo, site.Engineer + "   [_______________________]"},
                      {"Installers Name", "Installers Address", nullptr, nullptr, nullptr, "Postcode",
                       "Telephone", "Engineers Name"}},
                     left, top, lineHeight);
    DrawField(left, top + 14 * lineHeight, kLabelWidth, site.InstallDate, "Installed On");
    // The commissioning date shares the row, further right (left is L + 2 Tw).
    DrawField(left + 33 * charWidth, top + 14 * lineHeight, 15, site.CommissionDate, "Commissioned On");
}

void TfrmReports::DrawSettingsBlock(const TKSiteConfig1& site, int left, int top) {
    SetFont(14, 0);
    const int lineHeight = Canvas().TextHeight("T");
    const int rightColumn = left + 33 * Canvas().TextWidth("T");
    const auto leftField = [&](int k, const std::string& value, const char* label, int width = 25) {
        DrawField(left, top + k * lineHeight, width, value, label);
    };
    const auto rightField = [&](int k, const std::string& value, const char* label, int width = 14) {
        DrawField(rightColumn, top + k * lineHeight, width, value, label);
    };
    leftField(1, site.NightModeTime, "Night Mode Entry time");
    rightField(1, ListEntry(PagerLevelEntries(), site.PagerLevel), "RadioPager");
    leftField(2, site.DayModeTime, "Night Mode Exit time");
    rightField(2, ListEntry(LoggerSettingEntries(), site.LoggerSetting), "Logging");
    leftField(4, YesNoText(site.NightModeAutoEnable), "Auto Night Mode Enabled");
    rightField(4, YesNoText(site.SurveyorEnable), "Surveyor Mode Enabled", 25);
    leftField(5, YesNoText(site.HTM2015Enable), "HTM 2015 Mode Enabled");
    rightField(6, SentText(site.EmergState), "Emergencies sent");
    rightField(7, SentText(site.AttackState), "Attacks sent");
    leftField(8, site.AL2Code, "Access Level 1 Code");
    rightField(8, MinutesText(site.AccTimeout), "Call Timeout");
    leftField(9, site.AL3Code, "Access Level 2 Code");
    rightField(9, MinutesText(site.DivTimeout), "Divert Timeout");
    leftField(10, site.CallCode, "Call Reset Code");
    leftField(11, site.AttackCode, "Attack Reset Code");
    leftField(14, site.GetMainVersion(), "Software Version", 20);
}

}  // namespace kelvane
