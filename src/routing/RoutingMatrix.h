#pragma once
#include <string>
#include <vector>

#include "model/Data.h"
#include "routing/RoutingMap.h"

namespace kelvane {

// "Area C", or a device's address and words: `17 Call Point "Bedroom 12"`.
std::string SourceWords(const TData& data, const CallSource& source);

// A column of the cause-and-effect matrix: a zone or a group that shows some call.
struct MatrixColumn {
    enum class Kind { Zone, Group };
    Kind kind = Kind::Zone;
    int number = 0;
};

// The routing map laid out as a cause-and-effect matrix: a row per area
// "A".."Z" and per fitted device that calls or that a device equation names,
// a column per zone and per group that shows at least one of them. Computed
// from a map, which must outlive it.
class RoutingMatrix {
public:
    RoutingMatrix(const TData& data, const RoutingMap& map);

    const std::vector<const Route*>& Rows() const { return rows_; }
    const std::vector<MatrixColumn>& Columns() const { return columns_; }

    // What a cell shows: "X" for a zone that shows the call; for a group "D"
    // (by day), "N" (at night), "DN" (both) or "V" (after a divert); empty
    // where the column shows nothing of the row.
    std::string Mark(std::size_t row, std::size_t column) const;
    // The row's source in words (SourceWords).
    std::string RowHeading(std::size_t row) const;
    // The zone's name where it has one ("Zone 5" where not), or "Group 4".
    std::string ColumnHeading(std::size_t column) const;
    // The fitted devices that light for a column: the over-door lights and
    // sounders of a zone, the displays of a group.
    const DeviceSet& ColumnOutputs(std::size_t column) const;

private:
    const TData& data_;
    const RoutingMap& map_;
    std::vector<const Route*> rows_;
    std::vector<MatrixColumn> columns_;
};

}  // namespace kelvane
