#include "ui/widgets/HeldTabNotice.h"

#include <QMouseEvent>
#include <QTabBar>
#include <utility>

namespace kelvane {

HeldTabNotice::HeldTabNotice(QTabBar* tabs, std::function<void(const QString&)> show)
    : QObject(tabs), tabs_(tabs), show_(std::move(show)) {
    tabs_->installEventFilter(this);
}

bool HeldTabNotice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabs_ && event->type() == QEvent::MouseButtonPress) {
        const int tab = tabs_->tabAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (tab >= 0 && !tabs_->isTabEnabled(tab) && !tabs_->tabToolTip(tab).isEmpty()) {
            show_(tabs_->tabToolTip(tab));
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kelvane
