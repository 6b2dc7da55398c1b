#pragma once
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"
#include "model/DeviceBulkEdit.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QListWidget;
class QStatusBar;

namespace kelvane {

class AllocationLists;
class DeviceImages;
class DeviceSummaryGrid;
class DeviceFindBar;
class DeviceTableModel;
class DeviceTypeToolBar;
class TNamesForm;

inline constexpr const char* kNoDeviceFittedMessage = "There is no device fitted here";
inline constexpr const char* kEnableChangesMessage = "You must check the Enable Changes option";

// The Device Summary tab: the device table `sgrdLoop` with its sort and
// filter options, the zone, group and area lists and the device-type tool
// bar. Its cell actions change a device's type, allocation, place name,
// suffix and enabled state in the loop at once, while "Enable changes" is
// ticked. Table rows are 0-based here: row 0 is the first device under the
// heading row.
class DeviceSummaryTab : public QWidget {
    Q_OBJECT
public:
    DeviceSummaryTab(TData& data, Document& document, Prompts& prompts, const DeviceImages& images,
                     TNamesForm& namesForm, QWidget* parent = nullptr);

    // Unticks "Enable changes" so that no cell edit is armed.
    void UntickEnableChanges();
    // Puts the device table's cursor on the first device, column 0.
    void ResetTableCursor();
    // Selects the first entry of the report type list and of the group, area
    // and zone lists.
    void SelectFirstListEntries();
    // Rebuilds the zone list (32 or 64 zones by the controller version) and
    // brings the list of the radio group's choice to the front.
    void RebuildZoneList();
    // Sets the device tool bar's hints.
    void RefreshToolbarHints();
    // Rebuilds every row of the device table from the loop, keeping the
    // cursor (moved up to the last row when the table became shorter).
    void RefreshDeviceTable();
    // While held, the table and the lists can be looked through but no
    // cell action, tool or "Enable changes" changes a device.
    void HoldBackEditing(bool held);

    // The cell actions on the table's current cell.
    void sgrdLoopClick();
    void sgrdLoopDblClick();
    // A character typed in the table or in its suffix editor; false refuses it.
    bool sgrdLoopKeyPress(QChar key);

    // The address listed in table row `row`; 0 outside the table.
    int DeviceOfRow(int row) const;
    // The devices of the selected rows, in table order.
    std::vector<int> SelectedDevices() const;
    // Gives `change` to every device of `devices` that may take it, as one
    // edit of the document, and says in the status line what it did.
    void ApplyBulkChange(const std::vector<int>& devices, const DeviceBulkChange& change);
    // Puts the table's cursor on `device`'s row, when it is listed, and
    // scrolls it into view.
    void GoToDevice(int device);
    DeviceTableModel& Table() const { return *model_; }

    // The system's beep, for a refused key.
    std::function<void()> Beep;

    QComboBox* cboReportType;
    QCheckBox* chkFitted;
    QCheckBox* chkEnableZoneChanges;
    QGroupBox* radgrpZoneGroup;
    QListWidget* lstZones;
    QListWidget* lstGroups;
    QListWidget* lstAreas;
    DeviceTypeToolBar* DeviceToolBar;
    DeviceSummaryGrid* sgrdLoop;
    QStatusBar* StatusBar1;
    DeviceFindBar* FindBar;

signals:
    // The find bar went to `device`.
    void deviceFound(int device);

protected:
    // The tab's status bar shows the hint of the control under the mouse.
    bool event(QEvent* event) override;

private:
    void BuildControls(const DeviceImages& images);
    void cboReportTypeChange();
    void chkFittedClick();
    void radgrpZoneGroupClick();
    void sgrdLoopEnter();
    // Runs the click steps; `byUser` false for a cursor the program placed,
    // which warns about nothing.
    void CellClicked(bool byUser);
    void PlaceCursor(int row, int column);
    // Shows why a change of `device` cannot happen now; true when it cannot.
    bool RefuseChange(int device);
    void WarnEnableChanges();
    void ChangeDeviceType(int row, int device);
    void TakeAllocation(int row, int device);
    void ToggleEnabled(int row, int device);
    // A double-click on a cell of a selection of several rows: the cell's
    // action for every selected device.
    void EditSelection(const std::vector<int>& devices, int device);
    // The allocation the front list's selected entry gives its class of
    // devices; nothing when no entry is selected.
    std::optional<DeviceBulkChange> ChosenAllocation() const;
    void PlaceNameChosen();
    // Selects `device`'s own allocation in the list in front (nothing when
    // the list has no such entry).
    void SelectAllocationOf(int device);

    TData& data_;
    Document& document_;
    Prompts& prompts_;
    TNamesForm& namesForm_;
    DeviceTableModel* model_;
    AllocationLists* allocation_;
    // A copy of "Show Fitted Only", taken whenever the box changes.
    bool fittedOnly_ = false;
    bool refreshing_ = false;
    bool editingHeld_ = false;
    // The device whose allocation the lists last followed.
    int followedDevice_ = 0;
};

}  // namespace kelvane
