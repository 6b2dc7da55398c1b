#pragma once
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>

namespace kelvane {

// Every page is recorded in these units, whatever the resolution of the
// printer, the screen or the PDF it is later replayed on. The report's fixed
// offsets are laid out for them.
inline constexpr int kRecordingUnitsPerInch = 600;
// The unprintable margin assumed where the paper has none (a PDF, no
// printer installed): one sixth of an inch, that of common laser printers.
inline constexpr int kDefaultPageOffset = kRecordingUnitsPerInch / 6;

// The page metrics of a recorded page, in recording units: the physical
// paper size, and the unprintable margins at the left and the top.
struct TPageMetrics {
    int PixelsPerInchX = kRecordingUnitsPerInch;
    int PixelsPerInchY = kRecordingUnitsPerInch;
    int PageWidth = 0;
    int PageHeight = 0;
    int PageOffsetX = 0;
    int PageOffsetY = 0;

    bool operator==(const TPageMetrics&) const = default;
};

// The metrics of a page laid out as `layout` (its orientation applied). A
// margin of nothing becomes kDefaultPageOffset.
TPageMetrics MetricsOf(const QPageLayout& layout);

// The paper a locale uses by default: Letter where US customary measures
// are used, A4 elsewhere.
QPageSize LocaleDefaultPageSize(const QLocale& locale = QLocale::system());

}  // namespace kelvane
