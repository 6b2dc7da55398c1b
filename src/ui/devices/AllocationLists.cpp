#include "ui/devices/AllocationLists.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "model/DeviceCatalogue.h"
#include "model/GroupList.h"
#include "qt/Latin1.h"
#include "ui/widgets/ListWidgets.h"

namespace kelvane {

namespace {

// The zone list before the site's version is known.
constexpr int kZonesBelow64ZoneVersion = 32;

QListWidget* MakeList(QStackedWidget* stack, const char* name) {
    auto* list = new QListWidget(stack);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    stack->addWidget(list);
    return list;
}

}  // namespace

AllocationLists::AllocationLists(QWidget* parent) : QWidget(parent) {
    radgrpZoneGroup = new QGroupBox(QStringLiteral("Show zones, groups or areas"), this);
    radgrpZoneGroup->setObjectName(QStringLiteral("radgrpZoneGroup"));
    auto* choices = new QHBoxLayout(radgrpZoneGroup);
    auto* group = new QButtonGroup(this);
    const char* captions[] = {"Zone", "Group", "Area"};
    for (int item = itZone; item <= itArea; ++item) {
        radioButtons_[item] = new QRadioButton(QString::fromLatin1(captions[item]), radgrpZoneGroup);
        group->addButton(radioButtons_[item], item);
        choices->addWidget(radioButtons_[item]);
    }
    radioButtons_[itZone]->setChecked(true);

    stack_ = new QStackedWidget(this);
    lstZones = MakeList(stack_, "lstZones");
    lstGroups = MakeList(stack_, "lstGroups");
    lstAreas = MakeList(stack_, "lstAreas");
    lstZones->setAccessibleName(QStringLiteral("Zones"));
    lstGroups->setAccessibleName(QStringLiteral("Groups"));
    lstAreas->setAccessibleName(QStringLiteral("Areas"));
    for (int group = 0; group < kGroupCount; ++group) lstGroups->addItem(Latin1(GroupListName(group)));
    for (int area = 0; area < kAreaCount; ++area) lstAreas->addItem(Latin1(AreaListName(area)));
    RebuildZoneList(kZonesBelow64ZoneVersion);
    SelectFirstEntries();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(radgrpZoneGroup);
    column->addWidget(stack_, 1);

    connect(group, &QButtonGroup::idClicked, this, [this] { emit radioGroupClicked(); });
}

int AllocationLists::ItemIndex() const {
    for (int item = itZone; item <= itArea; ++item)
        if (radioButtons_[item]->isChecked()) return item;
    return itZone;
}

void AllocationLists::SetItemIndex(int item) {
    if (item >= itZone && item <= itArea) radioButtons_[item]->setChecked(true);
}

QListWidget* AllocationLists::FrontList() const {
    switch (ItemIndex()) {
        case itGroup:
            return lstGroups;
        case itArea:
            return lstAreas;
        default:
            return lstZones;
    }
}

void AllocationLists::RebuildZoneList(int zoneCount) {
    const int selected = SelectedRow(lstZones);
    // Only the entries past the shorter range come or go, so the list keeps
    // its place as well as its selection.
    while (lstZones->count() > zoneCount) delete lstZones->takeItem(lstZones->count() - 1);
    while (lstZones->count() < zoneCount) lstZones->addItem(Latin1(ZoneListName(lstZones->count())));
    if (selected >= 0 && selected < zoneCount) {
        lstZones->setCurrentRow(selected);
    } else {
        lstZones->clearSelection();
    }
    stack_->setCurrentWidget(FrontList());
}

void AllocationLists::SelectFirstEntries() {
    for (QListWidget* list : {lstZones, lstGroups, lstAreas})
        if (list->count() > 0) list->setCurrentRow(0);
}

}  // namespace kelvane
