#include "print/PreviewPageArea.h"

#include <QPainter>
#include <QPicture>

#include "print/PageReplay.h"

namespace kelvane {

TPreviewPageArea::TPreviewPageArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setStatusTip(
        QStringLiteral("Page View.  With Zoom Tool, left or right click to zoom in/out.  Click && drag with "
                       "Hand Tool to pan."));
}

void TPreviewPageArea::SetPage(const QPicture* page, const TPageMetrics& metrics) {
    page_ = page;
    metrics_ = metrics;
    update();
}

void TPreviewPageArea::SetGrid(bool shown) {
    grid_ = shown;
    update();
}

void TPreviewPageArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!page_ || metrics_.PageWidth <= 0 || metrics_.PageHeight <= 0) return;
    const double scaleX = double(width()) / metrics_.PageWidth;
    const double scaleY = double(height()) / metrics_.PageHeight;
    painter.setRenderHint(QPainter::TextAntialiasing);
    ReplayPage(painter, *page_, scaleX, scaleY);
    if (grid_) DrawGrid(painter, scaleX, scaleY);
}

void TPreviewPageArea::DrawGrid(QPainter& painter, double scaleX, double scaleY) const {
    painter.setPen(QPen(QColor(192, 192, 192), 0));
    const double bottom = metrics_.PageHeight * scaleY;
    const double right = metrics_.PageWidth * scaleX;
    for (int i = 1; i <= metrics_.PageWidth / metrics_.PixelsPerInchX; ++i) {
        const double x = i * metrics_.PixelsPerInchX * scaleX;
        painter.drawLine(QPointF(x, 0), QPointF(x, bottom));
    }
    for (int j = 1; j <= metrics_.PageHeight / metrics_.PixelsPerInchY; ++j) {
        const double y = j * metrics_.PixelsPerInchY * scaleY;
        painter.drawLine(QPointF(0, y), QPointF(right, y));
    }
}

}  // namespace kelvane
