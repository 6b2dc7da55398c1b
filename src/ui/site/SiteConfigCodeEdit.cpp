#include "ui/site/SiteConfigCodeEdit.h"

#include <QFocusEvent>

#include "ui/widgets/TypedLengthLimit.h"

namespace kelvane {

namespace {

// Focus that comes or goes with the whole window (another application, a
// message box, a context menu), or that the menu bar takes for the keyboard
// (Alt) and hands back, is not the user moving between controls.
bool MovesBetweenControls(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

}  // namespace

SiteConfigCodeEdit::SiteConfigCodeEdit(const QString& allowedCharacters, int maxLength, QWidget* parent)
    : QLineEdit(parent) {
    new TypedLengthLimit(this, maxLength, allowedCharacters);
}

void SiteConfigCodeEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (MovesBetweenControls(event->reason())) emit entered();
}

void SiteConfigCodeEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Leaving the page that holds the box is leaving the box; closing the
    // window is not. The owner's message box takes the focus from whatever
    // control the user moved to, never from this box, so one exit gives one
    // report.
    if (!MovesBetweenControls(event->reason()) || !window()->isVisible()) return;
    emit left();
}

}  // namespace kelvane
