#include "ui/site/SiteConfigReturnChain.h"

#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

namespace kelvane {

SiteConfigReturnChain::SiteConfigReturnChain(QObject* parent) : QObject(parent) {}

void SiteConfigReturnChain::Append(QWidget* box) {
    boxes_.push_back(box);
    box->installEventFilter(this);
}

bool SiteConfigReturnChain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    const auto found = std::find(boxes_.begin(), boxes_.end(), watched);
    if (found == boxes_.end()) return false;
    const auto next = std::next(found) == boxes_.end() ? boxes_.begin() : std::next(found);
    (*next)->setFocus(Qt::TabFocusReason);
    return true;
}

}  // namespace kelvane
