#include "ui/controller/DifferenceTableModel.h"

#include "qt/Latin1.h"

namespace kelvane {

void DifferenceTableModel::SetDifferences(std::vector<SiteDifference> differences, const QString& headingA,
                                          const QString& headingB) {
    beginResetModel();
    differences_ = std::move(differences);
    headingA_ = headingA;
    headingB_ = headingB;
    endResetModel();
}

int DifferenceTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(differences_.size());
}

int DifferenceTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant DifferenceTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != SortRole))
        return {};
    const SiteDifference& difference = differences_[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
        case colSection:
            if (role == SortRole) return static_cast<int>(difference.Section);
            return Latin1(SectionName(difference.Section));
        case colRecord:
            if (role == SortRole) return difference.Number;
            return Latin1(RecordName(difference));
        case colField:
            return Latin1(difference.Field);
        case colA:
            return Latin1(difference.A);
        case colB:
            return Latin1(difference.B);
        default:
            return {};
    }
}

QVariant DifferenceTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
        case colSection:
            return QStringLiteral("Section");
        case colRecord:
            return QStringLiteral("Record");
        case colField:
            return QStringLiteral("Field");
        case colA:
            return headingA_;
        case colB:
            return headingB_;
        default:
            return {};
    }
}

}  // namespace kelvane
