#include "ui/placenames/TNamesForm.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

#include "model/DeviceCatalogue.h"
#include "ui/HelpContexts.h"
#include "ui/placenames/PlaceNameLists.h"
#include "ui/widgets/ListWidgets.h"

namespace kelvane {

namespace {

QListWidget* MakeList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void SelectOnly(QListWidget* list, int row) {
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
        list->scrollToItem(list->item(row));
    } else {
        list->clearSelection();
    }
}

int FirstStartingWith(const QListWidget* list, const QString& text) {
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text().startsWith(text, Qt::CaseInsensitive)) return row;
    return -1;
}

}  // namespace

TNamesForm::TNamesForm(TData& data, Document& document, QWidget* parent)
    : QDialog(parent), data_(data), document_(document) {
    setObjectName(QStringLiteral("NamesForm"));
    setWindowTitle(QStringLiteral("Place Names List"));
    ListBox1 = MakeList(this, "ListBox1");
    ListBox2 = MakeList(this, "ListBox2");
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Standard Place Names"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Custom Place Names"), this), 0, 1);
    grid->addWidget(ListBox1, 1, 0);
    grid->addWidget(ListBox2, 1, 1);
    resize(380, 420);

    // A click chooses; so does Enter on the selected entry (the arrow keys
    // only move through the list).
    connect(ListBox1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Choose(ListBox1->row(item)); });
    connect(ListBox1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Choose(ListBox1->row(item)); });
    connect(ListBox2, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Choose(kFirstCustomPlaceNameIndex + ListBox2->row(item)); });
    connect(ListBox2, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Choose(kFirstCustomPlaceNameIndex + ListBox2->row(item)); });
    for (QListWidget* list : {ListBox1, ListBox2}) list->installEventFilter(this);
    RefreshLists();
}

void TNamesForm::RefreshLists() {
    SetListTexts(ListBox1, StandardPlaceNameTexts());
    SetListTexts(ListBox2, CustomPlaceNameTexts(data_.CustomNames));
}

void TNamesForm::Preselect(int n) {
    device_ = n;
    // The custom names are read afresh: the picker never offers a name that
    // a load or an edit has replaced since.
    RefreshLists();
    const int index = data_.Loop.Device(n).PlaceNameIndex;
    typedAhead_.clear();
    if (index < kFirstCustomPlaceNameIndex) {
        ListBox2->clearSelection();
        SelectOnly(ListBox1, index);
        ListBox1->setFocus(Qt::OtherFocusReason);
    } else {
        ListBox1->clearSelection();
        SelectOnly(ListBox2, index - kFirstCustomPlaceNameIndex);
        ListBox2->setFocus(Qt::OtherFocusReason);
    }
}

bool TNamesForm::ShowForDevice(int n) {
    Preselect(n);
    return exec() == QDialog::Accepted;
}

std::optional<int> TNamesForm::PickForDevice(int n) {
    Preselect(n);
    storing_ = false;
    const bool chosen = exec() == QDialog::Accepted;
    storing_ = true;
    return chosen ? std::optional<int>(chosen_) : std::nullopt;
}

void TNamesForm::Choose(int placeNameIndex) {
    (placeNameIndex < kFirstCustomPlaceNameIndex ? ListBox2 : ListBox1)->clearSelection();
    chosen_ = placeNameIndex;
    if (!storing_) {
        accept();
        return;
    }
    int& stored = data_.Loop.Device(device_).PlaceNameIndex;
    if (stored != placeNameIndex) {
        stored = placeNameIndex;
        document_.Changed(DeviceStepName(device_, "Place Name"));
    }
    emit placeNameChosen(device_, placeNameIndex);
    accept();
}

bool TNamesForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        // Letters, digits and blanks search; Enter, the arrows and the rest keep their work.
        if (!typed.isEmpty() && typed.at(0).isPrint()) {
            TypeAhead(typed);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TNamesForm::TypeAhead(const QString& typed) {
    if (!sinceLastKey_.isValid() || sinceLastKey_.elapsed() > QApplication::keyboardInputInterval())
        typedAhead_.clear();
    sinceLastKey_.start();
    typedAhead_ += typed;
    for (QListWidget* list : {ListBox1, ListBox2}) {
        const int row = FirstStartingWith(list, typedAhead_);
        if (row < 0) continue;
        (list == ListBox1 ? ListBox2 : ListBox1)->clearSelection();
        SelectOnly(list, row);
        list->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void TNamesForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(kHelpPlaceNamesList);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kelvane
