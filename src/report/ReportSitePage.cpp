#include <array>

#include "model/SiteSettingRules.h"
#include "model/SiteSettingTexts.h"
#include "report/ReportDocument.h"
#include "report/ReportTexts.h"

namespace kelvane {
namespace {

constexpr int kLabelWidth = 20;
constexpr const char* kSignatureLine = "[_______________________]";

}  // namespace

// The site information page: a double frame round three boxes (client,
// installer, settings in two columns). It has no footer and no page number.
// The settings print as the Site Config tab shows them. Values keep a
// character's room from the lines right of them.
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
    const int split = left + 2295;

    Canvas().SetPenWidth(4);
    DrawBox(LeftX, TopY, pageWidth - LeftX, pageHeight - TopY, 30, true);
    DrawBox(left, 130, right, third + 130, 0, false);
    DrawBox(left, third + 180, right, 2 * third + 180, 0, false);
    DrawBox(left, 2 * third + 220, right, 3 * third + 220, 0, false);
    DrawBox(left, 2 * third + 220, split, 3 * third + 220, 0, false);

    SetFont(14, 0);
    const int lineHeight = Canvas().TextHeight("T");
    const int charWidth = Canvas().TextWidth("T");
    DrawClientBlock(site, left + 2 * charWidth, 130, lineHeight, right - charWidth);
    DrawInstallerBlock(site, left + 2 * charWidth, third + 180, lineHeight, charWidth, right - charWidth);
    DrawSettingsBlock(site, left, 2 * third + 220, split, right);
}

void TfrmReports::DrawAddressBlock(const TAddressBlock& block, int left, int top, int lineHeight, int right) {
    // Rows k of the name, the four address lines, the post code, the
    // telephone and the last line; the address lines after the first carry
    // no label.
    static constexpr std::array<int, 8> kRows = {2, 5, 6, 7, 8, 9, 10, 12};
    for (std::size_t row = 0; row < kRows.size(); ++row)
        DrawField(left, top + kRows[row] * lineHeight, kLabelWidth, block.values[row], block.labels[row],
                  right);
}

void TfrmReports::DrawClientBlock(const TKSiteConfig1& site, int left, int top, int lineHeight, int right) {
    DrawAddressBlock({{site.ClientName, site.ClientAddress1, site.ClientAddress2, site.ClientAddress3,
                       site.ClientAddress4, site.ClientAddress5, site.ClientTel, site.PanelLocation},
                      {"Clients Name", "Clients Address", nullptr, nullptr, nullptr, "Postcode", "Telephone",
                       "Location of Panel"}},
                     left, top, lineHeight, right);
}

void TfrmReports::DrawInstallerBlock(const TKSiteConfig1& site, int left, int top, int lineHeight,
                                     int charWidth, int right) {
    // The signature line follows the engineer's name, or goes on the free
    // row below it when the two would not fit across the box.
    const std::string signatureGap = "   ";
    SetFont(14, fsBold);
    const int valueX = left + (kLabelWidth + 3) * Canvas().TextWidth("W");
    SetFont(14, 0);
    const bool signatureBelow =
        valueX + Canvas().TextWidth(site.Engineer + signatureGap + kSignatureLine) > right;
    DrawAddressBlock(
        {{site.InstallerName, site.InstallerAddress1, site.InstallerAddress2, site.InstallerAddress3,
          site.InstallerAddress4, site.InstallerAddress5, site.EngineerNo,
          signatureBelow ? site.Engineer : site.Engineer + signatureGap + kSignatureLine},
         {"Installers Name", "Installers Address", nullptr, nullptr, nullptr, "Postcode", "Telephone",
          "Engineers Name"}},
        left, top, lineHeight, right);
    const int commissionedX = left + 33 * charWidth;
    DrawField(left, top + 14 * lineHeight, kLabelWidth, site.InstallDate, "Installed On",
              commissionedX - charWidth);
    if (signatureBelow) Canvas().TextOut(valueX, top + 13 * lineHeight + 15, kSignatureLine);
    // The commissioning date shares the row, further right (left is L + 2 Tw).
    DrawField(commissionedX, top + 14 * lineHeight, 15, site.CommissionDate, "Commissioned On", right);
}

// Two columns either side of `split`, each a character in from its line; the
// labels as wide as the longest of their kind, so that every value stands
// clear of its label's colon.
void TfrmReports::DrawSettingsBlock(const TKSiteConfig1& site, int left, int top, int split, int right) {
    SetFont(14, 0);
    const int lineHeight = Canvas().TextHeight("T");
    const int charWidth = Canvas().TextWidth("T");
    const int leftColumn = left + charWidth;
    const int rightColumn = split + charWidth;
    const auto leftField = [&](int k, const std::string& value, const char* label, int width = 23) {
        DrawField(leftColumn, top + k * lineHeight, width, value, label, split - charWidth);
    };
    const auto rightField = [&](int k, const std::string& value, const char* label, int width = 14) {
        DrawField(rightColumn, top + k * lineHeight, width, value, label, right - charWidth);
    };
    leftField(1, site.NightModeTime, "Night Mode Entry time");
    rightField(1, ListEntry(PagerLevelEntries(), site.PagerLevel), "RadioPager");
    leftField(2, site.DayModeTime, "Night Mode Exit time");
    rightField(2, ListEntry(LoggerSettingEntries(), site.LoggerSetting), "Logging");
    leftField(4, YesNoText(site.NightModeAutoEnable), "Auto Night Mode Enabled");
    rightField(4, YesNoText(site.SurveyorEnable), "Surveyor Mode Enabled", 25);
    leftField(5, YesNoText(site.HTM2015Enable), "HTM 2015 Mode Enabled");
    rightField(6, SentText(site.EmergState), "Emergencies sent", 16);
    rightField(7, SentText(site.AttackState), "Attacks sent", 16);
    leftField(8, site.AL2Code, "Access Level 1 Code");
    rightField(8, MinutesText(site.AccTimeout), "Call Timeout");
    leftField(9, site.AL3Code, "Access Level 2 Code");
    rightField(9, MinutesText(site.DivTimeout), "Divert Timeout");
    leftField(10, site.CallCode, "Call Reset Code");
    leftField(11, site.AttackCode, "Attack Reset Code");
    leftField(14, site.GetMainVersion(), "Software Version", 20);
}

}  // namespace kelvane
