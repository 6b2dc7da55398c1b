#include "ui/devices/DeviceSummaryTab.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/DeviceCatalogue.h"
#include "model/DeviceSummaryRow.h"
#include "ui/HelpContexts.h"
#include "ui/devices/AllocationLists.h"
#include "ui/devices/DeviceFindBar.h"
#include "ui/devices/DeviceSummaryGrid.h"
#include "ui/devices/DeviceTableModel.h"
#include "ui/devices/DeviceTypeToolBar.h"
#include "ui/placenames/TNamesForm.h"
#include "ui/widgets/ListWidgets.h"

namespace kelvane {

namespace {

constexpr QSize kToolButtonSize(57, 57);
constexpr int kSuffixTypingLimit = 4;
constexpr int kTableWidth = 46 + 93 + 91 + 93 + 46 + 46;

}  // namespace

DeviceSummaryTab::DeviceSummaryTab(TData& data, Document& document, Prompts& prompts,
                                   const DeviceImages& images, TNamesForm& namesForm, QWidget* parent)
    : QWidget(parent),
      Beep([] { QApplication::beep(); }),
      data_(data),
      document_(document),
      prompts_(prompts),
      namesForm_(namesForm) {
    BuildControls(images);

    connect(cboReportType, &QComboBox::activated, this, &DeviceSummaryTab::cboReportTypeChange);
    connect(chkFitted, &QCheckBox::toggled, this, &DeviceSummaryTab::chkFittedClick);
    connect(chkEnableZoneChanges, &QCheckBox::toggled, this, [this](bool ticked) {
        // Unticked, the suffix cells take no more typing.
        if (ticked) return;
        model_->SetSuffixEditing(false);
        sgrdLoop->closePersistentEditor(sgrdLoop->currentIndex());
    });
    connect(allocation_, &AllocationLists::radioGroupClicked, this, &DeviceSummaryTab::radgrpZoneGroupClick);
    connect(sgrdLoop, &DeviceSummaryGrid::cellClicked, this, &DeviceSummaryTab::sgrdLoopClick);
    connect(sgrdLoop, &QAbstractItemView::doubleClicked, this, &DeviceSummaryTab::sgrdLoopDblClick);
    connect(sgrdLoop, &DeviceSummaryGrid::enterPressed, this, &DeviceSummaryTab::sgrdLoopEnter);
    sgrdLoop->AcceptsKey = [this](QChar key) { return sgrdLoopKeyPress(key); };
    connect(model_, &DeviceTableModel::suffixChanged, this,
            [this](int device) { document_.Changed(DeviceStepName(device, "Suffix")); });
    // Whichever editor opened the picker, the table shows the chosen name.
    connect(&namesForm_, &TNamesForm::placeNameChosen, this, &DeviceSummaryTab::PlaceNameChosen);
}

void DeviceSummaryTab::BuildControls(const DeviceImages& images) {
    DeviceToolBar = new DeviceTypeToolBar(images, kToolButtonSize, this);

    model_ = new DeviceTableModel(data_, this);
    sgrdLoop = new DeviceSummaryGrid(prompts_, this);
    sgrdLoop->setModel(model_);
    sgrdLoop->setAccessibleName(QStringLiteral("Devices"));
    sgrdLoop->setFixedWidth(kTableWidth + 2 * sgrdLoop->frameWidth() +
                            sgrdLoop->verticalScrollBar()->sizeHint().width());

    auto* sortLabel = new QLabel(QStringLiteral("Sort by"), this);
    cboReportType = new QComboBox(this);
    cboReportType->setObjectName(QStringLiteral("cboReportType"));
    cboReportType->addItems({QStringLiteral("Device Number"), QStringLiteral("Device Type")});
    sortLabel->setBuddy(cboReportType);
    chkFitted = new QCheckBox(QStringLiteral("Show Fitted Only"), this);
    chkFitted->setObjectName(QStringLiteral("chkFitted"));
    chkEnableZoneChanges = new QCheckBox(QStringLiteral("Enable changes"), this);
    chkEnableZoneChanges->setObjectName(QStringLiteral("chkEnableZoneChanges"));
    allocation_ = new AllocationLists(this);
    radgrpZoneGroup = allocation_->radgrpZoneGroup;
    lstZones = allocation_->lstZones;
    lstGroups = allocation_->lstGroups;
    lstAreas = allocation_->lstAreas;

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    FindBar = new DeviceFindBar(data_, this);
    FindBar->Listed = [this] {
        std::vector<int> listed;
        for (int row = 0; row < model_->rowCount(); ++row) listed.push_back(DeviceOfRow(row));
        return listed;
    };
    FindBar->Show = [this](int device) {
        GoToDevice(device);
        emit deviceFound(device);
    };

    auto* options = new QVBoxLayout;
    options->addWidget(sortLabel);
    options->addWidget(cboReportType);
    options->addSpacing(6);
    options->addWidget(chkFitted);
    options->addWidget(chkEnableZoneChanges);
    options->addSpacing(6);
    options->addWidget(allocation_, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(sgrdLoop);
    body->addLayout(options, 1);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 0);
    page->addWidget(DeviceToolBar);
    page->addWidget(FindBar);
    page->addLayout(body, 1);
    page->addWidget(StatusBar1);
}

// ---- entry points ---------------------------------------------------------

void DeviceSummaryTab::UntickEnableChanges() {
    chkEnableZoneChanges->setChecked(false);
}

void DeviceSummaryTab::ResetTableCursor() {
    PlaceCursor(0, dcDevNo);
}

void DeviceSummaryTab::SelectFirstListEntries() {
    cboReportType->setCurrentIndex(soDeviceNumber);
    allocation_->SelectFirstEntries();
}

void DeviceSummaryTab::RebuildZoneList() {
    allocation_->RebuildZoneList(data_.SiteConfig.ZoneLimit());
}

void DeviceSummaryTab::RefreshToolbarHints() {
    DeviceToolBar->RefreshHints();
}

void DeviceSummaryTab::RefreshDeviceTable() {
    const int row = sgrdLoop->Row();
    const int column = sgrdLoop->Column();
    const bool enableChanges = chkEnableZoneChanges->isChecked();
    chkEnableZoneChanges->setChecked(false);
    refreshing_ = true;
    model_->Refresh(static_cast<DeviceSortOrder>(cboReportType->currentIndex()), fittedOnly_);
    refreshing_ = false;
    const int rows = model_->rowCount();
    if (rows > 0) PlaceCursor(std::clamp(row, 0, rows - 1), std::max(column, 0));
    chkEnableZoneChanges->setChecked(enableChanges);
}

void DeviceSummaryTab::HoldBackEditing(bool held) {
    editingHeld_ = held;
    if (held) UntickEnableChanges();
    chkEnableZoneChanges->setEnabled(!held);
    DeviceToolBar->setEnabled(!held);
}

int DeviceSummaryTab::DeviceOfRow(int row) const {
    return model_->DeviceAt(row);
}

// ---- options --------------------------------------------------------------

void DeviceSummaryTab::cboReportTypeChange() {
    RefreshDeviceTable();
}

void DeviceSummaryTab::chkFittedClick() {
    fittedOnly_ = chkFitted->isChecked();
    RefreshDeviceTable();
}

void DeviceSummaryTab::radgrpZoneGroupClick() {
    RebuildZoneList();
}

bool DeviceSummaryTab::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

// ---- cell actions ---------------------------------------------------------

void DeviceSummaryTab::PlaceCursor(int row, int column) {
    if (model_->rowCount() == 0) return;
    sgrdLoop->PlaceCursor(row, column);
    CellClicked(false);
}

void DeviceSummaryTab::sgrdLoopClick() {
    // Rows coming and going during a refresh move the cursor: no click.
    if (!refreshing_) CellClicked(true);
}

void DeviceSummaryTab::CellClicked(bool byUser) {
    model_->SetSuffixEditing(false);
    const int device = DeviceOfRow(sgrdLoop->Row());
    if (device == 0) return;
    if (byUser && !editingHeld_ && sgrdLoop->Column() == dcSuffix) {
        if (data_.Loop.Device(device).DeviceType == dtNotFitted) {
            prompts_.Warning(kNoDeviceFittedMessage);
        } else if (chkEnableZoneChanges->isChecked()) {
            model_->SetSuffixEditing(true);
        } else {
            WarnEnableChanges();
        }
    }
    // Among several selected rows the lists keep what the user chose for
    // them all.
    if (byUser && sgrdLoop->SelectedRows().size() > 1) return;
    // The list that can edit this device comes to the front.
    const TKLoop& loop = data_.Loop;
    allocation_->SetItemIndex(loop.IsGroupDevice(device)  ? AllocationLists::itGroup
                              : loop.IsAreaDevice(device) ? AllocationLists::itArea
                                                          : AllocationLists::itZone);
    RebuildZoneList();
    // A row that becomes current shows its own allocation, so that a
    // double-click on the allocation cell applies only a choice the user made.
    if (!byUser || device != followedDevice_) SelectAllocationOf(device);
}

void DeviceSummaryTab::SelectAllocationOf(int device) {
    followedDevice_ = device;
    QListWidget* list = allocation_->FrontList();
    const int allocation = data_.Loop.Device(device).Allocation;
    if (allocation >= 0 && allocation < list->count()) {
        list->setCurrentRow(allocation);
        list->scrollToItem(list->item(allocation));
    } else {
        list->clearSelection();
    }
}

bool DeviceSummaryTab::sgrdLoopKeyPress(QChar) {
    if (sgrdLoop->Column() != dcSuffix) return true;
    const int device = DeviceOfRow(sgrdLoop->Row());
    if (device == 0 || data_.Loop.Device(device).Suffix.size() < kSuffixTypingLimit) return true;
    Beep();
    return false;
}

void DeviceSummaryTab::sgrdLoopEnter() {
    const int row = sgrdLoop->Row();
    // A move the user made: it is reported as a click on the new cell.
    if (row >= 0 && row + 1 < model_->rowCount())
        sgrdLoop->setCurrentIndex(model_->index(row + 1, std::max(sgrdLoop->Column(), 0)));
}

void DeviceSummaryTab::WarnEnableChanges() {
    prompts_.AskWithHelp(PromptKind::Warning, kEnableChangesMessage, PromptButtons::Ok, kHelpDeviceSummary);
}

bool DeviceSummaryTab::RefuseChange(int device) {
    if (data_.Loop.Device(device).DeviceType == dtNotFitted) {
        prompts_.Warning(kNoDeviceFittedMessage);
        return true;
    }
    if (!chkEnableZoneChanges->isChecked()) {
        WarnEnableChanges();
        return true;
    }
    return false;
}

void DeviceSummaryTab::sgrdLoopDblClick() {
    if (editingHeld_) return;
    const std::vector<int> selected = SelectedDevices();
    if (selected.size() > 1) {
        EditSelection(selected, DeviceOfRow(sgrdLoop->Row()));
        return;
    }
    // Every double-click marks the document, whether or not anything changes.
    document_.SetModified(true);
    model_->SetSuffixEditing(false);
    const int row = sgrdLoop->Row();
    const int device = DeviceOfRow(row);
    if (device == 0) return;
    switch (sgrdLoop->Column()) {
        case dcDeviceType:
            ChangeDeviceType(row, device);
            break;
        case dcAllocation:
            if (!RefuseChange(device)) TakeAllocation(row, device);
            break;
        case dcPlaceName:
            if (!RefuseChange(device)) namesForm_.ShowForDevice(device);
            break;
        case dcEnabled:
            if (!RefuseChange(device)) ToggleEnabled(row, device);
            break;
        default:
            break;
    }
}

void DeviceSummaryTab::ChangeDeviceType(int row, int device) {
    // The network controller at address 1 stays.
    if (device == 1) return;
    if (!chkEnableZoneChanges->isChecked()) {
        WarnEnableChanges();
        return;
    }
    const QToolButton* tool = DeviceToolBar->DownTool();
    if (!tool) return;
    // Allocation, place name and suffix stay as they were.
    data_.Loop.PlaceDevice(device, DeviceTypeToolBar::TagOf(tool));
    document_.Changed(DeviceStepName(device, "Type"));
    if (tool == DeviceToolBar->ToolButtonRemove) {
        RefreshDeviceTable();
        return;
    }
    model_->RefillRow(row);
}

std::optional<DeviceBulkChange> DeviceSummaryTab::ChosenAllocation() const {
    // A list with nothing selected gives nothing, rather than an allocation of -1.
    const int selected = SelectedRow(allocation_->FrontList());
    if (selected < 0) return std::nullopt;
    return DeviceBulkChange{DeviceBulkChange::Allocation, selected,
                            static_cast<DeviceBulkChange::AllocationClass>(allocation_->ItemIndex())};
}

void DeviceSummaryTab::TakeAllocation(int row, int device) {
    // Only the list of the device's own class gives it an allocation.
    if (const std::optional<DeviceBulkChange> change = ChosenAllocation())
        if (ApplyToDevices(data_.Loop, {device}, *change).changed > 0)
            document_.Changed(DeviceStepName(device, "Allocation"));
    model_->RefillRow(row);
}

void DeviceSummaryTab::ToggleEnabled(int row, int device) {
    int& enabled = data_.Loop.Device(device).Enabled;
    enabled = enabled != 0 ? 0 : 1;
    document_.Changed(DeviceStepName(device, "Enabled"));
    model_->RefillRow(row);
}

// ---- several devices at once ------------------------------------------------

std::vector<int> DeviceSummaryTab::SelectedDevices() const {
    std::vector<int> devices;
    for (const int row : sgrdLoop->SelectedRows())
        if (const int device = DeviceOfRow(row); device != 0) devices.push_back(device);
    return devices;
}

void DeviceSummaryTab::EditSelection(const std::vector<int>& devices, int device) {
    model_->SetSuffixEditing(false);
    const int column = sgrdLoop->Column();
    if (device == 0 || column == dcDevNo || column == dcSuffix) return;
    if (!chkEnableZoneChanges->isChecked()) {
        WarnEnableChanges();
        return;
    }
    std::optional<DeviceBulkChange> change;
    switch (column) {
        case dcDeviceType:
            if (const QToolButton* tool = DeviceToolBar->DownTool())
                change = DeviceBulkChange{DeviceBulkChange::Type, DeviceTypeToolBar::TagOf(tool)};
            break;
        case dcAllocation:
            change = ChosenAllocation();
            break;
        case dcPlaceName:
            // The picker opens on the name of the device double-clicked.
            if (const std::optional<int> index = namesForm_.PickForDevice(device))
                change = DeviceBulkChange{DeviceBulkChange::PlaceName, *index};
            break;
        case dcEnabled:
            // Every device takes the state the double-clicked one toggles to.
            change =
                DeviceBulkChange{DeviceBulkChange::Enabled, data_.Loop.Device(device).Enabled != 0 ? 0 : 1};
            break;
        default:
            break;
    }
    if (change) ApplyBulkChange(devices, *change);
}

void DeviceSummaryTab::ApplyBulkChange(const std::vector<int>& devices, const DeviceBulkChange& change) {
    const DeviceBulkResult result = ApplyToDevices(data_.Loop, devices, change);
    if (result.changed > 0) document_.Changed(DeviceBulkStepName(result.changed, change));
    // Rows stay where they are, as after a one-cell edit, unless removed
    // devices leave a table of fitted devices only.
    if (fittedOnly_ && change.kind == DeviceBulkChange::Type && change.value == dtNotFitted) {
        RefreshDeviceTable();
    } else {
        for (const int row : sgrdLoop->SelectedRows()) model_->RefillRow(row);
    }
    StatusBar1->showMessage(QString::fromStdString(DeviceBulkSummary(result, change)));
}

void DeviceSummaryTab::GoToDevice(int device) {
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (DeviceOfRow(row) != device) continue;
        PlaceCursor(row, dcDevNo);
        return;
    }
}

void DeviceSummaryTab::PlaceNameChosen() {
    RebuildZoneList();
    RefreshToolbarHints();
    RefreshDeviceTable();
}

}  // namespace kelvane
