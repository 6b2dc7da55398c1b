#include "ui/routing/StoringEquationEditor.h"

namespace kelvane {

StoringEquationEditor::StoringEquationEditor(EquationKind kind, const EquationEditorTexts& texts, TData& data,
                                             Document& document, QWidget* parent)
    : EquationEditor(kind, texts, parent), data_(data), document_(document) {}

void StoringEquationEditor::ShowForRecord(const char* heading, const char* label, int number,
                                          Equation& record) {
    record_ = &record;
    ShowFor(heading, label, number, record);
}

void StoringEquationEditor::StoreAccepted(const Equation& accepted) {
    if (!record_) return;
    StoreTerms(accepted, *record_);
    document_.SetModified(true);
    if (OnStored) OnStored();
}

}  // namespace kelvane
