#pragma once
#include <QTableView>
#include <functional>
#include <vector>

#include "core/Prompts.h"

namespace kelvane {

// The device table's view, `sgrdLoop`: fixed 16-pixel rows under one
// heading row, no row headings. It reports a click on a cell, also when its
// cursor is moved by the keyboard (not when the program moves it), and Enter
// in the table or in the suffix editor. Every typed character, in the table
// and in the suffix editor, is first offered to AcceptsKey.
class DeviceSummaryGrid : public QTableView {
    Q_OBJECT
public:
    // A refused character typed into the suffix editor is told through `prompts`.
    explicit DeviceSummaryGrid(Prompts& prompts, QWidget* parent = nullptr);

    // Also gives the six columns their widths.
    void setModel(QAbstractItemModel* model) override;

    // False refuses the typed character.
    std::function<bool(QChar)> AcceptsKey;

    // Moves the cursor to `row`, `column` (0-based model rows) without
    // reporting a click.
    void PlaceCursor(int row, int column);
    int Row() const { return currentIndex().row(); }
    int Column() const { return currentIndex().column(); }
    // The selected rows in ascending order; the cursor's row alone when
    // nothing is selected.
    std::vector<int> SelectedRows() const;

    // Offers a key typed in the suffix editor; true when it was used up here.
    bool EditorKeyPress(QKeyEvent* event);

signals:
    void cellClicked();
    void enterPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // The table has no type-ahead search: typed keys edit or do nothing.
    void keyboardSearch(const QString&) override {}
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    bool RefusesKey(const QKeyEvent* event) const;

    bool quiet_ = false;
};

}  // namespace kelvane
