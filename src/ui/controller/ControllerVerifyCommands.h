#pragma once
#include <QObject>

#include "compare/ControllerVerify.h"
#include "core/ProgramSettings.h"
#include "core/Prompts.h"
#include "model/Data.h"
#include "transfer/TransferSession.h"

namespace kelvane {

class TfrmMain;

// The desktop program's verify: the tool bar's whole save, read back and
// compared with the open site when "Verify after saving" is ticked (kept in
// the window's per-user settings as "Verify After Saving", on when none is
// stored), and Controller > "Compare with Controller". The
// result is a message when the controller holds the site, otherwise the
// differences dialog, which offers to save the differing records again.
class ControllerVerifyCommands : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kHoldsOpenSiteText =
        "The controller holds the same configuration as the open site.";

    ControllerVerifyCommands(TfrmMain& frmMain, const TData& data, TransferSession& session,
                             Prompts& prompts);

    // Saves everything to the controller, then verifies when the option is on.
    void SaveAllToController();
    void CompareWithController();

    ControllerVerify& Verify() { return verify_; }

private:
    // Shown once the transfer's handlers have returned, so that no message
    // waits inside them.
    void ShowResult(const ControllerVerify::Result& result);
    void ShowDifferences(const ControllerVerify::Result& result);

    TfrmMain& frmMain_;
    TransferSession& session_;
    Prompts& prompts_;
    ProgramSettings settings_;
    ControllerVerify verify_;
};

}  // namespace kelvane
