#include "ui/checks/RoutingMatrixModel.h"

#include "model/Equation.h"
#include "qt/Latin1.h"
#include "routing/SiteWords.h"
#include "ui/checks/SiteReview.h"

namespace kelvane {
namespace {

std::size_t At(int value) {
    return static_cast<std::size_t>(value);
}

}  // namespace

RoutingMatrixModel::RoutingMatrixModel(const SiteReview& review, QObject* parent)
    : QAbstractTableModel(parent),
      review_(review),
      matrix_(std::make_unique<RoutingMatrix>(review.Data(), review.Map())) {
    // The matrix points into the review's map: it is laid out again with
    // every new map, shown or not.
    connect(&review, &SiteReview::refreshed, this, &RoutingMatrixModel::Refresh);
}

RoutingMatrixModel::~RoutingMatrixModel() = default;

void RoutingMatrixModel::Refresh() {
    beginResetModel();
    matrix_ = std::make_unique<RoutingMatrix>(review_.Data(), review_.Map());
    endResetModel();
}

int RoutingMatrixModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(matrix_->Rows().size());
}

int RoutingMatrixModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(matrix_->Columns().size());
}

QVariant RoutingMatrixModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return Latin1(matrix_->Mark(At(index.row()), At(index.column())));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignCenter);
        case Qt::ToolTipRole:
            return OutputsHint(index);
        default:
            return {};
    }
}

QVariant RoutingMatrixModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section < 0) return {};
    if (orientation == Qt::Vertical) {
        if (section >= rowCount() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
        return Latin1(matrix_->RowHeading(At(section)));
    }
    if (section >= columnCount()) return {};
    const MatrixColumn& column = matrix_->Columns()[At(section)];
    if (role == Qt::DisplayRole) return Latin1(matrix_->ColumnHeading(At(section)));
    if (role != Qt::ToolTipRole) return {};
    return column.kind == MatrixColumn::Kind::Zone ? Latin1(ZoneWords(review_.Data(), column.number))
                                                   : QStringLiteral("Group %1").arg(column.number);
}

QString RoutingMatrixModel::OutputsHint(const QModelIndex& index) const {
    if (matrix_->Mark(At(index.row()), At(index.column())).empty()) return {};
    const std::vector<int> outputs = SetMembers(matrix_->ColumnOutputs(At(index.column())));
    if (outputs.empty()) return QStringLiteral("No fitted device shows these calls");
    QString hint = QStringLiteral("Shown on:");
    for (const int n : outputs)
        hint += QStringLiteral("\n%1 ").arg(n) + Latin1(DeviceWords(review_.Data(), n));
    return hint;
}

std::optional<EquationChoice> RoutingMatrixModel::EquationOf(const QModelIndex& index) const {
    if (!index.isValid()) return std::nullopt;
    const std::string mark = matrix_->Mark(At(index.row()), At(index.column()));
    if (mark.empty()) return std::nullopt;
    const Route& route = *matrix_->Rows()[At(index.row())];
    const MatrixColumn& column = matrix_->Columns()[At(index.column())];
    using Which = EquationChoice::Which;
    if (column.kind == MatrixColumn::Kind::Zone) {
        const TKZone& zone = review_.Data().ZoneList.Zones.at(At(column.number));
        const bool named =
            route.source.kind == CallSource::Kind::Device &&
            SlotHolding(EquationKind::Device, zone.DeviceEquation, route.source.number - 1) > 0;
        return EquationChoice{named ? Which::ZoneDevices : Which::ZoneAreas, column.number};
    }
    if (mark.front() == 'D') return EquationChoice{Which::GroupPrimaryAreas, column.number};
    if (mark.front() == 'N') return EquationChoice{Which::GroupNightAreas, column.number};
    return DivertEquationOf(route, column.number);
}

std::optional<EquationChoice> RoutingMatrixModel::DivertEquationOf(const Route& route, int group) const {
    for (const int g : SetMembers(route.groupsDay | route.groupsNight)) {
        const TKGroup& from = review_.Data().GroupList.Groups.at(At(g));
        if (SlotHolding(EquationKind::Group, from.DivertEquation, group - 1) > 0)
            return EquationChoice{EquationChoice::Which::GroupDiverts, g};
    }
    return std::nullopt;
}

}  // namespace kelvane
