#include "routing/RoutingMatrix.h"

#include "model/DeviceCatalogue.h"
#include "routing/SiteWords.h"

namespace kelvane {

RoutingMatrix::RoutingMatrix(const TData& data, const RoutingMap& map) : data_(data), map_(map) {
    ZoneSet zones;
    GroupSet groups;
    for (const Route& route : map.Routes()) {
        const bool device = route.source.kind == CallSource::Kind::Device;
        if (device && !data.Loop.IsAreaDevice(route.source.number) && route.ShownNowhere()) continue;
        rows_.push_back(&route);
        zones |= route.zones;
        groups |= route.groupsDay | route.groupsNight | route.diverts;
    }
    for (const int z : SetMembers(zones)) columns_.push_back({MatrixColumn::Kind::Zone, z});
    for (const int g : SetMembers(groups)) columns_.push_back({MatrixColumn::Kind::Group, g});
}

std::string RoutingMatrix::Mark(std::size_t row, std::size_t column) const {
    const Route& route = *rows_.at(row);
    const MatrixColumn& col = columns_.at(column);
    const auto bit = static_cast<std::size_t>(col.number);
    if (col.kind == MatrixColumn::Kind::Zone) return route.zones.test(bit) ? "X" : "";
    std::string mark;
    if (route.groupsDay.test(bit)) mark += "D";
    if (route.groupsNight.test(bit)) mark += "N";
    if (route.diverts.test(bit)) mark += "V";
    return mark;
}

std::string SourceWords(const TData& data, const CallSource& source) {
    if (source.kind == CallSource::Kind::Area) return "Area " + AreaLetter(source.number);
    return std::to_string(source.number) + " " + DeviceWords(data, source.number);
}

std::string RoutingMatrix::RowHeading(std::size_t row) const {
    return SourceWords(data_, rows_.at(row)->source);
}

std::string RoutingMatrix::ColumnHeading(std::size_t column) const {
    const MatrixColumn& col = columns_.at(column);
    if (col.kind == MatrixColumn::Kind::Group) return "Group " + std::to_string(col.number);
    const std::string& name = data_.ZoneList.Zones.at(static_cast<std::size_t>(col.number)).Name;
    return name.empty() ? "Zone " + std::to_string(col.number) : name;
}

const DeviceSet& RoutingMatrix::ColumnOutputs(std::size_t column) const {
    const MatrixColumn& col = columns_.at(column);
    return col.kind == MatrixColumn::Kind::Zone ? map_.ZoneOutputs(col.number)
                                                : map_.GroupDisplays(col.number);
}

}  // namespace kelvane
