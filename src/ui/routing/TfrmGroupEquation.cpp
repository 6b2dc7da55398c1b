#include "ui/routing/TfrmGroupEquation.h"

#include "ui/HelpContexts.h"

namespace kelvane {

namespace {

constexpr EquationEditorTexts kGroupTexts{
    "Edit Group Equation",
    "GroupNo",
    "sgrdLoop2",
    "That Group has already been selected!",
    "Select the required Group by",
    "Select group from the list on the Right",
    kHelpGroupEquation,
};

}  // namespace

TfrmGroupEquation::TfrmGroupEquation(TData& data, Document& document, QWidget* parent)
    : StoringEquationEditor(EquationKind::Group, kGroupTexts, data, document, parent) {
    setObjectName(QStringLiteral("frmGroupEquation"));
}

void TfrmGroupEquation::EditGroup(int g) {
    ShowForRecord("Edit Group Equation", "For Group", g,
                  data_.GroupList.Groups.at(static_cast<std::size_t>(g)).DivertEquation,
                  "Edit Group " + std::to_string(g) + " Divert Equation");
}

void TfrmGroupEquation::FillList() {
    FillMemberList("GROUP");
}

}  // namespace kelvane
