#pragma once
#include <QAbstractTableModel>
#include <vector>

#include "compare/SiteDifference.h"

namespace kelvane {

// The differences of a comparison as a table: section, record, field and
// the two values. The sort role gives the section's place and the record's
// number, so that sorting keeps the order of a save and numbers sort as
// numbers.
class DifferenceTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { colSection, colRecord, colField, colA, colB, kColumnCount };
    enum Role { SortRole = Qt::UserRole + 1 };

    explicit DifferenceTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows `differences` under the value headings `headingA` and `headingB`.
    void SetDifferences(std::vector<SiteDifference> differences, const QString& headingA,
                        const QString& headingB);
    const std::vector<SiteDifference>& Differences() const { return differences_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<SiteDifference> differences_;
    QString headingA_;
    QString headingB_;
};

}  // namespace kelvane
