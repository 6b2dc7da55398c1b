#include "ReportTestSupport.h"

namespace kelvane::test {
namespace {

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
    TReportOptions options = NoSections();
    options.SiteInformation = true;
    options.ZoneInformation = true;
    data.SiteConfig.MainVersion = "07B12";
    const std::vector<DrawnPage> pages = Build(options);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_FALSE(Footer(pages[0]));
    ASSERT_TRUE(Footer(pages[1]));
    EXPECT_EQ(Footer(pages[1])->text, QStringLiteral("Page 1"));
    EXPECT_TRUE(pages[1].Has(QStringLiteral("Printed on : 07/12/2026 at : 12:00:00")));
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
    EXPECT_EQ(page.Find(QStringLiteral("Access Level 1 Code      : "))->topLeft,
              QPointF(160, settingsTop + 8 * t));
    EXPECT_EQ(page.Find(QStringLiteral("3213"))->topLeft.y(), settingsTop + 8 * t + 15);
    EXPECT_EQ(page.Find(QStringLiteral("1123"))->topLeft.y(), settingsTop + 9 * t + 15);
    EXPECT_EQ(page.Find(QStringLiteral("RadioPager    : "))->topLeft.x(), 160 + 33 * tw);
    for (const char* text : {"Emergency & Higher", "After 50 events", "Globally", "Locally", "4  minute(s)",
                             "1  minute(s)", "Surveyor Mode Enabled    : ", "YES", "08A00", "01/02/26"})
        EXPECT_TRUE(page.Has(QString::fromLatin1(text))) << text;
    EXPECT_EQ(page.Find(QStringLiteral("Software Version    : "))->topLeft.y(), settingsTop + 14 * t);
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
    EXPECT_EQ(Footer(wide[0])->text, QStringLiteral("Page 1"));
    EXPECT_EQ(Footer(wide[1])->text, QStringLiteral("Page 2"));
}

TEST_F(SiteReportTest, GroupTableTitlesTheJobAndSkipsEmptyEntries) {
    TKGroup& group = data.GroupList.Groups[2];
    group.DivertEquation[1] = 1;
    group.DivertEquation[2] = 33;  // cleared by the editor
    group.DivertEquation[3] = 14;
    group.NightAreaEquation[2] = 25;
    const std::vector<DrawnPage> pages = BuildOnly(&TReportOptions::GroupInformation);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(report->ReportPrinter.Title, QStringLiteral("Kelvane Tools - Group configuration"));
    for (const char* text : {"Group Routing Table", "Primary Areas", "Night Areas (Beep)", "Divert To Groups",
                             "  2 15 ", " Z ", " B ", " H ", "Page 1"})
        EXPECT_TRUE(pages[0].Has(QString::fromLatin1(text))) << text;
}

TEST_F(SiteReportTest, CommentsLongerThanAPageRepeatTheirTitle) {
    data.Comments.clear();
    for (int line = 1; line <= 90; ++line) data.Comments.push_back("comment line " + std::to_string(line));
    const std::vector<DrawnPage> pages = BuildOnly(&TReportOptions::Comments);
    ASSERT_GE(pages.size(), 2u);
    for (std::size_t index = 0; index < pages.size(); ++index) {
        EXPECT_TRUE(pages[index].Has(QStringLiteral("Comments"))) << index;
        EXPECT_EQ(Footer(pages[index])->text, QString::asprintf("Page %d", int(index) + 1));
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
    report = std::make_unique<TfrmReports>(port, clock, false);
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
