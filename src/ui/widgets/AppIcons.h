#pragma once
#include <QIcon>

namespace kelvane {

// The program's own icons, drawn rather than loaded so that they scale.
enum class ToolIcon {
    New,
    Open,
    Save,
    SaveAs,
    Print,
    LoadFromController,
    SaveToController,
    CompareWithController
};

QIcon MakeToolIcon(ToolIcon icon);
// The program icon: a nurse-call bell in a blue tile.
QIcon MakeProgramIcon();

}  // namespace kelvane
