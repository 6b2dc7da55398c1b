#include "ui/placenames/PlaceNamesTab.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "qt/Latin1.h"
#include "ui/placenames/PlaceNameLists.h"
#include "ui/placenames/TfrmEditBox.h"
#include "ui/widgets/ListWidgets.h"

namespace kelvane {

namespace {

constexpr int kListTop = 32;
constexpr int kListWidth = 200;
constexpr int kListGap = 24;

// The lists are placed by hand rather than in a layout: their height follows
// the window, and a layout would turn that height into a minimum window size.
QListWidget* MakeList(QWidget* parent, const char* name, const char* heading, int left) {
    auto* label = new QLabel(QString::fromLatin1(heading), parent);
    label->setGeometry(left, 8, kListWidth, 20);
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setGeometry(left, kListTop, kListWidth, 300);
    return list;
}

}  // namespace

PlaceNamesTab::PlaceNamesTab(TData& data, Document& document, Prompts& prompts, QWidget* parent)
    : QWidget(parent), data_(data), document_(document), prompts_(prompts) {
    ListBox1 = MakeList(this, "ListBox1", "Standard Place Names", 16);
    ListBox2 = MakeList(this, "ListBox2", "Custom Place Names", 16 + kListWidth + kListGap);
    SetListTexts(ListBox1, StandardPlaceNameTexts());
    SetListTexts(ListBox2, CustomPlaceNameTexts(data_.CustomNames));

    btnPlaceNameChange = new QPushButton(QStringLiteral("Edit Place Name"), this);
    btnPlaceNameChange->setObjectName(QStringLiteral("btnPlaceNameChange"));
    btnPlaceNameChange->adjustSize();
    btnPlaceNameChange->move(16 + 2 * (kListWidth + kListGap), kListTop);
    btnPlaceNameChange->hide();
    frmEditBox = new TfrmEditBox(prompts_, this);

    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &PlaceNamesTab::ListBox1Click);
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, &PlaceNamesTab::ListBox2Click);
    connect(ListBox2, &QListWidget::itemDoubleClicked, this, &PlaceNamesTab::EditSelectedCustomName);
    connect(btnPlaceNameChange, &QPushButton::clicked, this, &PlaceNamesTab::EditSelectedCustomName);
}

void PlaceNamesTab::RefreshPlaceNameLists() {
    SetListTexts(ListBox2, CustomPlaceNameTexts(data_.CustomNames));
}

void PlaceNamesTab::SetListHeight(int height) {
    const int listHeight = std::max(height, 0);
    ListBox1->resize(ListBox1->width(), listHeight);
    ListBox2->resize(ListBox2->width(), listHeight);
}

// Both run when a list's selection changes, by mouse or keyboard; clearing
// the other list's selection comes back here with nothing selected.
void PlaceNamesTab::ListBox1Click() {
    if (SelectedRow(ListBox1) < 0) return;
    ListBox2->clearSelection();
    btnPlaceNameChange->hide();
}

void PlaceNamesTab::ListBox2Click() {
    if (SelectedRow(ListBox2) < 0) return;
    ListBox1->clearSelection();
    btnPlaceNameChange->show();
}

void PlaceNamesTab::HoldBackEditing(bool held) {
    editingHeld_ = held;
    btnPlaceNameChange->setEnabled(!held);
}

void PlaceNamesTab::EditSelectedCustomName() {
    if (editingHeld_) return;
    const int selected = SelectedRow(ListBox2);
    if (selected < 0 || selected >= data_.CustomNames.Count()) return;
    const std::optional<QString> text =
        frmEditBox->Ask(Latin1(data_.CustomNames.Item(selected).Name), kCustomNameTypingLimit);
    if (text) CustomNameEntered(ToLatin1(*text));
}

void PlaceNamesTab::CustomNameEntered(const std::string& text) {
    const int selected = SelectedRow(ListBox2);
    if (selected < 0 || selected >= data_.CustomNames.Count()) return;
    std::string& name = data_.CustomNames.Item(selected).Name;
    if (text != name) {
        name = text;
        document_.CustomNamesChanged = true;
        document_.Changed("Rename Custom Place Name " + std::to_string(selected + 1));
    }
    RefreshPlaceNameLists();
}

}  // namespace kelvane
