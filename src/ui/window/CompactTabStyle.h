#pragma once
#include <QProxyStyle>

namespace kelvane {

// The window's own style with narrower blank space either side of a tab's
// caption, so that every page of the main window has its tab in one row at
// the window's standard width instead of behind scroll arrows.
class CompactTabStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace kelvane
