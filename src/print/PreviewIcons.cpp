#include "print/PreviewIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "ui/widgets/PaintedIconEngine.h"

namespace kelvane {
namespace {

constexpr int kSize = 24;
const QColor kInk(40, 40, 40);
const QColor kPaper(250, 250, 245);
const QColor kBlue(30, 90, 170);
const QColor kRed(180, 30, 30);

void DrawSheet(QPainter& p, const QRectF& sheet) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(sheet);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (qreal y = sheet.top() + 4; y < sheet.bottom() - 2; y += 3)
        p.drawLine(QPointF(sheet.left() + 3, y), QPointF(sheet.right() - 3, y));
}

// A solid arrow head pointing right (or left), with a bar before it for the
// first and last page.
void DrawArrow(QPainter& p, bool right, bool bar) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    const qreal tip = right ? 17 : 7;
    const qreal back = right ? 9 : 15;
    p.drawPolygon(QPolygonF({QPointF(back, 5), QPointF(tip, 12), QPointF(back, 19)}));
    if (bar) p.drawRect(QRectF(right ? 17 : 4, 5, 3, 14));
}

void DrawLens(QPainter& p, const QPointF& centre, qreal radius) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(220, 235, 250));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(kInk, 3.5, Qt::SolidLine, Qt::RoundCap));
    const qreal reach = radius * 0.72;
    p.drawLine(centre + QPointF(reach, reach), centre + QPointF(radius * 1.9, radius * 1.9));
}

void DrawHand(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(245, 215, 180));
    QPainterPath hand;
    hand.addRoundedRect(QRectF(6, 10, 13, 11), 4, 4);
    for (int finger = 0; finger < 4; ++finger)
        hand.addRoundedRect(QRectF(6 + finger * 3.3, 3, 3, 10), 1.5, 1.5);
    hand.addRoundedRect(QRectF(2, 11, 6, 3), 1.5, 1.5);
    p.drawPath(hand.simplified());
}

void Draw(QPainter& p, PreviewIcon icon) {
    switch (icon) {
        case PreviewIcon::First:
            DrawArrow(p, false, true);
            break;
        case PreviewIcon::Previous:
            DrawArrow(p, false, false);
            break;
        case PreviewIcon::Next:
            DrawArrow(p, true, false);
            break;
        case PreviewIcon::Last:
            DrawArrow(p, true, true);
            break;
        case PreviewIcon::GoToPage:
            DrawSheet(p, QRectF(4, 2, 13, 18));
            p.setPen(QPen(kBlue, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(11, 16), QPointF(21, 16));
            p.drawLine(QPointF(21, 16), QPointF(17, 12));
            p.drawLine(QPointF(21, 16), QPointF(17, 20));
            break;
        case PreviewIcon::FitPage:
            DrawSheet(p, QRectF(6, 2, 12, 20));
            p.setPen(QPen(kBlue, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(3, 1, 18, 22));
            break;
        case PreviewIcon::FitWidth:
            DrawSheet(p, QRectF(3, 4, 18, 18));
            p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(2, 2), QPointF(22, 2));
            p.drawLine(QPointF(2, 2), QPointF(5, 0));
            p.drawLine(QPointF(22, 2), QPointF(19, 0));
            break;
        case PreviewIcon::Zoom:
            DrawLens(p, QPointF(10, 10), 6);
            break;
        case PreviewIcon::Hand:
            DrawHand(p);
            break;
        case PreviewIcon::ExportPdf:
            DrawSheet(p, QRectF(4, 2, 16, 20));
            p.setPen(Qt::NoPen);
            p.setBrush(kRed);
            p.drawRect(QRectF(2, 12, 20, 8));
            p.setPen(QPen(Qt::white, 1.6));
            p.setFont(QFont(QStringLiteral("Sans"), 5, QFont::Bold));
            p.drawText(QRectF(2, 12, 20, 8), Qt::AlignCenter, QStringLiteral("PDF"));
            break;
    }
}

}  // namespace

QIcon MakePreviewIcon(PreviewIcon icon) {
    return PaintedIconEngine::Icon(kSize, [icon](QPainter& p) { Draw(p, icon); });
}

QCursor MakeZoomCursor() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    DrawLens(p, QPointF(11, 11), 8);
    p.setPen(QPen(kInk, 1.6));
    p.drawLine(QPointF(7, 11), QPointF(15, 11));
    p.drawLine(QPointF(11, 7), QPointF(11, 15));
    p.end();
    return QCursor(pixmap, 11, 11);
}

}  // namespace kelvane
