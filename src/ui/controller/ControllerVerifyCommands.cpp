#include "ui/controller/ControllerVerifyCommands.h"

#include <QAction>
#include <QTimer>

#include "ui/controller/TfrmDifferences.h"
#include "ui/window/MainWindow.h"

namespace kelvane {

ControllerVerifyCommands::ControllerVerifyCommands(TfrmMain& frmMain, const TData& data,
                                                   TransferSession& session, Prompts& prompts)
    : frmMain_(frmMain),
      session_(session),
      prompts_(prompts),
      settings_(frmMain.Settings()),
      verify_(session, data) {
    QAction& verifyAfterSaving = frmMain_.VerifyAfterSavingCommand();
    verifyAfterSaving.setChecked(settings_.VerifyAfterSaving());
    connect(&verifyAfterSaving, &QAction::toggled, this,
            [this](bool checked) { settings_.SetVerifyAfterSaving(checked); });
    connect(&frmMain_.DifferencesWindow(), &TfrmDifferences::saveAgainRequested, this, [this] {
        if (!frmMain_.DifferencesWindow().Differences().empty())
            verify_.ResaveAndVerify(frmMain_.DifferencesWindow().Differences());
    });
    verify_.OnFinished = [this](const ControllerVerify::Result& result) {
        QTimer::singleShot(0, this, [this, result] { ShowResult(result); });
    };
}

void ControllerVerifyCommands::SaveAllToController() {
    if (verify_.Busy()) return;
    if (frmMain_.VerifyAfterSavingCommand().isChecked()) {
        verify_.SaveAndVerify();
    } else {
        session_.Chains().SaveAllToPanel();
    }
}

void ControllerVerifyCommands::CompareWithController() {
    verify_.Verify();
}

void ControllerVerifyCommands::ShowResult(const ControllerVerify::Result& result) {
    if (!result.Compared) {
        // A failed save has given its own message already.
        if (result.Saved) prompts_.Warning(ControllerVerify::kNotReadBackText);
        return;
    }
    if (!result.Differences.empty()) {
        ShowDifferences(result);
        return;
    }
    prompts_.Information(result.Kind == ControllerVerify::Run::Verify ? kHoldsOpenSiteText
                                                                      : ControllerVerify::kHoldsSavedText);
}

void ControllerVerifyCommands::ShowDifferences(const ControllerVerify::Result& result) {
    const bool afterSaving = result.Kind != ControllerVerify::Run::Verify;
    const std::size_t count = result.Differences.size();
    const QString fields = count == 1 ? QStringLiteral("1 field") : QStringLiteral("%1 fields").arg(count);
    const QString heading =
        afterSaving
            ? QStringLiteral("The controller does not hold the configuration that was saved: %1 differ%2.")
                  .arg(fields, count == 1 ? QStringLiteral("s") : QString())
            : QStringLiteral("The controller holds a configuration that differs from the open site in %1.")
                  .arg(fields);
    frmMain_.DifferencesWindow().ShowDifferences(
        afterSaving ? QStringLiteral("Verify") : QStringLiteral("Compare with Controller"), heading,
        QStringLiteral("This site"), QStringLiteral("Controller"), result.Differences, true);
}

}  // namespace kelvane
