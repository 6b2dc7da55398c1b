#pragma once
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

#include "ui/placenames/TOKCustomNameDlg.h"

namespace kelvane::test {

// Answers the next "Update Custom Place Names" question (shown modally by
// Convert): ticks the box or not, then presses "Begin" or "Cancel".
// `tickedOnShow` receives whether the box was ticked when it came up.
inline void AnswerCustomNameDialog(bool tick, bool begin, bool* tickedOnShow = nullptr) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<TOKCustomNameDlg*>(QApplication::activeModalWidget());
        if (!dialog) return;
        if (tickedOnShow) *tickedOnShow = dialog->chkBox1->isChecked();
        dialog->chkBox1->setChecked(tick);
        (begin ? dialog->OKBtn : dialog->CancelBtn)->click();
    });
}

}  // namespace kelvane::test
