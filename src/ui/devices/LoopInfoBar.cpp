#include "ui/devices/LoopInfoBar.h"

#include <QLabel>
#include <algorithm>

#include "qt/Latin1.h"

namespace kelvane {

namespace {

constexpr std::array<int, kLoopInfoPanelCount> kPanelWidths{200, 255, 95, 50};
constexpr std::array<int, kLoopInfoPanelCount> kHintWidths{650, 0, 0, 50};

}  // namespace

LoopInfoBar::LoopInfoBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("stbarLoopInfo"));
    setSizeGripEnabled(false);
    for (int panel = 0; panel < kLoopInfoPanelCount; ++panel) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(panel));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(2, 0, 2, 0);
        addWidget(label);
        panels_[panel] = label;
    }
    SetPanelTexts(LoopInfoStartTexts());
    SetPanelWidths(kPanelWidths);
}

QString LoopInfoBar::PanelText(int panel) const {
    return panels_.at(panel)->text();
}

int LoopInfoBar::PanelWidth(int panel) const {
    const QLabel* label = panels_.at(panel);
    return label->isHidden() ? 0 : label->width();
}

void LoopInfoBar::SetPanelWidths(const std::array<int, kLoopInfoPanelCount>& widths) {
    for (int panel = 0; panel < kLoopInfoPanelCount; ++panel) {
        QLabel* label = panels_[panel];
        label->setFixedWidth(panel == kLoopInfoPanelCount - 1 ? std::max(widths[panel], LastPanelFit())
                                                              : widths[panel]);
        label->setVisible(widths[panel] > 0);
    }
}

// The last panel holds only "Enabled" or "Disabled": it is widened where the
// font would otherwise cut them.
int LoopInfoBar::LastPanelFit() const {
    const QLabel* label = panels_.back();
    const QFontMetrics metrics = label->fontMetrics();
    const QMargins margins = label->contentsMargins();
    return std::max(metrics.horizontalAdvance(QStringLiteral("Disabled")),
                    metrics.horizontalAdvance(QStringLiteral("Enabled"))) +
           margins.left() + margins.right() + 2 * label->frameWidth() + 2;
}

void LoopInfoBar::ShowPanels() {
    showingHints_ = false;
    SetPanelWidths(kPanelWidths);
}

void LoopInfoBar::SetPanelTexts(const LoopInfoTexts& texts, int count) {
    for (int panel = 0; panel < count && panel < kLoopInfoPanelCount; ++panel)
        panels_[panel]->setText(Latin1(texts[panel]));
}

void LoopInfoBar::ShowHint(const QString& hint) {
    showingHints_ = true;
    SetPanelWidths(kHintWidths);
    panels_[0]->setText(hint);
}

}  // namespace kelvane
