#include "ui/devices/LoopDrawGrid.h"

#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "model/DeviceCatalogue.h"
#include "model/Loop.h"
#include "ui/devices/DeviceImages.h"

namespace kelvane {

namespace {

// Inside a cell: the coloured frame, the picture 2 pixels into it, the address.
constexpr int kFrameSide = 53;
constexpr int kPictureInset = 2;
constexpr QPoint kAddressOrigin(20, 57);
const QColor kEnabledFrame(0, 255, 0);
const QColor kDisabledFrame(255, 0, 0);

QColor Blend(const QColor& base, const QColor& tint, qreal amount) {
    return QColor::fromRgbF(base.redF() + (tint.redF() - base.redF()) * amount,
                            base.greenF() + (tint.greenF() - base.greenF()) * amount,
                            base.blueF() + (tint.blueF() - base.blueF()) * amount);
}

}  // namespace

LoopDrawGrid::LoopDrawGrid(const TKLoop& loop, const DeviceImages& images, QWidget* parent)
    : QAbstractScrollArea(parent), loop_(loop), images_(images) {
    setObjectName(QStringLiteral("dwgLoop"));
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
    viewport()->setMouseTracking(true);
    // Everything exposed is painted over, so Qt need not clear it first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(kLoopCellHeight / 4);
    horizontalScrollBar()->setSingleStep(kLoopCellWidth / 4);
    UpdateScrollBars();
}

QSize LoopDrawGrid::sizeHint() const {
    return {10 * kLoopCellWidth + 20, 5 * kLoopCellHeight};
}

void LoopDrawGrid::SetGridSize(int columns, int rows) {
    columns_ = std::max(columns, 1);
    rows_ = std::max(rows, 0);
    if (hover_ > columns_ * rows_) hover_ = 0;
    UpdateScrollBars();
    ScrollToAddress(selected_);
    RepaintAll();
}

int LoopDrawGrid::AddressAt(QPoint position) const {
    const int x = position.x() + horizontalScrollBar()->value();
    const int y = position.y() + verticalScrollBar()->value();
    if (x < 0 || y < 0) return 0;
    const int column = x / kLoopCellWidth;
    const int row = y / kLoopCellHeight;
    if (column >= columns_ || row >= rows_) return 0;
    return column + row * columns_ + 1;
}

QRect LoopDrawGrid::CellRect(int address) const {
    const int index = address - 1;
    return {(index % columns_) * kLoopCellWidth - horizontalScrollBar()->value(),
            (index / columns_) * kLoopCellHeight - verticalScrollBar()->value(), kLoopCellWidth,
            kLoopCellHeight};
}

void LoopDrawGrid::SetSelectedAddress(int address) {
    if (address < 1 || address > loop_.NoLoopDevices() || address == selected_) return;
    RepaintAddress(selected_);
    selected_ = address;
    ScrollToAddress(address);
    RepaintAddress(address);
    emit selectionMoved(address);
}

void LoopDrawGrid::RepaintAddress(int address) {
    if (address >= 1) viewport()->update(CellRect(address));
}

void LoopDrawGrid::RepaintAll() {
    viewport()->update();
}

// ---- painting ---------------------------------------------------------------

void LoopDrawGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect exposed = event->rect();
    painter.fillRect(exposed, palette().color(QPalette::Button));
    painter.setFont(font());
    const int left = exposed.left() + horizontalScrollBar()->value();
    const int top = exposed.top() + verticalScrollBar()->value();
    const int firstColumn = std::max(left / kLoopCellWidth, 0);
    const int lastColumn = std::min((left + exposed.width() - 1) / kLoopCellWidth, columns_ - 1);
    const int firstRow = std::max(top / kLoopCellHeight, 0);
    const int lastRow = std::min((top + exposed.height() - 1) / kLoopCellHeight, rows_ - 1);
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const int address = column + row * columns_ + 1;
            PaintCell(painter, address, CellRect(address));
        }
}

void LoopDrawGrid::PaintCell(QPainter& painter, int address, const QRect& cell) const {
    // Past the last address the cell stays button face.
    if (address > loop_.NoLoopDevices()) return;
    const QPalette& colours = palette();
    const QColor face = colours.color(QPalette::Button);
    const QColor highlight = colours.color(QPalette::Highlight);
    if (address == selected_) {
        // The selection mark: a tinted cell with an edge, stronger while the
        // grid has the focus; the device frame is drawn over it untouched.
        const bool focused = hasFocus();
        painter.fillRect(cell, Blend(face, highlight, focused ? 0.35 : 0.2));
        painter.setPen(QPen(focused ? highlight : colours.color(QPalette::Mid), 1));
        painter.drawRect(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5));
    } else if (address == hover_) {
        painter.fillRect(cell, Blend(face, highlight, 0.12));
    }

    const TKDeviceType& device = loop_.Device(address);
    const bool fitted = device.DeviceType != dtNotFitted;
    const bool enabled = device.Enabled > 0;
    const QRect frame(cell.topLeft(), QSize(kFrameSide, kFrameSide));
    painter.fillRect(frame, fitted && enabled ? kEnabledFrame : kDisabledFrame);
    const QRect picture(cell.topLeft() + QPoint(kPictureInset, kPictureInset),
                        QSize(kDeviceImageSide, kDeviceImageSide));
    // The empty picture for an empty address; codes past the pictures show none.
    if (fitted)
        images_.ListFor(device.Enabled).Draw(painter, picture, device.DeviceType);
    else
        images_.DrawEmpty(painter, picture);

    painter.setPen(colours.color(QPalette::ButtonText));
    const QRect text(cell.topLeft() + kAddressOrigin, QPoint(cell.right(), cell.bottom()));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, QString::number(address));
}

// ---- mouse and keys -----------------------------------------------------------

void LoopDrawGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const int address = AddressAt(event->position().toPoint());
    if (address < 1 || address > loop_.NoLoopDevices()) return;
    SetSelectedAddress(address);
    emit cellSelected(address, event->globalPosition().toPoint());
}

void LoopDrawGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void LoopDrawGrid::mouseMoveEvent(QMouseEvent* event) {
    const int address = AddressAt(event->position().toPoint());
    SetHover(address);
    if (address != 0) emit mouseMovedOver(address);
}

bool LoopDrawGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave) SetHover(0);
    return QAbstractScrollArea::viewportEvent(event);
}

void LoopDrawGrid::SetHover(int address) {
    if (address == hover_) return;
    RepaintAddress(hover_);
    hover_ = address;
    RepaintAddress(address);
}

void LoopDrawGrid::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            MoveSelection(-1);
            break;
        case Qt::Key_Right:
            MoveSelection(1);
            break;
        case Qt::Key_Up:
            MoveSelection(-columns_);
            break;
        case Qt::Key_Down:
            MoveSelection(columns_);
            break;
        case Qt::Key_Home:
            SetSelectedAddress(1);
            break;
        case Qt::Key_End:
            SetSelectedAddress(loop_.NoLoopDevices());
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit cellSelected(selected_, viewport()->mapToGlobal(CellRect(selected_).center()));
            break;
        case Qt::Key_F10:
            // Shift+F10 opens the cell's menu, as the Menu key does.
            if (event->modifiers() & Qt::ShiftModifier)
                emit menuRequested(selected_, viewport()->mapToGlobal(CellRect(selected_).center()));
            else
                QAbstractScrollArea::keyPressEvent(event);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            break;
    }
}

void LoopDrawGrid::MoveSelection(int step) {
    const int target = selected_ + step;
    if (target >= 1 && target <= loop_.NoLoopDevices()) SetSelectedAddress(target);
}

void LoopDrawGrid::contextMenuEvent(QContextMenuEvent* event) {
    // From the keyboard the menu opens on the selected cell.
    if (event->reason() == QContextMenuEvent::Mouse)
        emit menuRequested(AddressAt(event->pos()), event->globalPos());
    else
        emit menuRequested(selected_, viewport()->mapToGlobal(CellRect(selected_).center()));
}

void LoopDrawGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    RepaintAddress(selected_);
}

void LoopDrawGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    RepaintAddress(selected_);
}

// ---- geometry -----------------------------------------------------------------

void LoopDrawGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    if (event->size().width() != event->oldSize().width()) emit resized();
}

void LoopDrawGrid::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, dy);
    // Other cells come under a mouse that stayed where it was (the wheel);
    // off the viewport, no cell is under it any more.
    const QPoint mouse = viewport()->mapFromGlobal(QCursor::pos());
    const int address = viewport()->rect().contains(mouse) ? AddressAt(mouse) : 0;
    if (address == hover_) return;
    SetHover(address);
    emit mouseMovedOver(address);
}

void LoopDrawGrid::UpdateScrollBars() {
    const QSize shown = viewport()->size();
    horizontalScrollBar()->setPageStep(shown.width());
    horizontalScrollBar()->setRange(0, std::max(columns_ * kLoopCellWidth - shown.width(), 0));
    verticalScrollBar()->setPageStep(shown.height());
    verticalScrollBar()->setRange(0, std::max(rows_ * kLoopCellHeight - shown.height(), 0));
}

void LoopDrawGrid::ScrollToAddress(int address) {
    const QRect cell = CellRect(address);
    const QRect shown = viewport()->rect();
    QScrollBar* vertical = verticalScrollBar();
    if (cell.top() < 0)
        vertical->setValue(vertical->value() + cell.top());
    else if (cell.bottom() > shown.bottom() && cell.height() <= shown.height())
        vertical->setValue(vertical->value() + cell.bottom() - shown.bottom());
    QScrollBar* horizontal = horizontalScrollBar();
    if (cell.left() < 0)
        horizontal->setValue(horizontal->value() + cell.left());
    else if (cell.right() > shown.right() && cell.width() <= shown.width())
        horizontal->setValue(horizontal->value() + cell.right() - shown.right());
}

}  // namespace kelvane
