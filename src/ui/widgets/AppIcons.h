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
    CompareWithController,
    Undo,
    Redo
};

QIcon MakeToolIcon(ToolIcon icon);
// The program icon: its one drawing, kelvane-tools.svg (a nurse-call bell in
// a blue tile), at any size.
QIcon MakeProgramIcon();

}  // namespace kelvane
