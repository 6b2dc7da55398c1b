#include "print/PreviewLayout.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kelvane {
namespace {

constexpr int kGap = 20;

// Inches of paper that `units` device units at `unitsPerInch` make.
double Inches(int units, int unitsPerInch) {
    return unitsPerInch > 0 ? double(units) / unitsPerInch : 0.0;
}

double FitFactor(int clientLength, int screenDpi, double paperInches) {
    if (screenDpi <= 0 || paperInches <= 0.0) return 1.0;
    return double(clientLength - kGap) / screenDpi / paperInches;
}

}  // namespace

const QStringList& ZoomEntryTexts() {
    static const QStringList kTexts = {
        QStringLiteral("Fit To Page"), QStringLiteral("Fit To Width"), QStringLiteral("Custom"),
        QStringLiteral("25%"),         QStringLiteral("50%"),          QStringLiteral("75%"),
        QStringLiteral("100%"),        QStringLiteral("125%"),         QStringLiteral("150%"),
        QStringLiteral("200%"),        QStringLiteral("300%"),         QStringLiteral("400%")};
    return kTexts;
}

double ZoomFactor(const TPreviewLayoutInput& input) {
    static constexpr std::array<double, kZoomEntryCount> kFixed = {0,   0,    0,   0.25, 0.5, 0.75,
                                                                   1.0, 1.25, 1.5, 2.0,  3.0, 4.0};
    const TPageMetrics& page = input.metrics;
    switch (input.zoomEntry) {
        case zeFitToPage:
            return FitFactor(input.client.height(), input.screenDpiY,
                             Inches(page.PageHeight, page.PixelsPerInchY));
        case zeFitToWidth:
            return FitFactor(input.client.width(), input.screenDpiX,
                             Inches(page.PageWidth, page.PixelsPerInchX));
        case zeCustom:
            return input.currentZoom;
        default:
            if (input.zoomEntry > zeCustom && input.zoomEntry < kZoomEntryCount)
                return kFixed[static_cast<std::size_t>(input.zoomEntry)];
            return 1.0;
    }
}

TPreviewLayout LayOutPreview(const TPreviewLayoutInput& input) {
    TPreviewLayout layout;
    layout.zoom = ZoomFactor(input);
    layout.twoPages = input.twoPages && input.zoomEntry == zeFitToPage;
    const TPageMetrics& page = input.metrics;
    layout.panel = QSize(
        int(std::lround(input.screenDpiX * layout.zoom * Inches(page.PageWidth, page.PixelsPerInchX))),
        int(std::lround(input.screenDpiY * layout.zoom * Inches(page.PageHeight, page.PixelsPerInchY))));

    const int pages = layout.twoPages ? 2 : 1;
    const int totalWidth = pages * (layout.panel.width() + kGap);
    layout.container = QSize(std::max(totalWidth, input.client.width() - 1),
                             std::max(layout.panel.height() + kGap, input.client.height() - 1));

    const int top = layout.panel.height() + kGap < layout.container.height()
                        ? layout.container.height() / 2 - layout.panel.height() / 2
                        : kGap / 2;
    const int left = totalWidth < layout.container.width()
                         ? layout.container.width() / 2 - (totalWidth - kGap) / 2
                         : kGap / 2;
    layout.firstPanel = QPoint(left, top);
    layout.secondPanel = QPoint(left + layout.panel.width() + kGap, top);
    return layout;
}

}  // namespace kelvane
