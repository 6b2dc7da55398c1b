#include <gtest/gtest.h>

#include "RoutingSites.h"
#include "routing/RoutingMatrix.h"

namespace kelvane::test {
namespace {

// The row whose heading starts with `heading`, or the row count where there is none.
std::size_t RowOf(const RoutingMatrix& matrix, const std::string& heading) {
    std::size_t row = 0;
    while (row < matrix.Rows().size() && matrix.RowHeading(row).rfind(heading, 0) != 0) ++row;
    return row;
}

std::vector<std::string> ColumnHeadings(const RoutingMatrix& matrix) {
    std::vector<std::string> headings;
    for (std::size_t c = 0; c < matrix.Columns().size(); ++c) headings.push_back(matrix.ColumnHeading(c));
    return headings;
}

TEST(RoutingMatrix, RowsAreCallersColumnsAreZonesAndGroupsInUseMarksSayWhen) {
    TData data;
    WardSite(data);
    data.ZoneList.Zones[4].Name = "East Wing";
    // A display named in a device equation is shown as a row (it never calls,
    // but the equation routes it); an over-door light nobody names is not.
    SetTerms(data.ZoneList.Zones[1].DeviceEquation, {19, 40}, kDeviceEmpty);
    const RoutingMap map(data);
    const RoutingMatrix matrix(data, map);

    EXPECT_EQ(matrix.Rows().size(), 26u + 4u);
    EXPECT_EQ(matrix.RowHeading(0), "Area A");
    EXPECT_LT(RowOf(matrix, "41 "), matrix.Rows().size());
    EXPECT_EQ(RowOf(matrix, "12 "), matrix.Rows().size());
    EXPECT_EQ(ColumnHeadings(matrix),
              (std::vector<std::string>{"Zone 1", "East Wing", "Group 2", "Group 5", "Group 7"}));

    const std::size_t c = RowOf(matrix, "Area C");
    EXPECT_EQ(matrix.Mark(c, 0), "X");
    EXPECT_EQ(matrix.Mark(c, 1), "X");
    EXPECT_EQ(matrix.Mark(c, 2), "D");
    EXPECT_EQ(matrix.Mark(c, 3), "N");
    EXPECT_EQ(matrix.Mark(c, 4), "V");
    // Device 20 is named by zone 1 and calls in area D, which group 7 shows by day.
    const std::size_t d20 = RowOf(matrix, "20 ");
    ASSERT_LT(d20, matrix.Rows().size());
    EXPECT_EQ(matrix.Mark(d20, 0), "X");
    EXPECT_EQ(matrix.Mark(d20, 1), "");
    EXPECT_EQ(matrix.Mark(d20, 4), "D");
    EXPECT_EQ(SetMembers(matrix.ColumnOutputs(4)), std::vector<int>{42});
}

TEST(RoutingMatrix, ZonesBeyondA32ZoneSiteMakeNoColumn) {
    TData data;
    WardSite(data);
    data.SiteConfig.MainVersion = "07B12";
    SetTerms(data.ZoneList.Zones[33].AreaEquation, {2}, kAreaEmpty);
    SetTerms(data.ZoneList.Zones[40].DeviceEquation, {9}, kDeviceEmpty);
    const RoutingMap map(data);
    const RoutingMatrix matrix(data, map);
    for (const MatrixColumn& column : matrix.Columns()) {
        if (column.kind == MatrixColumn::Kind::Zone) {
            EXPECT_LE(column.number, 32);
        }
    }
}

}  // namespace
}  // namespace kelvane::test
