#include <QCheckBox>

#include "ReportTestSupport.h"
#include "print/TfrmPrint.h"
#include "routing/RoutingSites.h"

namespace kelvane::test {
namespace {

class RoutingReportTest : public SiteReportTest {
protected:
    void SetUp() override { WardSite(data); }

    static int PagesWith(const std::vector<DrawnPage>& pages, const QString& text) {
        int count = 0;
        for (const DrawnPage& page : pages) count += page.Has(text) ? 1 : 0;
        return count;
    }
};

TEST_F(RoutingReportTest, TheNewSectionsAreOffUnlessTicked) {
    const TReportOptions defaults;
    EXPECT_FALSE(defaults.RoutingOverview);
    EXPECT_FALSE(defaults.SiteChecks);
    TfrmPrint dialog;
    EXPECT_FALSE(dialog.chkRoutingOverview->isChecked());
    EXPECT_FALSE(dialog.chkSiteChecks->isChecked());
    EXPECT_EQ(dialog.chkRoutingOverview->text(), "Routing overview");
    EXPECT_EQ(dialog.chkSiteChecks->text(), "Site checks");
    const std::vector<DrawnPage> report = Build(defaults);
    EXPECT_EQ(PagesWith(report, "Routing Overview"), 0);
    EXPECT_EQ(PagesWith(report, "Site Checks"), 0);

    dialog.chkRoutingOverview->setChecked(true);
    dialog.chkSiteChecks->setChecked(true);
    EXPECT_TRUE(dialog.Options().RoutingOverview);
    EXPECT_TRUE(dialog.Options().SiteChecks);
}

TEST_F(RoutingReportTest, TheOverviewMarksEveryRouteAndTheChecksListTheFindings) {
    SetTerms(data.ZoneList.Zones[4].DeviceEquation, {99}, kDeviceEmpty);
    TReportOptions options = NoSections();
    options.RoutingOverview = true;
    options.SiteChecks = true;
    const std::vector<DrawnPage> pages = Build(options);
    ASSERT_EQ(pages.size(), 3u);
    const DrawnPage& matrix = pages[0];
    EXPECT_TRUE(matrix.Has("Routing Overview"));
    for (const char* heading : {"Area C", "Z1", "Z4", "G2", "G5", "G7", "D", "N", "V", "X"})
        EXPECT_TRUE(matrix.Has(QString::fromLatin1(heading))) << heading;
    EXPECT_TRUE(Footer(matrix));
    EXPECT_TRUE(pages[1].Has("Routing Overview - Key"));
    EXPECT_TRUE(pages[2].Has("Site Checks"));
    EXPECT_TRUE(pages[2].FindStarting("error equation-unfitted zone 4: "));
}

TEST_F(RoutingReportTest, ALargeMatrixIsSplitOverPagesAcrossAndDown) {
    // Every device a callpoint in its own area's zone and group: 256 rows,
    // 64 zone and 32 group columns.
    for (int n = 1; n <= kLoopDeviceCount; ++n) Fit(data, n, dtCallpoint, n % kAreaCount);
    for (int z = 1; z <= kZoneCount; ++z)
        SetTerms(data.ZoneList.Zones[z].DeviceEquation, {z - 1}, kDeviceEmpty);
    for (int g = 1; g <= kGroupCount; ++g)
        SetTerms(data.GroupList.Groups[g].PrimaryAreaEquation, {g % kAreaCount}, kAreaEmpty);
    TReportOptions options = NoSections();
    options.RoutingOverview = true;
    const std::vector<DrawnPage> pages = Build(options);
    const int matrixPages = PagesWith(pages, "Call from");
    EXPECT_GE(matrixPages, 4);
    // The last row and the last columns are on some page; the first row heads
    // a page for each band of columns; each matrix page has its footer.
    int lastRow = 0;
    for (const DrawnPage& page : pages) lastRow += page.FindStarting("256 Callpoint") ? 1 : 0;
    EXPECT_GE(lastRow, 1);
    EXPECT_GE(PagesWith(pages, "G32"), 1);
    EXPECT_GE(PagesWith(pages, "Z64"), 1);
    EXPECT_GT(PagesWith(pages, "Area A"), 1);
    EXPECT_LT(PagesWith(pages, "Area A"), matrixPages);
    for (const DrawnPage& page : pages) {
        if (page.Has("Call from")) {
            EXPECT_TRUE(Footer(page));
        }
    }
}

}  // namespace
}  // namespace kelvane::test
