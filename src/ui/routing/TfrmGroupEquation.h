#pragma once
#include "ui/routing/StoringEquationEditor.h"

namespace kelvane {

// The group editor: the groups a group's calls divert to. It stores the
// accepted equation itself; clearing a slot writes 33.
class TfrmGroupEquation : public StoringEquationEditor {
    Q_OBJECT
public:
    TfrmGroupEquation(TData& data, Document& document, QWidget* parent = nullptr);

    // Shows the editor over group g's divert equation (g 1..32).
    void EditGroup(int g);

protected:
    void FillList() override;
};

}  // namespace kelvane
