#pragma once
#include <QAbstractTableModel>
#include <memory>
#include <optional>

#include "routing/RoutingMatrix.h"
#include "ui/checks/EquationChoice.h"

namespace kelvane {

class SiteReview;

// The cause-and-effect matrix of the site review as a table: a row per call
// source, a column per zone and group in use, a mark where the column shows
// the row's calls; a cell's hint lists the devices that light for it.
class RoutingMatrixModel : public QAbstractTableModel {
public:
    explicit RoutingMatrixModel(const SiteReview& review, QObject* parent = nullptr);
    ~RoutingMatrixModel() override;

    // Lays the matrix out again from the review's map (after every refresh of the review).
    void Refresh();
    const RoutingMatrix& Matrix() const { return *matrix_; }

    // The equation that puts a cell's mark there: the zone's area or device
    // equation, the group's primary or night areas, or the divert equation of
    // a group that diverts to it; nothing for an empty cell.
    std::optional<EquationChoice> EquationOf(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString OutputsHint(const QModelIndex& index) const;
    std::optional<EquationChoice> DivertEquationOf(const Route& route, int group) const;

    const SiteReview& review_;
    std::unique_ptr<RoutingMatrix> matrix_;
};

}  // namespace kelvane
