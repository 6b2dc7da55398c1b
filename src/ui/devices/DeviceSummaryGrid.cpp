#include "ui/devices/DeviceSummaryGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <algorithm>

#include "model/DeviceSummaryRow.h"
#include "ui/widgets/TypedLengthLimit.h"

namespace kelvane {

namespace {

constexpr int kRowHeight = 16;
constexpr int kColumnWidths[kDeviceSummaryColumnCount] = {46, 93, 91, 93, 46, 46};
constexpr int kSuffixTypingLimit = 4;

// The suffix editor: every change of its text is stored at once, and its
// keys go through the table's own key handling first.
class SuffixDelegate : public QStyledItemDelegate {
public:
    SuffixDelegate(DeviceSummaryGrid* grid, Prompts& prompts)
        : QStyledItemDelegate(grid), grid_(grid), prompts_(prompts) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->setObjectName(QStringLiteral("SuffixEditor"));
        editor->setFrame(false);
        // What is typed or pasted becomes Latin-1 text.
        new TypedLengthLimit(editor, kSuffixTypingLimit, prompts_);
        connect(editor, &QLineEdit::textEdited, this,
                [this, editor] { emit const_cast<SuffixDelegate*>(this)->commitData(editor); });
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = static_cast<QLineEdit*>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        // Each typed change comes back from the model: the editor keeps its cursor.
        if (line->text() == text) return;
        // Pasting cannot pass the typing limit either; a longer suffix read
        // from a file is shown whole and can only be shortened.
        line->setMaxLength(std::max<int>(kSuffixTypingLimit, static_cast<int>(text.size())));
        TypedLengthLimit::ShowWhole(line, text);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && grid_->EditorKeyPress(static_cast<QKeyEvent*>(event)))
            return true;
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    DeviceSummaryGrid* grid_;
    Prompts& prompts_;
};

// The longest texts of the columns: the table's font is made small enough
// for them to show whole in 16-pixel rows.
struct ColumnText {
    int column;
    const char* text;
};
constexpr ColumnText kWidestTexts[] = {{dcDevNo, "Dev No"},
                                       {dcDeviceType, "Network Controller"},
                                       {dcAllocation, "Zone/Group/Area"},
                                       {dcEnabled, "Enabled"}};
constexpr int kCellTextMargin = 8;
constexpr qreal kSmallestPointSize = 6.0;

bool FitsTheColumns(const QFont& font) {
    const QFontMetrics metrics(font);
    if (metrics.height() > kRowHeight - 2) return false;
    for (const ColumnText& widest : kWidestTexts)
        if (metrics.horizontalAdvance(QString::fromLatin1(widest.text)) + kCellTextMargin >
            kColumnWidths[widest.column])
            return false;
    return true;
}

QFont FittedFont(QFont font) {
    while (!FitsTheColumns(font) && font.pointSizeF() - 0.5 >= kSmallestPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

bool IsEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

DeviceSummaryGrid::DeviceSummaryGrid(Prompts& prompts, QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("sgrdLoop"));
    setFont(FittedFont(font()));
    horizontalHeader()->setFont(font());
    setItemDelegateForColumn(dcSuffix, new SuffixDelegate(this, prompts));
    // Rows are selected several at a time with Shift and Ctrl, by mouse or
    // arrows, and all with Ctrl+A; the cursor's cell says which action applies.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(8);
    horizontalHeader()->setFixedHeight(kRowHeight + 2);
}

void DeviceSummaryGrid::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int column = 0; column < kDeviceSummaryColumnCount; ++column)
        setColumnWidth(column, kColumnWidths[column]);
}

void DeviceSummaryGrid::PlaceCursor(int row, int column) {
    quiet_ = true;
    setCurrentIndex(model() ? model()->index(row, column) : QModelIndex());
    quiet_ = false;
    // The cursor's row is shown whole, wherever the view was scrolled.
    if (currentIndex().isValid()) scrollTo(currentIndex());
}

std::vector<int> DeviceSummaryGrid::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.empty() && currentIndex().isValid()) rows.push_back(Row());
    return rows;
}

QItemSelectionModel::SelectionFlags DeviceSummaryGrid::selectionCommand(const QModelIndex& index,
                                                                        const QEvent* event) const {
    // A plain click or double-click inside a selection of several rows keeps
    // them all selected, so that the cell action applies to every one.
    const bool mouse = event != nullptr && (event->type() == QEvent::MouseButtonPress ||
                                            event->type() == QEvent::MouseButtonRelease ||
                                            event->type() == QEvent::MouseButtonDblClick);
    if (mouse && index.isValid() && static_cast<const QMouseEvent*>(event)->modifiers() == Qt::NoModifier &&
        selectionModel()->isRowSelected(index.row(), QModelIndex()) &&
        selectionModel()->selectedRows().size() > 1)
        return QItemSelectionModel::NoUpdate;
    return QTableView::selectionCommand(index, event);
}

void DeviceSummaryGrid::mousePressEvent(QMouseEvent* event) {
    // A press makes the cell current first; it is reported once, as a click.
    quiet_ = true;
    QTableView::mousePressEvent(event);
    quiet_ = false;
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit cellClicked();
}

void DeviceSummaryGrid::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(event)) {
        emit enterPressed();
        return;
    }
    if (RefusesKey(event)) return;
    QTableView::keyPressEvent(event);
}

bool DeviceSummaryGrid::EditorKeyPress(QKeyEvent* event) {
    if (IsEnter(event)) {
        emit enterPressed();
        return true;
    }
    return RefusesKey(event);
}

bool DeviceSummaryGrid::RefusesKey(const QKeyEvent* event) const {
    const QString text = event->text();
    if (text.isEmpty() || text.at(0).unicode() < 32 || text.at(0) == QChar(0x7F) || !AcceptsKey) return false;
    return !AcceptsKey(text.at(0));
}

void DeviceSummaryGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!quiet_ && current.isValid()) emit cellClicked();
}

}  // namespace kelvane
