#pragma once
#include <QWidget>

class QGroupBox;
class QListWidget;
class QRadioButton;
class QStackedWidget;

namespace kelvane {

// The allocation lists of the Device Summary tab: `lstZones`, `lstGroups`
// ("Group 1" to "Group 32") and `lstAreas` ("Area A" to "Area Z") lie on top
// of each other, and the radio group `radgrpZoneGroup` ("Zone", "Group",
// "Area") chooses which is in front.
class AllocationLists : public QWidget {
    Q_OBJECT
public:
    enum Item { itZone = 0, itGroup = 1, itArea = 2 };

    explicit AllocationLists(QWidget* parent = nullptr);

    // The radio group's choice.
    int ItemIndex() const;
    void SetItemIndex(int item);

    // Makes the zone list "Zone 1" to "Zone `zoneCount`", keeping the
    // selected entry where it still exists, and brings the chosen list to the front.
    void RebuildZoneList(int zoneCount);
    // Selects the first entry of every list.
    void SelectFirstEntries();
    // The list that the radio group puts in front.
    QListWidget* FrontList() const;

    QGroupBox* radgrpZoneGroup;
    QListWidget* lstZones;
    QListWidget* lstGroups;
    QListWidget* lstAreas;

signals:
    // The user chose another item of the radio group.
    void radioGroupClicked();

private:
    QRadioButton* radioButtons_[3];
    QStackedWidget* stack_;
};

}  // namespace kelvane
