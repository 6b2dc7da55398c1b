#include "ReportTestSupport.h"
#include "report/ReportTexts.h"
#include "support/ScriptedPrompts.h"
#include "ui/site/SiteConfigTab.h"

namespace kelvane::test {
namespace {

// The program's locale for as long as the object lives.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(saved_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale saved_;
};

TEST_F(SiteReportTest, EverySectionUntickedGivesOneBlankPage) {
    const std::vector<DrawnPage> pages = Build(NoSections());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].Empty());
    port.dialogAnswer.reset();
    EXPECT_TRUE(report->ReportPrinter.Print());
    ASSERT_EQ(port.jobs.size(), 1u);
    EXPECT_EQ(port.jobs[0].pages, 1);
}

TEST_F(SiteReportTest, TheSitePageHasNoFooterSoTheNextPageIsNumberedOne) {
    const DefaultLocale american(QLocale(QLocale::English, QLocale::UnitedStates));
    TReportOptions options = NoSections();
    options.SiteInformation = true;
    options.ZoneInformation = true;
    data.SiteConfig.MainVersion = "07B12";
    const std::vector<DrawnPage> pages = Build(options);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_FALSE(Footer(pages[0]));
    ASSERT_TRUE(Footer(pages[1]));
    EXPECT_EQ(Footer(pages[1])->text, QStringLiteral("Page 1 of 1"));
    // A loose page says which site it belongs to.
    EXPECT_TRUE(pages[1].Has(QStringLiteral("Site : Rowan House")));
    // The locale's short date and long time.
    EXPECT_TRUE(pages[1].Has(QStringLiteral("Printed on : 12/7/26 at : 12:00:00 PM")));
}

TEST_F(SiteReportTest, SitePageBoxesFieldsAndSettings) {
    TKSiteConfig1& site = data.SiteConfig;
    site.ClientName = "Rowan House";
    site.ClientAddress3 = "Kelso";
    site.Engineer = "J Smith";
    site.CommissionDate = "01/02/26";
    site.AL2Code = "3213";
    site.AL3Code = "1123";
    site.PagerLevel = 3;
    site.PagerEnabled = true;
    site.LoggerSetting = 7;
    site.EmergState = true;
    site.AttackState = false;
    site.SurveyorEnable = true;
    site.AccTimeout = 4;
    site.MainVersion = "";
    const DrawnPage page = BuildOnly(&TReportOptions::SiteInformation).front();

    // Double frame at the margins, three boxes and the settings' column split.
    ASSERT_EQ(page.rects.size(), 6u);
    EXPECT_EQ(page.rects[0], QRectF(QPointF(100, 100), QPointF(4861, 6916)));
    EXPECT_EQ(page.rects[1], QRectF(QPointF(130, 130), QPointF(4831, 6886)));
    const int third = (7016 - 350) / 3;
    EXPECT_EQ(page.rects[5], QRectF(QPointF(160, 2 * third + 220), QPointF(160 + 2295, 3 * third + 220)));

    const int t = LineHeight(14);
    const int tw = CharWidth(14);
    const int bold = CharWidth(14, fsBold);
    const auto label = page.Find(QStringLiteral("Clients Name        : "));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->topLeft, QPointF(160 + 2 * tw, 130 + 2 * t));
    const auto value = page.Find(QStringLiteral("Rowan House"));
    ASSERT_TRUE(value);
    EXPECT_EQ(value->topLeft, QPointF(160 + 2 * tw + 23 * bold, 130 + 2 * t + 15));
    // Address lines without a label still print the colon.
    EXPECT_EQ(page.Find(QStringLiteral("Kelso"))->topLeft.y(), 130 + 7 * t + 15);
    EXPECT_TRUE(page.Has(QStringLiteral("J Smith   [_______________________]")));
    EXPECT_EQ(page.Find(QStringLiteral("Commissioned On: "))->topLeft.x(), 160 + 35 * tw);

    const int settingsTop = 2 * third + 220;
    // The settings' left column a character in from the box's line.
    EXPECT_EQ(page.Find(QStringLiteral("Access Level 1 Code    : "))->topLeft,
              QPointF(160 + tw, settingsTop + 8 * t));
    EXPECT_EQ(page.Find(QStringLiteral("3213"))->topLeft.y(), settingsTop + 8 * t + 15);
    EXPECT_EQ(page.Find(QStringLiteral("1123"))->topLeft.y(), settingsTop + 9 * t + 15);
    EXPECT_EQ(page.Find(QStringLiteral("RadioPager    : "))->topLeft.x(), 160 + 2295 + tw);
    // Surveyor mode logs every event, whatever the print log setting.
    for (const char* text : {"Emergency & Higher", "On every event", "Globally", "Locally", "4  minute(s)",
                             "1  minute(s)", "Surveyor Mode Enabled    : ", "YES", "08A00", "01/02/26"})
        EXPECT_TRUE(page.Has(QString::fromLatin1(text))) << text;
    EXPECT_EQ(page.Find(QStringLiteral("Software Version    : "))->topLeft.y(), settingsTop + 14 * t);
}

TEST_F(SiteReportTest, TheLongestTextsStayInTheirBoxesAndClearOfEachOther) {
    TKSiteConfig1& site = data.SiteConfig;
    for (std::string* field :
         {&site.ClientName, &site.ClientAddress1, &site.ClientAddress2, &site.ClientAddress3,
          &site.ClientAddress4, &site.ClientAddress5, &site.ClientTel, &site.PanelLocation,
          &site.InstallerName, &site.InstallerAddress1, &site.InstallerAddress5, &site.EngineerNo,
          &site.Engineer})
        *field = std::string(25, 'W');
    site.NightModeTime = "21:30";
    site.DayModeTime = "07:00";
    site.PagerEnabled = true;
    site.PagerLevel = 3;      // "Emergency & Higher"
    site.LoggerSetting = 12;  // "After 100 events"
    site.EmergState = true;
    site.AccTimeout = 15;
    site.AL2Code = site.AL3Code = site.CallCode = site.AttackCode = "99999";
    const DrawnPage page = BuildOnly(&TReportOptions::SiteInformation).front();

    EXPECT_TRUE(page.Has(QStringLiteral("Emergency & Higher")));
    EXPECT_TRUE(page.Has(QStringLiteral("[_______________________]")))
        << "the engineer's signature line is kept for a long name";
    const double split = 160 + 2295;
    // The settings box starts two thirds down the page, in whole units as the page draws it.
    const int settingsTop = 2 * ((7016 - 350) / 3) + 220;
    for (const DrawnText& text : page.texts) {
        EXPECT_GT(text.topLeft.x(), 160 + 4) << text.text.toStdString() << " starts on the box's line";
        EXPECT_LT(text.Right(), 4961 - 160) << text.text.toStdString() << " crosses the box";
        if (text.topLeft.y() > settingsTop && text.topLeft.x() < split) {
            EXPECT_LT(text.Right(), split) << text.text.toStdString() << " crosses the column line";
        }
        for (const DrawnText& other : page.texts) {
            if (&other == &text) continue;
            EXPECT_FALSE(text.Overlaps(other))
                << text.text.toStdString() << " runs into " << other.text.toStdString();
        }
    }
}

// A site as a hand-edited file may hold it: settings that the Site Config
// tab's rules do not let stand together.
void SetSettingsThatTheTabPutsRight(TKSiteConfig1& site) {
    site.HTM2015Enable = true;
    site.NightModeAutoEnable = true;
    site.SurveyorEnable = true;
    site.LoggerSetting = 7;
    site.PagerEnabled = false;
    site.PagerLevel = 3;
    site.AccTimeout = 12;
    site.DivTimeout = 0;
}

TEST_F(SiteReportTest, SettingsPrintAsTheSiteConfigTabShowsThem) {
    SetSettingsThatTheTabPutsRight(data.SiteConfig);
    const DrawnPage page = BuildOnly(&TReportOptions::SiteInformation).front();
    const int t = LineHeight(14);
    const int settingsTop = 2 * ((7016 - 350) / 3) + 220;
    const auto valueInRow = [&](int k, int x) -> QString {
        for (const DrawnText& text : page.texts)
            if (text.topLeft.y() == settingsTop + k * t + 15 && text.topLeft.x() >= x) return text.text;
        return {};
    };
    const int right = 160 + 33 * CharWidth(14);
    EXPECT_EQ(valueInRow(4, 0), QStringLiteral("NO"));  // auto night mode, off in HTM2015 mode
    EXPECT_EQ(valueInRow(1, right), QStringLiteral("Disabled"));
    EXPECT_EQ(valueInRow(2, right), QStringLiteral("On every event"));
    EXPECT_EQ(valueInRow(8, right), QStringLiteral("8  minute(s)"));
    EXPECT_EQ(valueInRow(9, right), QStringLiteral("1  minute(s)"));
    EXPECT_TRUE(data.SiteConfig.NightModeAutoEnable) << "the report changes nothing in the site";

    // The desktop program prints the site after the tab was filled from it:
    // the same pages.
    TData filled;
    SetSettingsThatTheTabPutsRight(filled.SiteConfig);
    Document document;
    ScriptedPrompts prompts;
    SiteConfigTab tab(filled, document, prompts);
    tab.FillSiteConfigTab();
    TReportOptions site = NoSections();
    site.SiteInformation = true;
    TfrmReports fromTab(port, clock, false, "Rowan House");
    BuildSiteReport(fromTab, filled, site, {});
    const DrawnPage tabPage = Replay(fromTab.ReportPrinter.Page(0));
    ASSERT_EQ(tabPage.texts.size(), page.texts.size());
    for (std::size_t i = 0; i < page.texts.size(); ++i) {
        EXPECT_EQ(tabPage.texts[i].text, page.texts[i].text) << i;
        EXPECT_EQ(tabPage.texts[i].topLeft, page.texts[i].topLeft) << i;
    }
}

TEST(ReportTextsTest, PrintedOnInTheLocalesShortDateAndLongTimeWithoutTheZone) {
    std::tm time{};
    time.tm_year = 126;
    time.tm_mon = 11;
    time.tm_mday = 8;
    time.tm_hour = 14;
    time.tm_min = 5;
    time.tm_sec = 9;
    EXPECT_EQ(PrintedOnText(time, QLocale(QLocale::English, QLocale::UnitedStates)),
              "Printed on : 12/8/26 at : 2:05:09 PM");
    EXPECT_EQ(PrintedOnText(time, QLocale(QLocale::English, QLocale::UnitedKingdom)),
              "Printed on : 08/12/2026 at : 14:05:09");
    EXPECT_EQ(PrintedOnText(time, QLocale(QLocale::German, QLocale::Germany)),
              "Printed on : 08.12.26 at : 14:05:09");
    // A locale that writes them in characters that Latin-1 does not have.
    EXPECT_EQ(PrintedOnText(time, QLocale(QLocale::Arabic, QLocale::Egypt)),
              "Printed on : 2026-12-08 at : 14:05:09");
}

TEST(ReportTextsTest, TheSiteIsNamedByItsClientOrElseByItsFile) {
    EXPECT_EQ(ReportSiteName("Rowan House", "/sites/ROWAN.KCF"), "Rowan House");
    EXPECT_EQ(ReportSiteName("  ", "/sites/ROWAN.KCF"), "ROWAN.KCF");
    EXPECT_EQ(ReportSiteName("", ""), "New file");
}

TEST_F(SiteReportTest, ZoneTextsAlignDeviceNumbersInThreeCharacters) {
    data.SiteConfig.MainVersion = "07B12";
    TKZone& zone = data.ZoneList.Zones[1];
    zone.DeviceEquation[1] = 5;
    zone.DeviceEquation[2] = 12;
    zone.AreaEquation[1] = 0;
    zone.AreaEquation[3] = 2;
    const std::vector<DrawnPage> pages = BuildOnly(&TReportOptions::ZoneInformation);
    ASSERT_EQ(pages.size(), 1u);  // 32 zones: one page
    EXPECT_TRUE(pages[0].Has(QStringLiteral("Zone Routing Table")));
    EXPECT_TRUE(pages[0].Has(QStringLiteral("   6  13 ")));
    EXPECT_TRUE(pages[0].Has(QStringLiteral(" A C ")));
    std::vector<int> expected(32);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(RowNumbers(pages[0]), expected);

    data.SiteConfig.MainVersion = "08A00";
    const std::vector<DrawnPage> wide = BuildOnly(&TReportOptions::ZoneInformation);
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(RowNumbers(wide[1]).front(), 33);
    EXPECT_EQ(RowNumbers(wide[1]).back(), 64);
    EXPECT_EQ(Footer(wide[0])->text, QStringLiteral("Page 1 of 2"));
    EXPECT_EQ(Footer(wide[1])->text, QStringLiteral("Page 2 of 2"));
}

TEST_F(SiteReportTest, GroupTableSkipsEmptyEntriesAndTheJobIsTitledByTheSite) {
    TKGroup& group = data.GroupList.Groups[2];
    group.DivertEquation[1] = 1;
    group.DivertEquation[2] = 33;  // cleared by the editor
    group.DivertEquation[3] = 14;
    group.NightAreaEquation[2] = 25;
    const std::vector<DrawnPage> pages = BuildOnly(&TReportOptions::GroupInformation);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(report->ReportPrinter.Title, QStringLiteral("Kelvane Tools - Site report - Rowan House"));
    for (const char* text : {"Group Routing Table", "Primary Areas", "Night Areas (Beep)", "Divert To Groups",
                             "  2 15 ", " Z ", " B ", " H ", "Page 1 of 1"})
        EXPECT_TRUE(pages[0].Has(QString::fromLatin1(text))) << text;
}

TEST_F(SiteReportTest, PrintedOnOtherPaperTheReportIsLaidOutAgain) {
    TReportOptions options = NoSections();
    options.DeviceInformation = true;
    const std::vector<DrawnPage> a4 = Build(options);
    const double a4Footer = Footer(a4.front())->topLeft.y();
    EXPECT_GT(a4Footer, 6600 - 100) << "an A4 footer lies below the foot of a Letter page";

    port.layout = QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
    ASSERT_TRUE(report->ReportPrinter.Print());
    EXPECT_EQ(report->ReportPrinter.PageHeight(), 6600);
    const std::vector<DrawnPage> letter = ReplayAll(report->ReportPrinter);
    ASSERT_EQ(port.jobs.size(), 1u);
    EXPECT_EQ(port.jobs[0].pages, static_cast<int>(letter.size()));
    EXPECT_GE(letter.size(), a4.size());
    for (std::size_t index = 0; index < letter.size(); ++index) {
        ASSERT_TRUE(Footer(letter[index])) << index;
        EXPECT_EQ(Footer(letter[index])->text,
                  QString::asprintf("Page %d of %d", int(index) + 1, int(letter.size())));
        EXPECT_LT(Footer(letter[index])->topLeft.y() + 2 * LineHeight(10), 6600 - 100) << index;
    }
}

TEST_F(SiteReportTest, CommentsLongerThanAPageRepeatTheirTitle) {
    data.Comments.clear();
    for (int line = 1; line <= 90; ++line) data.Comments.push_back("comment line " + std::to_string(line));
    const std::vector<DrawnPage> pages = BuildOnly(&TReportOptions::Comments);
    ASSERT_GE(pages.size(), 2u);
    for (std::size_t index = 0; index < pages.size(); ++index) {
        EXPECT_TRUE(pages[index].Has(QStringLiteral("Comments"))) << index;
        EXPECT_EQ(Footer(pages[index])->text,
                  QString::asprintf("Page %d of %d", int(index) + 1, int(pages.size())));
    }
    // Lines are spaced by the title's height, from four title heights below it.
    const int title = LineHeight(14, kTitleStyle);
    EXPECT_EQ(pages[0].Find(QStringLiteral("comment line 1"))->topLeft, QPointF(100, 100 + 4 * title));
    EXPECT_EQ(pages[0].Find(QStringLiteral("comment line 2"))->topLeft.y(), 100 + 5 * title);
    EXPECT_TRUE(pages.back().Has(QStringLiteral("comment line 90")));
}

TEST_F(SiteReportTest, ALineWiderThanThePageContinuesOnTheNextLine) {
    std::string longLine;
    for (int word = 0; word < 30; ++word) longLine += "word" + std::to_string(word) + " ";
    TReportOptions options = NoSections();
    options.EventLog = true;
    report = std::make_unique<TfrmReports>(port, clock, false, "Rowan House");
    BuildSiteReport(*report, data, options, {longLine, "next"});
    const DrawnPage page = Replay(report->ReportPrinter.Page(0));
    EXPECT_TRUE(page.Has(QStringLiteral("Event Log")));
    const int perLine = (4961 - 200) / CharWidth(12);
    QString joined;
    for (const DrawnText& text : page.texts) {
        if (!text.text.startsWith(QStringLiteral("word"))) continue;
        EXPECT_LE(text.text.size(), perLine);
        joined += text.text + QLatin1Char(' ');
    }
    EXPECT_EQ(joined.trimmed(), QString::fromLatin1(longLine).trimmed());
    EXPECT_TRUE(page.Has(QStringLiteral("next")));
}

}  // namespace
}  // namespace kelvane::test
