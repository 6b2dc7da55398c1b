#pragma once
#include <QStatusBar>
#include <array>

#include "model/LoopInfoTexts.h"

class QLabel;

namespace kelvane {

inline constexpr int kLoopInfoPanelCount = 4;

// The loop view's information bar `stbarLoopInfo`: four panels (device type,
// place name, allocation, enabled state; 200, 255, 95 and 50 pixels wide,
// the first and last wider where the font would cut their longest texts).
// Over a device tool it shows the tool's hint instead, in the first panel
// widened to 650 pixels while the middle two shrink away.
class LoopInfoBar : public QStatusBar {
    Q_OBJECT
public:
    explicit LoopInfoBar(QWidget* parent = nullptr);

    QString PanelText(int panel) const;
    int PanelWidth(int panel) const;
    bool ShowingHints() const { return showingHints_; }

    // Back to the panel widths; the bar stops showing hints.
    void ShowPanels();
    // Writes panels 0 to `count` - 1 from `texts`.
    void SetPanelTexts(const LoopInfoTexts& texts, int count = kLoopInfoPanelCount);
    // Shows `hint` in the widened first panel.
    void ShowHint(const QString& hint);

private:
    void SetPanelWidths(const std::array<int, kLoopInfoPanelCount>& widths);
    int PanelFit(int panel) const;

    std::array<QLabel*, kLoopInfoPanelCount> panels_{};
    bool showingHints_ = false;
};

}  // namespace kelvane
