#pragma once
#include <QWidget>
#include <array>

#include "model/Data.h"

class QScrollArea;

namespace kelvane {

class EquationBox;
class EquationEditors;

// The Group Config tab: the corridor display routing, one row per group with
// its primary areas, night areas and divert groups. The rows are built once;
// a click on a box opens the group's editor.
class GroupConfigTab : public QWidget {
    Q_OBJECT
public:
    GroupConfigTab(TData& data, EquationEditors& editors, QWidget* parent = nullptr);

    // Fills the group rows from the group list.
    void RefreshGroupRows();
    // While held, the rows show their equations but open no editor.
    void HoldBackEditing(bool held);

    // Group n's boxes (n 1..32).
    EquationBox* PrimaryAreaBox(int n) const { return primaryBoxes_.at(static_cast<std::size_t>(n - 1)); }
    EquationBox* NightAreaBox(int n) const { return nightBoxes_.at(static_cast<std::size_t>(n - 1)); }
    EquationBox* DivertBox(int n) const { return divertBoxes_.at(static_cast<std::size_t>(n - 1)); }

    QScrollArea* ScrollBox4;

private:
    TData& data_;
    std::array<EquationBox*, kGroupCount> primaryBoxes_{};
    std::array<EquationBox*, kGroupCount> nightBoxes_{};
    std::array<EquationBox*, kGroupCount> divertBoxes_{};
};

}  // namespace kelvane
