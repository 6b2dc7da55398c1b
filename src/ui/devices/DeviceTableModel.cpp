#include "ui/devices/DeviceTableModel.h"

#include "model/DeviceSummaryRow.h"
#include "qt/Latin1.h"

namespace kelvane {

DeviceTableModel::DeviceTableModel(TData& data, QObject* parent) : QAbstractTableModel(parent), data_(data) {}

int DeviceTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(addresses_.size());
}

int DeviceTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kDeviceSummaryColumnCount;
}

QVariant DeviceTableModel::data(const QModelIndex& index, int role) const {
    const int device = index.isValid() ? DeviceAt(index.row()) : 0;
    if (device == 0) return QVariant();
    // A screen reader names the row's device in full at its first cell, and
    // describes it so at every cell.
    if (role == Qt::AccessibleDescriptionRole ||
        (role == Qt::AccessibleTextRole && index.column() == dcDevNo))
        return Latin1(DeviceSpokenText(data_, device));
    if (role != Qt::DisplayRole && role != Qt::EditRole) return QVariant();
    return Latin1(DeviceSummaryRow(data_, device)[static_cast<std::size_t>(index.column())]);
}

QVariant DeviceTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kDeviceSummaryColumnCount)
        return QVariant();
    return Latin1(DeviceSummaryHeadings()[static_cast<std::size_t>(section)]);
}

Qt::ItemFlags DeviceTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (suffixEditing_ && index.column() == dcSuffix) flags |= Qt::ItemIsEditable;
    return flags;
}

bool DeviceTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int device = index.isValid() ? DeviceAt(index.row()) : 0;
    if (role != Qt::EditRole || index.column() != dcSuffix || device == 0) return false;
    const std::string text = ToLatin1(value.toString());
    std::string& suffix = data_.Loop.Device(device).Suffix;
    if (suffix == text) return true;
    suffix = text;
    emit dataChanged(index, index);
    emit suffixChanged(device);
    return true;
}

void DeviceTableModel::Refresh(DeviceSortOrder order, bool fittedOnly) {
    std::vector<int> addresses = DeviceSummaryAddresses(data_.Loop, order, fittedOnly);
    const int before = rowCount();
    const int after = static_cast<int>(addresses.size());
    // Rows are added or taken at the end, so the view keeps its cursor and
    // scroll position; then every row is re-read at once.
    if (after < before) {
        beginRemoveRows(QModelIndex(), after, before - 1);
        addresses_.resize(static_cast<std::size_t>(after));
        endRemoveRows();
    } else if (after > before) {
        beginInsertRows(QModelIndex(), before, after - 1);
        addresses_.insert(addresses_.end(), addresses.begin() + before, addresses.end());
        endInsertRows();
    }
    addresses_ = std::move(addresses);
    if (after > 0) emit dataChanged(index(0, 0), index(after - 1, kDeviceSummaryColumnCount - 1));
}

void DeviceTableModel::RefillRow(int row) {
    if (DeviceAt(row) == 0) return;
    emit dataChanged(index(row, 0), index(row, kDeviceSummaryColumnCount - 1));
}

int DeviceTableModel::DeviceAt(int row) const {
    return row >= 0 && row < rowCount() ? addresses_[static_cast<std::size_t>(row)] : 0;
}

}  // namespace kelvane
