#include "report/PageMetrics.h"

#include <QSizeF>
#include <cmath>

namespace kelvane {
namespace {

int Units(double inches) {
    return static_cast<int>(std::lround(inches * kRecordingUnitsPerInch));
}

int OffsetUnits(double inches) {
    const int units = Units(inches);
    return units > 0 ? units : kDefaultPageOffset;
}

// The paper in inches as its size is defined (millimetres for A4, inches for
// Letter), so that neither picks up a rounding of the other's units.
QSizeF PaperInches(const QPageSize& size) {
    if (size.definitionUnits() == QPageSize::Inch) return size.size(QPageSize::Inch);
    return size.size(QPageSize::Millimeter) / 25.4;
}

}  // namespace

TPageMetrics MetricsOf(const QPageLayout& layout) {
    QSizeF paper = PaperInches(layout.pageSize());
    if (layout.orientation() == QPageLayout::Landscape) paper.transpose();
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter) / 25.4;
    TPageMetrics metrics;
    metrics.PageWidth = Units(paper.width());
    metrics.PageHeight = Units(paper.height());
    metrics.PageOffsetX = OffsetUnits(margins.left());
    metrics.PageOffsetY = OffsetUnits(margins.top());
    return metrics;
}

QPageSize LocaleDefaultPageSize(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

}  // namespace kelvane
