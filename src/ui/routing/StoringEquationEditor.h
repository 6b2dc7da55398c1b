#pragma once
#include <functional>

#include "file/Document.h"
#include "model/Data.h"
#include "ui/routing/EquationEditor.h"

namespace kelvane {

// An editor that stores the accepted equation into its model record itself
// (the device and group editors): slots 1..8, then the document is modified
// and OnStored refreshes the tab that shows it.
class StoringEquationEditor : public EquationEditor {
    Q_OBJECT
public:
    // After an accepted equation was stored.
    std::function<void()> OnStored;

protected:
    StoringEquationEditor(EquationKind kind, const EquationEditorTexts& texts, TData& data,
                          Document& document, QWidget* parent);

    // Shows the editor over `record`, the equation "ACCEPT" stores into as
    // the step `step` ("Edit Zone 4 Device Equation").
    void ShowForRecord(const char* heading, const char* label, int number, Equation& record,
                       std::string step);
    void StoreAccepted(const Equation& accepted) override;

    TData& data_;

private:
    Document& document_;
    // Model records live as long as the program.
    Equation* record_ = nullptr;
    std::string step_;
};

}  // namespace kelvane
