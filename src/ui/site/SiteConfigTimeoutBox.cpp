#include "ui/site/SiteConfigTimeoutBox.h"

#include <algorithm>

namespace kelvane {

namespace {
// Wide enough for anything three characters can type.
constexpr int kTypingMinimum = -99;
constexpr int kTypingMaximum = 999;
}  // namespace

SiteConfigTimeoutBox::SiteConfigTimeoutBox(QWidget* parent) : QSpinBox(parent) {
    setRange(kTypingMinimum, kTypingMaximum);
    setValue(kMinimum);
}

void SiteConfigTimeoutBox::SetClampedValue(int minutes) {
    setValue(std::clamp(minutes, kMinimum, kMaximum));
}

void SiteConfigTimeoutBox::stepBy(int steps) {
    const int target = std::clamp(value() + steps, kMinimum, kMaximum);
    QSpinBox::stepBy(target - value());
}

QAbstractSpinBox::StepEnabled SiteConfigTimeoutBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() < kMaximum) enabled |= StepUpEnabled;
    if (value() > kMinimum) enabled |= StepDownEnabled;
    return enabled;
}

void SiteConfigTimeoutBox::focusOutEvent(QFocusEvent* event) {
    QSpinBox::focusOutEvent(event);
    SetClampedValue(value());
}

}  // namespace kelvane
