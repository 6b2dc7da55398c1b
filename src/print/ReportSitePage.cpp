#include "model/SiteSettingLists.h"
#include "print/ReportDocument.h"
#include "print/ReportTexts.h"

namespace kelvane {
namespace {

constexpr int kLabelWidth = 20;

}  // namespace

// The site information page: a double frame round three boxes (client,
// installer, settings in two columns). It has no footer and no page number.
void TfrmReports::PrintSiteInformation(const TData& data) {
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
    DrawClientBlock(data.SiteConfig, left + 2 * charWidth, 130, lineHeight);
    DrawInstallerBlock(data.SiteConfig, left + 2 * charWidth, third + 180, lineHeight, charWidth);
    DrawSettingsBlock(data, left, 2 * third + 220);
}

void TfrmReports::DrawClientBlock(const TKSiteConfig1& site, int left, int top, int lineHeight) {
    const auto field = [&](int k, const std::string& value, const char* label) {
        DrawField(left, top + k * lineHeight, kLabelWidth, value, label);
    };
    field(2, site.ClientName, "Clients Name");
    field(5, site.ClientAddress1, "Clients Address");
    field(6, site.ClientAddress2, nullptr);
    field(7, site.ClientAddress3, nullptr);
    field(8, site.ClientAddress4, nullptr);
    field(9, site.ClientAddress5, "Postcode");
    field(10, site.ClientTel, "Telephone");
    field(12, site.PanelLocation, "Location of Panel");
}

void TfrmReports::DrawInstallerBlock(const TKSiteConfig1& site, int left, int top, int lineHeight,
                                     int charWidth) {
    const auto field = [&](int k, const std::string& value, const char* label) {
        DrawField(left, top + k * lineHeight, kLabelWidth, value, label);
    };
    field(2, site.InstallerName, "Installers Name");
    field(5, site.InstallerAddress1, "Installers Address");
    field(6, site.InstallerAddress2, nullptr);
    field(7, site.InstallerAddress3, nullptr);
    field(8, site.InstallerAddress4, nullptr);
    field(9, site.InstallerAddress5, "Postcode");
    field(10, site.EngineerNo, "Telephone");
    field(12, site.Engineer + "   [_______________________]", "Engineers Name");
    field(14, site.InstallDate, "Installed On");
    // The commissioning date shares the row, further right (left is L + 2 Tw).
    DrawField(left + 33 * charWidth, top + 14 * lineHeight, 15, site.CommissionDate, "Commissioned On");
}

void TfrmReports::DrawSettingsBlock(const TData& data, int left, int top) {
    const TKSiteConfig1& site = data.SiteConfig;
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
    leftField(14, data.GetMainVersion(), "Software Version", 20);
}

}  // namespace kelvane
