#include "ui/window/TransferCommandLock.h"

#include <QAction>
#include <QActionGroup>
#include <QWidget>

namespace kelvane {

TransferCommandLock::TransferCommandLock(QObject* parent)
    : QObject(parent), actions_(new QActionGroup(this)) {
    // A disabled group holds its actions disabled whatever they are set to,
    // and gives each its own state back when it is enabled again.
    actions_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
}

void TransferCommandLock::Add(QAction* action) {
    actions_->addAction(action);
}

void TransferCommandLock::Add(QWidget* button) {
    buttons_.push_back({button, button->isEnabled()});
    Apply(buttons_.back());
}

void TransferCommandLock::SetEnabled(QWidget* button, bool enabled) {
    for (Button& added : buttons_) {
        if (added.widget != button) continue;
        added.wanted = enabled;
        Apply(added);
    }
}

void TransferCommandLock::SetLocked(bool locked) {
    const bool changed = locked != locked_;
    locked_ = locked;
    actions_->setEnabled(!locked);
    for (const Button& button : buttons_) Apply(button);
    if (changed) emit lockChanged(locked);
}

void TransferCommandLock::Apply(const Button& button) const {
    if (button.widget) button.widget->setEnabled(button.wanted && !locked_);
}

}  // namespace kelvane
