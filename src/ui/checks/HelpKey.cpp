#include "ui/checks/HelpKey.h"

#include <QKeyEvent>
#include <QWidget>
#include <utility>

namespace kelvane {

HelpKey::HelpKey(QWidget& window, std::function<void()> showHelp)
    : QObject(&window), showHelp_(std::move(showHelp)) {
    window.installEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    const bool override = event->type() == QEvent::ShortcutOverride;
    if ((override || event->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        // Taken before the main window's F1 shortcut sees it.
        event->accept();
        if (!override) showHelp_();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kelvane
