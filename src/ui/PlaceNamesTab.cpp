#include "ui/PlaceNamesTab.h"

#include <algorithm>

#include <QLabel>
#include <QListWidget>

#include "model/DeviceCatalogue.h"

namespace kelvane {

namespace {

constexpr int kListTop = 32;
constexpr int kListWidth = 200;

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

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
    ListBox2 = MakeList(this, "ListBox2", "Custom Place Names", 16 + kListWidth + 24);
    for (int index = 0; index < kStandardPlaceNameCount; ++index) ListBox1->addItem(Latin1(StandardPlaceName(index)));
}

void PlaceNamesTab::RefreshPlaceNameLists() {
    ListBox2->clear();
    for (int index = 0; index < kCustomPlaceNameCount; ++index)
        ListBox2->addItem(index < data_.CustomNames.Count() ? Latin1(data_.CustomNames.Item(index).Name) : QString());
}

void PlaceNamesTab::SetListHeight(int height) {
    const int listHeight = std::max(height, 0);
    ListBox1->resize(ListBox1->width(), listHeight);
    ListBox2->resize(ListBox2->width(), listHeight);
}

}  // namespace kelvane
