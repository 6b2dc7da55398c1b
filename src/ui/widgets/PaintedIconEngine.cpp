#include "ui/widgets/PaintedIconEngine.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <utility>

namespace kelvane {

PaintedIconEngine::PaintedIconEngine(qreal designSize, Drawing drawing)
    : designSize_(designSize), drawing_(std::move(drawing)) {}

void PaintedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
    drawn.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, drawn);
}

QPixmap PaintedIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) {
    QPixmap drawn(size);
    drawn.fill(Qt::transparent);
    if (size.isEmpty()) return drawn;
    {
        QPainter p(&drawn);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        const qreal side = std::min(size.width(), size.height());
        p.translate((size.width() - side) / 2.0, (size.height() - side) / 2.0);
        p.scale(side / designSize_, side / designSize_);
        drawing_(p);
    }
    if (mode == QIcon::Normal || mode == QIcon::Active || !qApp) return drawn;
    QStyleOption option;
    option.palette = QApplication::palette();
    return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
}

QIconEngine* PaintedIconEngine::clone() const {
    return new PaintedIconEngine(designSize_, drawing_);
}

QString PaintedIconEngine::key() const {
    return QStringLiteral("KelvanePainted");
}

QIcon PaintedIconEngine::Icon(qreal designSize, Drawing drawing) {
    return QIcon(new PaintedIconEngine(designSize, std::move(drawing)));
}

}  // namespace kelvane
