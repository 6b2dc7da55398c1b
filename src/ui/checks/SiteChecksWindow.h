#pragma once
#include <QDockWidget>
#include <QIcon>
#include <array>
#include <functional>

#include "routing/SiteFinding.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace kelvane {

class SiteReview;

// The "Site Checks" window: every finding of the site checks (severity icon,
// record, message), shown again whenever the review refreshes. Double-clicking
// a finding takes the user to its record.
class SiteChecksWindow : public QDockWidget {
    Q_OBJECT
public:
    explicit SiteChecksWindow(const SiteReview& review, QWidget* parent = nullptr);

    // A finding was double-clicked (or Enter pressed on it).
    std::function<void(const SiteFinding&)> OnChosen;
    // F1 in the window.
    std::function<void()> OnHelp;

    // Lists the review's findings.
    void ShowFindings();

    QTreeWidget* lstFindings;
    QLabel* lblSummary;

private:
    void FitFixedColumns();
    void Choose(QTreeWidgetItem* item);

    const SiteReview& review_;
    // By severity, made once.
    std::array<QIcon, 3> icons_;
};

}  // namespace kelvane
