#include "ui/routing/TfrmAreaEquation.h"

#include "ui/HelpContexts.h"

namespace kelvane {

namespace {

constexpr EquationEditorTexts kAreaTexts{
    "Edit Area Equation",
    "ZoneNo",
    "sgrdLoop2",
    "That Area has already been selected!",
    "Select the required Area by",
    "Select from the list on the right",
    kHelpAreaEquation,
};

}  // namespace

TfrmAreaEquation::TfrmAreaEquation(QWidget* parent) : EquationEditor(EquationKind::Area, kAreaTexts, parent) {
    setObjectName(QStringLiteral("frmAreaEquation"));
}

void TfrmAreaEquation::Edit(const char* heading, const char* label, int number, const Equation& equation,
                            Accepted accepted) {
    accepted_ = std::move(accepted);
    ShowFor(heading, label, number, equation);
}

void TfrmAreaEquation::FillList() {
    FillMemberList("AREA");
}

void TfrmAreaEquation::StoreAccepted(const Equation& accepted) {
    if (accepted_) accepted_(accepted);
}

}  // namespace kelvane
