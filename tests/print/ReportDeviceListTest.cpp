#include "ReportTestSupport.h"
#include "model/DeviceCatalogue.h"

namespace kelvane::test {
namespace {

class DeviceListTest : public SiteReportTest {
protected:
    void Fit(int n, int type, int allocation = 0) {
        data.Loop.Device(n).DeviceType = type;
        data.Loop.Device(n).Allocation = allocation;
    }
    std::vector<DrawnPage> DeviceList(bool fittedOnly, TDeviceOrder order = doDeviceNumber) {
        TReportOptions options = NoSections();
        options.DeviceInformation = true;
        options.FittedOnly = fittedOnly;
        options.Order = order;
        return Build(options);
    }
    static std::vector<int> AllRows(const std::vector<DrawnPage>& pages) {
        std::vector<int> rows;
        for (const DrawnPage& page : pages) {
            const std::vector<int> numbers = RowNumbers(page);
            rows.insert(rows.end(), numbers.begin(), numbers.end());
        }
        return rows;
    }
    // The top of device n's row.
    static double RowTop(const DrawnPage& page, int n) {
        for (const DrawnText& text : page.texts)
            if (text.text == QString::number(n) && qAbs(text.topLeft.x() - kRowLeft) < 0.5)
                return text.topLeft.y();
        ADD_FAILURE() << "no row " << n;
        return -1;
    }
    // Every line across the table lies at the top of one of its rows, below
    // the first: none doubles the frame's top or cuts through a row's letters.
    static void ExpectRowLinesBetweenRows(const DrawnPage& page) {
        std::vector<double> rowTops;
        for (const int n : RowNumbers(page)) rowTops.push_back(RowTop(page, n));
        const QRectF frame = TableFrame(page);
        for (const QLineF& line : page.lines) {
            if (line.y1() != line.y2() || line.x1() != frame.left() || line.x2() != frame.right()) continue;
            EXPECT_GT(line.y1(), frame.top());
            EXPECT_NE(std::find(rowTops.begin(), rowTops.end(), line.y1()), rowTops.end()) << line.y1();
        }
    }
    // The table's frame (the first rectangle) and the footer's (the last).
    static QRectF TableFrame(const DrawnPage& page) { return page.rects.front(); }
    static QRectF FooterFrame(const DrawnPage& page) { return page.rects.back(); }
};

TEST_F(DeviceListTest, NumberOrderListsEveryAddressUnderItsHeadersPageByPage) {
    const std::vector<DrawnPage> pages = DeviceList(false);
    ASSERT_GE(pages.size(), 5u);
    std::vector<int> expected(256);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(AllRows(pages), expected);
    for (std::size_t index = 0; index < pages.size(); ++index) {
        const DrawnPage& page = pages[index];
        for (const char* heading : {"Loop Configuration", "Zone/Group", "Device", "Type", "Area",
                                    "Place Name", "Suffix", "Enabled"})
            EXPECT_TRUE(page.Has(QString::fromLatin1(heading))) << heading;
        EXPECT_EQ(Footer(page)->text, QString::asprintf("Page %d of %d", int(index) + 1, int(pages.size())));
        ASSERT_EQ(page.rects.size(), 2u);
        // The frame holds exactly the page's rows and ends above the footer.
        const int rowHeight = LineHeight(12);
        EXPECT_DOUBLE_EQ(TableFrame(page).height(), double(RowNumbers(page).size()) * rowHeight);
        EXPECT_LT(TableFrame(page).bottom(), FooterFrame(page).top());
        ExpectRowLinesBetweenRows(page);
        const auto centre = [&](const char* text) {
            const DrawnText drawn = *page.Find(QString::fromLatin1(text));
            return drawn.topLeft.x() + drawn.width / 2;
        };
        EXPECT_NEAR(centre("Zone/Group"), centre("Area"), 1.0);
    }
    // The first page breaks where the next row would start at or below the break line.
    const int breakY = 7016 - 200 - 300;
    const auto lastRow = pages[0].Find(QString::number(RowNumbers(pages[0]).back()));
    EXPECT_LT(lastRow->topLeft.y(), breakY);
    EXPECT_GE(lastRow->topLeft.y() + LineHeight(12), breakY);
}

TEST_F(DeviceListTest, RowsPrintTypeAllocationPlaceSuffixAndEnabled) {
    Fit(2, dtCallpoint, 2);
    Fit(3, dtCorridorDisplay, 1);
    Fit(4, dtAudioCallpoint, 4);
    Fit(5, dtUnknown, 6);
    data.Loop.Device(2).Suffix = "12A";
    data.Loop.Device(2).Enabled = 1;
    data.Loop.Device(2).PlaceNameIndex = 41;
    data.CustomNames.Item(0).Name = "Sun Room";
    const DrawnPage first = DeviceList(false).front();
    const auto rowAt = [&](int n) {
        std::vector<QString> texts;
        const double y = first.Find(QString::number(n))->topLeft.y();
        for (const DrawnText& text : first.texts)
            if (text.topLeft.y() == y) texts.push_back(text.text);
        return texts;
    };
    EXPECT_EQ(rowAt(1), (std::vector<QString>{"1", "Network Controller", "Group 1", "Display", "1", "YES"}));
    EXPECT_EQ(rowAt(2), (std::vector<QString>{"2", "Callpoint", "Area  C", "Sun Room", "12A", "YES"}));
    EXPECT_EQ(rowAt(3)[2], QStringLiteral("Group 2"));
    EXPECT_EQ(rowAt(4)[2], QStringLiteral("Zone  5"));
    EXPECT_EQ(rowAt(5)[2], QStringLiteral("Zone  7"));
    EXPECT_EQ(rowAt(6), (std::vector<QString>{"6", "Not fitted", "Zone  1", "Unnamed", "NO"}));
}

TEST_F(DeviceListTest, FittedOnlyBreakWithNothingLeftLeavesAnEmptyFramedPage) {
    const std::size_t perPage = RowNumbers(DeviceList(false).front()).size();
    // Exactly one page of fitted devices, then only unfitted addresses.
    for (int n = 2; n <= int(perPage); ++n) Fit(n, dtCallpoint);
    const std::vector<DrawnPage> pages = DeviceList(true);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(RowNumbers(pages[0]).size(), perPage);
    const DrawnPage& last = pages[1];
    EXPECT_TRUE(RowNumbers(last).empty());
    EXPECT_TRUE(last.Has(QStringLiteral("Loop Configuration")));
    EXPECT_EQ(Footer(last)->text, QStringLiteral("Page 2 of 2"));
    ASSERT_EQ(last.rects.size(), 2u);
    EXPECT_DOUBLE_EQ(TableFrame(last).height(), LineHeight(12));  // one empty row
}

TEST_F(DeviceListTest, FittedOnlyFramesFitTheRowsOnEveryPage) {
    // Later pages begin at addresses beyond the count of fitted devices.
    for (int n = 40; n <= 256; ++n) Fit(n, dtCallpoint);
    const std::vector<DrawnPage> pages = DeviceList(true);
    ASSERT_GE(pages.size(), 4u);
    std::size_t listed = 0;
    for (const DrawnPage& page : pages) {
        const QRectF frame = TableFrame(page);
        EXPECT_GT(frame.height(), 0);
        EXPECT_LT(frame.bottom(), FooterFrame(page).top());
        for (const int n : RowNumbers(page)) {
            const double y = page.Find(QString::number(n))->topLeft.y();
            EXPECT_GE(y, frame.top());
            EXPECT_LT(y, frame.bottom());
        }
        listed += RowNumbers(page).size();
    }
    EXPECT_EQ(listed, 1u + 217u);
}

TEST_F(DeviceListTest, TypeOrderListsCallPointsFirstAndNeverUnfittedDevices) {
    Fit(9, dtCallpoint);
    Fit(7, dtCallpoint);
    Fit(3, dtAudioCallpoint);
    Fit(5, dtCorridorDisplay);
    for (const bool fittedOnly : {false, true}) {
        const std::vector<DrawnPage> pages = DeviceList(fittedOnly, doDeviceType);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(AllRows(pages), (std::vector<int>{7, 9, 3, 5, 1}));
        EXPECT_FALSE(pages[0].Has(QStringLiteral("Not fitted")));
        ExpectRowLinesBetweenRows(pages[0]);
        // Device 1, listed last, is ruled off from the row above it.
        const double device1 = RowTop(pages[0], 1);
        EXPECT_TRUE(std::any_of(pages[0].lines.begin(), pages[0].lines.end(), [&](const QLineF& line) {
            return line.y1() == device1 && line.y2() == device1;
        }));
    }
}

}  // namespace
}  // namespace kelvane::test
