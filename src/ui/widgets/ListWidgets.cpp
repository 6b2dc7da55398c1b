#include "ui/widgets/ListWidgets.h"

#include <QListWidget>

namespace kelvane {

void SetListTexts(QListWidget* list, const QStringList& texts) {
    while (list->count() > texts.size()) delete list->takeItem(list->count() - 1);
    for (int row = 0; row < texts.size(); ++row) {
        if (row >= list->count()) {
            list->addItem(texts[row]);
        } else if (list->item(row)->text() != texts[row]) {
            list->item(row)->setText(texts[row]);
        }
    }
}

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

}  // namespace kelvane
