#include "print/TRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelvane {

TRadioGroup::TRadioGroup(const QStringList& items, QWidget* parent)
    : QGroupBox(parent), buttons_(new QButtonGroup(this)) {
    auto* column = new QVBoxLayout(this);
    for (int index = 0; index < items.size(); ++index) {
        auto* item = new QRadioButton(items[index], this);
        buttons_->addButton(item, index);
        column->addWidget(item);
    }
    SetItemIndex(0);
}

int TRadioGroup::ItemIndex() const {
    return buttons_->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* item = buttons_->button(index)) item->setChecked(true);
}

QRadioButton* TRadioGroup::Item(int index) const {
    return qobject_cast<QRadioButton*>(buttons_->button(index));
}

}  // namespace kelvane
