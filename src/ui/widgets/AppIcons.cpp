#include "ui/widgets/AppIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <memory>

#include "ui/widgets/PaintedIconEngine.h"

// The program's drawing lives in this library's resources, which a static
// library must register itself.
static void InitIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace kelvane {

namespace {

constexpr int kSize = 24;
const QColor kInk(40, 40, 40);
const QColor kPaper(250, 250, 245);
const QColor kBlue(30, 90, 170);
const QColor kGreen(30, 140, 60);
const QColor kAmber(220, 150, 20);

void DrawSheet(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(5, 2);
    sheet.lineTo(14, 2);
    sheet.lineTo(19, 7);
    sheet.lineTo(19, 22);
    sheet.lineTo(5, 22);
    sheet.closeSubpath();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({QPointF(14, 2), QPointF(14, 7), QPointF(19, 7)}));
}

void DrawFolder(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kAmber);
    p.drawRect(QRectF(2, 7, 20, 14));
    p.drawRect(QRectF(2, 4, 8, 3));
}

void DrawDisk(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 3, 10, 6));
    p.drawRect(QRectF(6, 13, 12, 8));
}

void DrawPrinter(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 2, 10, 7));
    p.setBrush(QColor(150, 150, 150));
    p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 15, 10, 7));
}

// The controller: a box with a display.
void DrawControllerBox(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(12, 3, 10, 18));
    p.setBrush(kGreen);
    p.drawRect(QRectF(14, 5, 6, 4));
}

// The controller with an arrow in or out of it.
void DrawController(QPainter& p, bool towardsController) {
    DrawControllerBox(p);
    p.setPen(QPen(towardsController ? kBlue : kGreen, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 14), QPointF(10, 14));
    const qreal tip = towardsController ? 10 : 2;
    constexpr qreal back = 6;
    p.drawLine(QPointF(tip, 14), QPointF(back, 10));
    p.drawLine(QPointF(tip, 14), QPointF(back, 18));
}

// The controller with a tick beside it: what it holds is checked.
void DrawCheckedController(QPainter& p) {
    DrawControllerBox(p);
    p.setPen(QPen(kBlue, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(2, 13), QPointF(5, 17), QPointF(10, 8)}));
}

void DrawPlus(QPainter& p) {
    p.setPen(QPen(kGreen, 2.5));
    p.drawLine(QPointF(17, 13), QPointF(17, 21));
    p.drawLine(QPointF(13, 17), QPointF(21, 17));
}

void DrawPencil(QPainter& p) {
    p.setPen(QPen(kAmber.darker(), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 22), QPointF(22, 13));
}

// An arrow that turns back to the left (Undo), or mirrored to the right (Redo).
void DrawTurningArrow(QPainter& p, bool forwards) {
    if (forwards) {
        p.translate(kSize, 0);
        p.scale(-1, 1);
    }
    QPainterPath bow;
    bow.moveTo(19, 20);
    bow.cubicTo(21, 9, 14, 7, 8, 10);
    p.setPen(QPen(kBlue, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bow);
    p.setPen(QPen(kBlue, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({QPointF(2, 12), QPointF(9, 5), QPointF(10, 15)}));
}

void DrawTool(QPainter& p, ToolIcon icon) {
    switch (icon) {
        case ToolIcon::New:
            DrawSheet(p);
            DrawPlus(p);
            break;
        case ToolIcon::Open:
            DrawFolder(p);
            break;
        case ToolIcon::Save:
            DrawDisk(p);
            break;
        case ToolIcon::SaveAs:
            DrawDisk(p);
            DrawPencil(p);
            break;
        case ToolIcon::Print:
            DrawPrinter(p);
            break;
        case ToolIcon::LoadFromController:
            DrawController(p, false);
            break;
        case ToolIcon::SaveToController:
            DrawController(p, true);
            break;
        case ToolIcon::CompareWithController:
            DrawCheckedController(p);
            break;
        case ToolIcon::Undo:
            DrawTurningArrow(p, false);
            break;
        case ToolIcon::Redo:
            DrawTurningArrow(p, true);
            break;
    }
}

}  // namespace

QIcon MakeToolIcon(ToolIcon icon) {
    return PaintedIconEngine::Icon(kSize, [icon](QPainter& p) { DrawTool(p, icon); });
}

QIcon MakeProgramIcon() {
    InitIconResources();
    auto renderer = std::make_shared<QSvgRenderer>(QStringLiteral(":/kelvane-tools.svg"));
    const QRectF box = renderer->viewBoxF();
    return PaintedIconEngine::Icon(box.width(), [renderer, box](QPainter& p) {
        renderer->render(&p, QRectF(QPointF(0, 0), box.size()));
    });
}

}  // namespace kelvane
