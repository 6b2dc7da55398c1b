#pragma once
#include <QStringList>

class QListWidget;

namespace kelvane {

// Writes `texts` into `list` in place, so that its selection and scroll
// position stay.
void SetListTexts(QListWidget* list, const QStringList& texts);
// The selected row of a single-selection list; -1 when none is selected.
int SelectedRow(const QListWidget* list);

}  // namespace kelvane
