#include "ui/checks/SiteReviewWindows.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>

#include "core/ProgramSettings.h"
#include "ui/HelpContexts.h"
#include "ui/checks/RoutingWindow.h"
#include "ui/checks/SiteChecksWindow.h"
#include "ui/checks/SiteReview.h"
#include "ui/routing/EquationEditors.h"
#include "ui/window/MainWindow.h"

namespace kelvane {
namespace {

// A window docked under the pages, hidden until its View command shows it;
// while hidden it is not refreshed, and it catches up as it is shown.
template <typename Window>
QAction* Dock(TfrmMain& main, Window* window, const char* commandName, void (Window::*show)()) {
    main.addDockWidget(Qt::BottomDockWidgetArea, window);
    window->hide();
    QObject::connect(window, &QDockWidget::visibilityChanged, window, [window, show](bool visible) {
        if (visible) (window->*show)();
    });
    QAction* command = window->toggleViewAction();
    command->setObjectName(QString::fromLatin1(commandName));
    main.AddViewCommand(command);
    return command;
}

// Which equation a finding on a zone or group is about.
EquationChoice EquationOf(const SiteFinding& finding) {
    using Which = EquationChoice::Which;
    const std::string_view code = finding.code;
    const int number = finding.record.number;
    if (finding.record.kind == FindingRecord::Kind::Zone) {
        const bool devices =
            code == "equation-unfitted" || code == "equation-not-a-caller" ||
            (code == "duplicate-member" && finding.message.find("Device Equation") != std::string::npos);
        return {devices ? Which::ZoneDevices : Which::ZoneAreas, number};
    }
    if (code == "divert-self" || code == "divert-no-displays" ||
        (code == "duplicate-member" && finding.message.find("Divert") != std::string::npos))
        return {Which::GroupDiverts, number};
    if (code == "duplicate-member" && finding.message.find("Night") != std::string::npos)
        return {Which::GroupNightAreas, number};
    return {Which::GroupPrimaryAreas, number};
}

}  // namespace

SiteReviewWindows::SiteReviewWindows(TfrmMain& window, const TData& data, Prompts& prompts,
                                     UserSettings& settings)
    : QObject(&window), window_(window), prompts_(prompts), settings_(settings) {
    review_ = new SiteReview(data, this);
    frmRouting = new RoutingWindow(*review_, &window);
    frmRouting->OnEditEquation = [this](const EquationChoice& choice) { Edit(choice); };
    frmRouting->OnHelp = [&window] { window.ShowHelp(kHelpRouting); };
    Routing1 = Dock(window, frmRouting, "Routing1", &RoutingWindow::ShowRouting);
    frmSiteChecks = new SiteChecksWindow(*review_, &window);
    frmSiteChecks->OnChosen = [this](const SiteFinding& finding) { GoTo(finding); };
    frmSiteChecks->OnHelp = [&window] { window.ShowHelp(kHelpSiteChecks); };
    SiteChecks1 = Dock(window, frmSiteChecks, "SiteChecks1", &SiteChecksWindow::ShowFindings);

    lblFindings = new QLabel;
    lblFindings->setObjectName(QStringLiteral("lblFindings"));
    lblFindings->setToolTip(QStringLiteral("What the site checks find (View > Site Checks lists it)"));
    window.statusBar()->addPermanentWidget(lblFindings);

    AskBeforeSavingWithErrors1 = new QAction(QStringLiteral("&Ask Before Saving a Site with Errors"), this);
    AskBeforeSavingWithErrors1->setObjectName(QStringLiteral("AskBeforeSavingWithErrors1"));
    AskBeforeSavingWithErrors1->setStatusTip(
        QStringLiteral("Ask before saving everything to the controller while the site checks find errors"));
    AskBeforeSavingWithErrors1->setCheckable(true);
    AskBeforeSavingWithErrors1->setChecked(ProgramSettings(settings_).AskBeforeSavingWithErrors());
    connect(AskBeforeSavingWithErrors1, &QAction::toggled, this,
            [this](bool on) { ProgramSettings(settings_).SetAskBeforeSavingWithErrors(on); });
    window.AddSettingsCommand(AskBeforeSavingWithErrors1);
    Refresh();
}

SiteReviewWindows::~SiteReviewWindows() = default;

void SiteReviewWindows::Refresh() {
    review_->Refresh();
    lblFindings->setText(review_->CountText());
    if (frmRouting->isVisible()) frmRouting->ShowRouting();
    if (frmSiteChecks->isVisible()) frmSiteChecks->ShowFindings();
}

bool SiteReviewWindows::LetSaveGoAhead() {
    if (review_->Count(Severity::Error) == 0 || !ProgramSettings(settings_).AskBeforeSavingWithErrors())
        return true;
    std::string text = kSaveWithErrorsQuestion;
    text += "\n";
    for (const SiteFinding& finding : review_->Findings())
        if (finding.severity == Severity::Error)
            text += "\n" + finding.record.Text() + ": " + finding.message;
    text += "\n\n";
    text += kSaveAnywayQuestion;
    return prompts_.Ask(PromptKind::Warning, text, PromptButtons::YesNo) == PromptAnswer::Yes;
}

void SiteReviewWindows::GoTo(const SiteFinding& finding) {
    switch (finding.record.kind) {
        case FindingRecord::Kind::Device:
            window_.ShowDeviceInSummary(finding.record.number);
            break;
        case FindingRecord::Kind::Zone:
        case FindingRecord::Kind::Group:
            Edit(EquationOf(finding));
            break;
        case FindingRecord::Kind::Site:
            window_.ShowSiteConfig();
            break;
    }
}

void SiteReviewWindows::Edit(const EquationChoice& choice) {
    EquationEditors& editors = window_.Editors();
    switch (choice.which) {
        case EquationChoice::Which::ZoneAreas:
            editors.EditZoneAreas(choice.number);
            break;
        case EquationChoice::Which::ZoneDevices:
            editors.EditZoneDevices(choice.number);
            break;
        case EquationChoice::Which::GroupPrimaryAreas:
            editors.EditGroupPrimaryAreas(choice.number);
            break;
        case EquationChoice::Which::GroupNightAreas:
            editors.EditGroupNightAreas(choice.number);
            break;
        case EquationChoice::Which::GroupDiverts:
            editors.EditGroupDiverts(choice.number);
            break;
    }
}

}  // namespace kelvane
