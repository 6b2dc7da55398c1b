#pragma once
#include <QDialog>

#include "transfer/TransferStatus.h"

class QFrame;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace kelvane {

class CaptionBar;

// The status window: one view of a TransferStatus (text, progress, Cancel and
// the load or save check list). It follows every change of the status and
// shows or hides itself with it, modeless, centred on its parent window (on
// the screen when it has none, as for the start-up splash).
class TfrmStatus : public QDialog {
    Q_OBJECT
public:
    explicit TfrmStatus(TransferStatus& status, QWidget* parent = nullptr);
    ~TfrmStatus() override;

    // The point size of the status text (10 for the splash, 8 otherwise).
    void SetTextPointSize(int points);

    QFrame* pnlBack;
    QLabel* pnlStatus;
    QProgressBar* Progress;
    // Which part of a transfer of several runs is under way (hidden otherwise).
    QLabel* lblPhase;
    // What the link waits for when the controller has not answered for a while.
    QLabel* lblWaiting;
    QPushButton* btnCancel;
    QListWidget* StatusList;
    QListWidget* StatusList1;

protected:
    // Only the transfer closes the window: Escape and the window system do not.
    void reject() override {}
    void closeEvent(QCloseEvent* event) override;

private:
    void StatusChanged();
    void btnCancelClick();
    void CentreOnParent();
    // The window's outer width; the title bar and the content follow it.
    void SetWidth(int width);

    TransferStatus& status_;
    CaptionBar* bar_;
    QWidget* body_;  // everything below the title bar
};

}  // namespace kelvane
