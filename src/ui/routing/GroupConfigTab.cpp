#include "ui/routing/GroupConfigTab.h"

#include <QScrollArea>

#include "ui/routing/EquationBox.h"
#include "ui/routing/EquationEditors.h"

namespace kelvane {

using namespace equation_rows;

GroupConfigTab::GroupConfigTab(TData& data, EquationEditors& editors, QWidget* parent)
    : QWidget(parent), data_(data) {
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("GroupRows"));
    AddHeading(content, "Corridoor display routing equations");

    const int areaWidth = EquationBox::WidthFor(EquationKind::Area);
    const int divertWidth = EquationBox::WidthFor(EquationKind::Group);
    const int nightLeft = kFirstBoxLeft + areaWidth + kColumnGap;
    const int divertLeft = nightLeft + areaWidth + kColumnGap;
    AddColumnHeading(content, "Primary Areas", kFirstBoxLeft);
    AddColumnHeading(content, "Night Areas (Beep)", nightLeft);
    AddColumnHeading(content, "Divert to Groups", divertLeft);

    for (int n = 1; n <= kGroupCount; ++n) {
        AddRowLabel(content, QStringLiteral("Group %1").arg(n), n);
        const auto index = static_cast<std::size_t>(n - 1);
        primaryBoxes_[index] = AddBox(content, "iPrimaryAreaEditBox", n, kFirstBoxLeft, areaWidth);
        primaryBoxes_[index]->OnClick = [&editors](int group) { editors.EditGroupPrimaryAreas(group); };
        nightBoxes_[index] = AddBox(content, "iNightAreaEditBox", n, nightLeft, areaWidth);
        nightBoxes_[index]->OnClick = [&editors](int group) { editors.EditGroupNightAreas(group); };
        divertBoxes_[index] = AddBox(content, "iDivertEditBox", n, divertLeft, divertWidth);
        divertBoxes_[index]->OnClick = [&editors](int group) { editors.EditGroupDiverts(group); };
    }
    ScrollBox4 = PlaceInScrollBox(this, content, "ScrollBox4", kGroupCount, divertLeft + divertWidth);
}

void GroupConfigTab::HoldBackEditing(bool held) {
    ScrollBox4->widget()->setEnabled(!held);
}

void GroupConfigTab::RefreshGroupRows() {
    for (int n = 1; n <= kGroupCount; ++n) {
        const TKGroup& group = data_.GroupList.Groups[static_cast<std::size_t>(n)];
        PrimaryAreaBox(n)->ShowEquation(EquationKind::Area, group.PrimaryAreaEquation);
        NightAreaBox(n)->ShowEquation(EquationKind::Area, group.NightAreaEquation);
        DivertBox(n)->ShowEquation(EquationKind::Group, group.DivertEquation);
    }
}

}  // namespace kelvane
