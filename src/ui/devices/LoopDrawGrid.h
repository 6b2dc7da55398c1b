#pragma once
#include <QAbstractScrollArea>

namespace kelvane {

class DeviceImages;
class TKLoop;

inline constexpr int kLoopCellWidth = 62;
inline constexpr int kLoopCellHeight = 80;

// The picture of the loop: one cell per address, left to right and then
// down, address = column + row x columns + 1. A fitted address shows its
// device picture in a green (enabled) or red (disabled) frame, an empty one
// the empty picture in red, and every cell its address below the picture;
// cells past the last address stay blank. The grid paints only the cells
// that need it, keeps a selection mark on the selected cell and a lighter
// mark on the cell under the mouse, and reports what the user does to the
// frame that owns it. Positions are in viewport coordinates.
class LoopDrawGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    LoopDrawGrid(const TKLoop& loop, const DeviceImages& images, QWidget* parent = nullptr);

    int ColCount() const { return columns_; }
    int RowCount() const { return rows_; }
    // Sets the number of columns (at least one) and rows, and repaints.
    void SetGridSize(int columns, int rows);

    // The address of the cell at `position`; 0 off the cells.
    int AddressAt(QPoint position) const;
    // Where the cell of `address` is drawn now.
    QRect CellRect(int address) const;

    // The selected cell, which carries the selection mark (1..256).
    int SelectedAddress() const { return selected_; }
    void SetSelectedAddress(int address);
    // The cell under the mouse; 0 when the mouse is off the cells.
    int HoverAddress() const { return hover_; }

    // Repaints the cell of one address, or every cell.
    void RepaintAddress(int address);
    void RepaintAll();

    QSize sizeHint() const override;

signals:
    // A left click or Enter / Space selected a cell of an address 1..256;
    // `globalPosition` is where a menu for it opens.
    void cellSelected(int address, QPoint globalPosition);
    void doubleClicked();
    // The mouse moved over the cell of `address` (also past the last
    // address), or the grid scrolled another cell, or none (0), under it.
    void mouseMovedOver(int address);
    // The selection mark moved to `address`, by a click, a key or the program.
    void selectionMoved(int address);
    // The grid's menu was asked for on the cell of `address` (0 off the
    // cells), to open at `globalPosition`.
    void menuRequested(int address, QPoint globalPosition);
    // The grid's width changed.
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void PaintCell(QPainter& painter, int address, const QRect& cell) const;
    void SetHover(int address);
    void UpdateScrollBars();
    // Moves the selection by `step` addresses, staying within 1..256.
    void MoveSelection(int step);
    void ScrollToAddress(int address);

    const TKLoop& loop_;
    const DeviceImages& images_;
    int columns_ = 1;
    int rows_ = 256;
    int selected_ = 1;
    int hover_ = 0;
};

}  // namespace kelvane
