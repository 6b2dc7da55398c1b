#pragma once
#include <QDockWidget>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "ui/checks/EquationChoice.h"

class QComboBox;
class QPlainTextEdit;
class QTableView;

namespace kelvane {

class RoutingMatrixModel;
class SiteReview;

// The "Routing" window: the cause-and-effect matrix of the site (a row per
// area and calling device, a column per zone and group in use, "X" where a
// zone shows the call, "D", "N" or "V" where a group shows it by day, at
// night or after a divert), and beside it where one chosen call goes and,
// the reverse, whose calls one chosen output, zone or group shows. Shown
// again whenever the review refreshes.
class RoutingWindow : public QDockWidget {
    Q_OBJECT
public:
    explicit RoutingWindow(const SiteReview& review, QWidget* parent = nullptr);

    // A marked cell was double-clicked: the equation that put the mark there.
    std::function<void(const EquationChoice&)> OnEditEquation;
    // F1 in the window.
    std::function<void()> OnHelp;

    // Shows the review's map again in the call and output lists, keeping the
    // chosen call and output (the matrix follows the review by itself).
    void ShowRouting();
    RoutingMatrixModel& Matrix() const { return *matrix_; }

    // A list's entries: each text with the value it stands for.
    using Choices = std::vector<std::pair<QString, int>>;

    QTableView* grdRouting;
    QComboBox* cboCall;
    QPlainTextEdit* txtCallPath;
    QComboBox* cboOutput;
    QPlainTextEdit* txtShownBy;

private:
    void FillCallChoices();
    void FillOutputChoices();
    void ShowCallPath();
    void ShowShownBy();
    void CellDoubleClicked(const QModelIndex& index);

    const SiteReview& review_;
    RoutingMatrixModel* matrix_;
    // What the call and output lists hold, so that an edit that changes
    // neither leaves them alone.
    Choices callChoices_;
    Choices outputChoices_;
};

}  // namespace kelvane
