#include "ui/routing/StoringEquationEditor.h"

namespace kelvane {

StoringEquationEditor::StoringEquationEditor(EquationKind kind, const EquationEditorTexts& texts, TData& data,
                                             Document& document, QWidget* parent)
    : EquationEditor(kind, texts, parent), data_(data), document_(document) {}

void StoringEquationEditor::ShowForRecord(const char* heading, const char* label, int number,
                                          Equation& record, std::string step) {
    record_ = &record;
    step_ = std::move(step);
    ShowFor(heading, label, number, record);
}

void StoringEquationEditor::StoreAccepted(const Equation& accepted) {
    if (!record_) return;
    StoreTerms(accepted, *record_);
    document_.Changed(step_);
    if (OnStored) OnStored();
}

}  // namespace kelvane
