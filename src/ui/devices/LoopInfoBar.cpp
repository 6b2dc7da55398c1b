#include "ui/devices/LoopInfoBar.h"

#include <QLabel>
#include <algorithm>

#include "model/DeviceCatalogue.h"
#include "model/Loop.h"
#include "qt/Latin1.h"

namespace kelvane {

namespace {

constexpr std::array<int, kLoopInfoPanelCount> kPanelWidths{200, 255, 95, 50};
constexpr std::array<int, kLoopInfoPanelCount> kHintWidths{650, 0, 0, 50};

}  // namespace

LoopInfoBar::LoopInfoBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("stbarLoopInfo"));
    setSizeGripEnabled(false);
    // The panels keep their widths; the bar does not hold the loop view
    // wider than its grid: a panel past the bar's right edge is cut there.
    QSizePolicy policy = sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    setSizePolicy(policy);
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
        label->setFixedWidth(widths[panel] > 0 ? std::max(widths[panel], PanelFit(panel)) : 0);
        label->setVisible(widths[panel] > 0);
    }
}

// A panel is widened where the font would cut the longest text it can
// hold: the first "Device Type=" and a short type name ("Network
// Controller"), the last "Enabled" or "Disabled".
int LoopInfoBar::PanelFit(int panel) const {
    QStringList texts;
    if (panel == 0) {
        for (int code = 0; code < kDeviceTypeCount; ++code)
            texts << QStringLiteral("Device Type=") + Latin1(TKLoop::DeviceTypeShortName(code));
    } else if (panel == kLoopInfoPanelCount - 1) {
        texts << QStringLiteral("Enabled") << QStringLiteral("Disabled");
    }
    const QLabel* label = panels_[panel];
    const QFontMetrics metrics = label->fontMetrics();
    int widest = 0;
    for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
    const QMargins margins = label->contentsMargins();
    return widest + margins.left() + margins.right() + 2 * label->frameWidth() + 2;
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
