#pragma once
#include <QObject>

#include "core/Prompts.h"
#include "core/UserSettings.h"
#include "model/Data.h"
#include "routing/SiteFinding.h"
#include "ui/checks/EquationChoice.h"

class QAction;
class QLabel;

namespace kelvane {

class RoutingWindow;
class SiteChecksWindow;
class SiteReview;
class TfrmMain;

inline constexpr const char* kSaveWithErrorsQuestion = "The site checks find errors in this configuration:";
inline constexpr const char* kSaveAnywayQuestion = "Save everything to the controller anyway?";

// The main window's view of the site review: the Routing and Site Checks
// windows (View menu), the count of errors and warnings in the status bar,
// and the question before everything is saved to the controller while the
// site has errors (turned off under Settings). Shown again after every edit,
// load and open.
class SiteReviewWindows : public QObject {
public:
    SiteReviewWindows(TfrmMain& window, const TData& data, Prompts& prompts, UserSettings& settings);
    ~SiteReviewWindows() override;

    // Reviews the model again and shows the result.
    void Refresh();
    // Before everything is saved to the controller: true to go ahead. On a
    // site with errors (warnings never count) asks first, No by default,
    // unless the question is turned off.
    bool LetSaveGoAhead();

    SiteReview& Review() { return *review_; }

    RoutingWindow* frmRouting;
    SiteChecksWindow* frmSiteChecks;
    QLabel* lblFindings;
    QAction* Routing1;
    QAction* SiteChecks1;
    QAction* AskBeforeSavingWithErrors1;

private:
    void GoTo(const SiteFinding& finding);
    void Edit(const EquationChoice& choice);

    TfrmMain& window_;
    Prompts& prompts_;
    UserSettings& settings_;
    SiteReview* review_;
};

}  // namespace kelvane
