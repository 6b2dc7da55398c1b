#pragma once
#include <QSpinBox>

#include "model/SiteSettingRules.h"

namespace kelvane {

// A timeout in whole minutes, 1 to 8. While the user types, the box holds any
// whole number so that its owner sees every change; the arrows step within
// 1..8, and leaving the box sets a number outside 1..8 back to the nearest
// limit.
class SiteConfigTimeoutBox : public QSpinBox {
    Q_OBJECT
public:
    static constexpr int kMinimum = kMinimumTimeout;
    static constexpr int kMaximum = kMaximumTimeout;

    explicit SiteConfigTimeoutBox(QWidget* parent = nullptr);

    // Shows `minutes`, set back into 1..8.
    void SetClampedValue(int minutes);
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace kelvane
