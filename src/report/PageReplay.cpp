#include "report/PageReplay.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QSaveFile>

namespace kelvane {

void ReplayPage(QPainter& painter, const QPicture& page, double scaleX, double scaleY) {
    const QPaintDevice* device = painter.device();
    painter.save();
    painter.scale(scaleX * page.logicalDpiX() / device->logicalDpiX(),
                  scaleY * page.logicalDpiY() / device->logicalDpiY());
    painter.drawPicture(0, 0, page);
    painter.restore();
}

void ReplayOntoPaper(QPainter& painter, const QPicture& page) {
    QPaintDevice* device = painter.device();
    painter.save();
    // The painter of a paged device starts at the printable area's corner.
    if (const auto* paged = dynamic_cast<QPagedPaintDevice*>(device)) {
        const QPageLayout layout = paged->pageLayout();
        if (layout.mode() == QPageLayout::StandardMode)
            painter.translate(-QPointF(layout.paintRectPixels(device->logicalDpiX()).topLeft()));
    }
    ReplayPage(painter, page, double(device->logicalDpiX()) / kRecordingUnitsPerInch,
               double(device->logicalDpiY()) / kRecordingUnitsPerInch);
    painter.restore();
}

bool WritePdf(const QString& path, const std::vector<const QPicture*>& pages, const TPageMetrics& metrics,
              const QString& title) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kRecordingUnitsPerInch);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Kelvane Tools"));
        const bool landscape = metrics.PageWidth > metrics.PageHeight;
        QSizeF paper(double(metrics.PageWidth) / kRecordingUnitsPerInch,
                     double(metrics.PageHeight) / kRecordingUnitsPerInch);
        if (landscape) paper.transpose();
        writer.setPageLayout(QPageLayout(QPageSize(paper, QPageSize::Inch),
                                         landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return false;
        }
        for (std::size_t index = 0; index < pages.size(); ++index) {
            if (index > 0) writer.newPage();
            ReplayOntoPaper(painter, *pages[index]);
        }
        painter.end();
    }
    return file.commit();
}

}  // namespace kelvane
