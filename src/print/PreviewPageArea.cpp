#include "print/PreviewPageArea.h"

#include <QPainter>
#include <QPicture>

#include "report/PageReplay.h"
#include "report/PrevPrinter.h"

namespace kelvane {

TPreviewPageArea::TPreviewPageArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setStatusTip(
        QStringLiteral("Page View.  With Zoom Tool, left or right click to zoom in/out.  Click & drag with "
                       "Hand Tool to pan."));
}

void TPreviewPageArea::SetPage(const TPreviewPrinter* printer, int index) {
    printer_ = printer;
    index_ = index;
    update();
}

bool TPreviewPageArea::HasPage() const {
    return printer_ && index_ >= 0 && index_ < printer_->PageCount();
}

void TPreviewPageArea::SetGrid(bool shown) {
    grid_ = shown;
    update();
}

void TPreviewPageArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!HasPage() || printer_->Printing()) return;
    const TPageMetrics& metrics = printer_->Metrics();
    if (metrics.PageWidth <= 0 || metrics.PageHeight <= 0) return;
    const double scaleX = double(width()) / metrics.PageWidth;
    const double scaleY = double(height()) / metrics.PageHeight;
    painter.setRenderHint(QPainter::TextAntialiasing);
    ReplayPage(painter, printer_->Page(index_), scaleX, scaleY);
    if (grid_) DrawGrid(painter, metrics, scaleX, scaleY);
}

void TPreviewPageArea::DrawGrid(QPainter& painter, const TPageMetrics& metrics, double scaleX,
                                double scaleY) const {
    painter.setPen(QPen(QColor(192, 192, 192), 0));
    const double bottom = metrics.PageHeight * scaleY;
    const double right = metrics.PageWidth * scaleX;
    for (int i = 1; i <= metrics.PageWidth / metrics.PixelsPerInchX; ++i) {
        const double x = i * metrics.PixelsPerInchX * scaleX;
        painter.drawLine(QPointF(x, 0), QPointF(x, bottom));
    }
    for (int j = 1; j <= metrics.PageHeight / metrics.PixelsPerInchY; ++j) {
        const double y = j * metrics.PixelsPerInchY * scaleY;
        painter.drawLine(QPointF(0, y), QPointF(right, y));
    }
}

}  // namespace kelvane
