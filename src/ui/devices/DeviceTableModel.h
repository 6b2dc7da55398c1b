#pragma once
#include <QAbstractTableModel>
#include <vector>

#include "model/Data.h"
#include "model/DeviceSummaryOrder.h"

namespace kelvane {

// The Device Summary table over the loop: one row per listed address, in the
// chosen order, six columns of DeviceSummaryRow texts. It copies nothing but
// the row order, so a refresh only re-reads the loop.
class DeviceTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DeviceTableModel(TData& data, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Stores the text of a suffix cell as the device's suffix.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Rebuilds the row order from the loop and re-reads every row.
    void Refresh(DeviceSortOrder order, bool fittedOnly);
    // Re-reads one row in place (its device stays where it is until the next refresh).
    void RefillRow(int row);
    // The address listed in `row` (0-based); 0 outside the table.
    int DeviceAt(int row) const;

    // Whether the suffix cells can be edited.
    void SetSuffixEditing(bool on) { suffixEditing_ = on; }
    bool SuffixEditing() const { return suffixEditing_; }

signals:
    // A suffix cell's text changed the device's stored suffix.
    void suffixChanged(int device);

private:
    TData& data_;
    std::vector<int> addresses_;
    bool suffixEditing_ = false;
};

}  // namespace kelvane
