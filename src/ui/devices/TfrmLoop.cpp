#include "ui/devices/TfrmLoop.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/DeviceCatalogue.h"
#include "model/DeviceSummaryRow.h"
#include "model/LoopInfoTexts.h"
#include "qt/Latin1.h"
#include "ui/devices/DeviceTypeToolBar.h"
#include "ui/devices/LoopDrawGrid.h"
#include "ui/devices/LoopInfoBar.h"
#include "ui/devices/TDeviceConfig.h"

namespace kelvane {

namespace {

constexpr QSize kToolButtonSize(57, 56);
// Columns take 61 pixels of the grid's width, after a margin of 20.
constexpr int kWidthMargin = 20;
constexpr int kColumnPitch = 61;
// A tool code from here up places nothing.
constexpr int kFirstNonTool = 16;
constexpr const char* kRemoveDeviceDesignHint = "Remove Device";

QAction* AddItem(QMenu* menu, const char* name, const char* caption) {
    QAction* item = menu->addAction(QString::fromLatin1(caption));
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

}  // namespace

TfrmLoop::TfrmLoop(TData& data, Document& document, Prompts& prompts, const DeviceImages& images,
                   TNamesForm& namesForm, QWidget* parent)
    : QWidget(parent), data_(data), document_(document), prompts_(prompts) {
    setObjectName(QStringLiteral("frmLoop1"));
    DeviceToolBar = new DeviceTypeToolBar(images, kToolButtonSize, this);
    // The remove tool's first hint, until the tab is shown and the hints are set.
    DeviceToolBar->ToolButtonRemove->setToolTip(QString::fromLatin1(kRemoveDeviceDesignHint));
    DeviceToolBar->ToolButtonRemove->setStatusTip(QString::fromLatin1(kRemoveDeviceDesignHint));
    dwgLoop = new LoopDrawGrid(data_.Loop, images, this);
    stbarLoopInfo = new LoopInfoBar(this);
    lblToolInEffect = new QLabel(this);
    lblToolInEffect->setObjectName(QStringLiteral("lblToolInEffect"));
    DeviceConfig = new TDeviceConfig(data_, document_, prompts_, namesForm, images, this);
    BuildMenus();

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 0);
    auto* tools = new QHBoxLayout;
    tools->addWidget(DeviceToolBar, 1);
    tools->addWidget(lblToolInEffect);
    page->addLayout(tools);
    page->addWidget(dwgLoop, 1);
    page->addWidget(stbarLoopInfo);

    connect(DeviceToolBar, &DeviceTypeToolBar::toolClicked, this, &TfrmLoop::ToolButton1Click);
    for (QToolButton* tool : DeviceToolBar->Tools()) {
        tool->setMouseTracking(true);
        tool->installEventFilter(this);
    }
    connect(dwgLoop, &LoopDrawGrid::cellSelected, this, &TfrmLoop::dwgLoopSelectCell);
    connect(dwgLoop, &LoopDrawGrid::doubleClicked, this, &TfrmLoop::dwgLoopDblClick);
    connect(dwgLoop, &LoopDrawGrid::mouseMovedOver, this, &TfrmLoop::dwgLoopMouseMove);
    connect(dwgLoop, &LoopDrawGrid::selectionMoved, this, &TfrmLoop::DescribeSelected);
    connect(dwgLoop, &LoopDrawGrid::menuRequested, this, [this](int address, QPoint at) {
        if (address != 0) currentAddress_ = address;
        if (!editingHeld_) PopupPointAt(at);
    });
    connect(dwgLoop, &LoopDrawGrid::resized, this, &TfrmLoop::FrameResize);
    connect(DeviceConfig, &TDeviceConfig::stored, this, &TfrmLoop::FrameResize);
    connect(DeviceConfig, &TDeviceConfig::deviceChanged, dwgLoop, &LoopDrawGrid::RepaintAddress);
    connect(DeviceConfig, &TDeviceConfig::helpRequested, this, &TfrmLoop::helpRequested);
    ShowToolInEffect();
}

void TfrmLoop::BuildMenus() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Replacedevice1 = AddItem(PopupMenu1, "Replacedevice1", "Replace device");
    Editdeviceproperties1 = AddItem(PopupMenu1, "Editdeviceproperties1", "Edit device properties");
    connect(Replacedevice1, &QAction::triggered, this, &TfrmLoop::Replacedevice1Click);
    connect(Editdeviceproperties1, &QAction::triggered, this, &TfrmLoop::Editdeviceproperties1Click);

    popupPoint = new QMenu(this);
    popupPoint->setObjectName(QStringLiteral("popupPoint"));
    Edit1 = AddItem(popupPoint, "Edit1", "Edit Device");
    ResetParameters1 = AddItem(popupPoint, "ResetParameters1", "Reset Parameters");
    RemoveDevice1 = AddItem(popupPoint, "RemoveDevice1", "Remove Device");
    connect(Edit1, &QAction::triggered, this, &TfrmLoop::Edit1Click);
    connect(ResetParameters1, &QAction::triggered, this, &TfrmLoop::ResetParameters1Click);
    connect(RemoveDevice1, &QAction::triggered, this, &TfrmLoop::RemoveDevice1Click);
}

bool TfrmLoop::IsLoopAddress(int address) const {
    return address >= 1 && address <= data_.Loop.NoLoopDevices();
}

// ---- entry points of the main window ---------------------------------------

void TfrmLoop::RefreshToolbar() {
    DeviceToolBar->RefreshImages();
    DeviceToolBar->RefreshHints();
}

void TfrmLoop::FrameResize() {
    const int columns = std::max((dwgLoop->width() - kWidthMargin) / kColumnPitch, 1);
    const int addresses = data_.Loop.NoLoopDevices();
    int rows = addresses / columns;
    if ((addresses + 1) % columns != 0) ++rows;
    dwgLoop->SetGridSize(columns, rows);
}

void TfrmLoop::HoldBackEditing(bool held) {
    editingHeld_ = held;
    DeviceToolBar->setEnabled(!held);
}

void TfrmLoop::SelectDevice(int address) {
    if (!IsLoopAddress(address)) return;
    currentAddress_ = address;
    dwgLoop->SetSelectedAddress(address);
    DescribeSelected();
}

void TfrmLoop::RefreshDeviceInfo() {
    dwgLoopMouseMove(dwgLoop->HoverAddress());
    dwgLoop->setAccessibleName(Latin1(DeviceSpokenText(data_, dwgLoop->SelectedAddress())));
}

void TfrmLoop::DescribeSelected() {
    const int address = dwgLoop->SelectedAddress();
    stbarLoopInfo->ShowPanels();
    ShowDeviceInfo(address);
    dwgLoop->setAccessibleName(Latin1(DeviceSpokenText(data_, address)));
}

// ---- tools --------------------------------------------------------------------

void TfrmLoop::ToolButton1Click(int tag, bool down) {
    toolCode_ = tag;
    noTool_ = !down;
    ShowToolInEffect();
}

void TfrmLoop::ShowToolInEffect() {
    QString tool;
    if (noTool_)
        tool = QStringLiteral("none (a click opens the device's properties)");
    else if (toolCode_ == dtNotFitted)
        tool = QString::fromLatin1(kRemoveDeviceDesignHint);
    else
        tool = Latin1(DeviceTypeLongName(toolCode_));
    lblToolInEffect->setText(QStringLiteral("Tool in effect: ") + tool);
}

void TfrmLoop::ToolButtonMouseMove(QToolButton* tool) {
    stbarLoopInfo->ShowHint(tool->statusTip());
}

bool TfrmLoop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
        if (auto* tool = qobject_cast<QToolButton*>(watched)) ToolButtonMouseMove(tool);
    return QWidget::eventFilter(watched, event);
}

bool TfrmLoop::event(QEvent* event) {
    // The tools' hints belong in this frame's own bar, not the window's.
    if (event->type() == QEvent::StatusTip) return true;
    return QWidget::event(event);
}

// ---- the grid -----------------------------------------------------------------

void TfrmLoop::dwgLoopSelectCell(int address, QPoint globalPosition) {
    if (!IsLoopAddress(address)) return;
    currentAddress_ = address;
    if (editingHeld_) return;
    if (noTool_) {
        OpenDeviceConfig(address);
    } else if (toolCode_ < kFirstNonTool) {
        const int fitted = data_.Loop.Device(address).DeviceType;
        if (fitted == toolCode_ || fitted <= dtNotFitted) {
            PlaceDevice();
        } else if (toolCode_ > dtNotFitted && address > 1) {
            PopupMenu1->exec(globalPosition);
        } else if (address > 1 && Confirm(kRemoveThisDeviceQuestion)) {
            PlaceDevice();
        }
    }
    dwgLoop->RepaintAll();
    DescribeSelected();
}

void TfrmLoop::dwgLoopDblClick() {
    if (!editingHeld_) OpenDeviceConfig(currentAddress_);
}

void TfrmLoop::dwgLoopMouseMove(int address) {
    currentAddress_ = address;
    stbarLoopInfo->ShowPanels();
    if (IsLoopAddress(address))
        ShowDeviceInfo(address);
    else
        stbarLoopInfo->SetPanelTexts(LoopInfoStartTexts(), 3);
}

void TfrmLoop::ShowDeviceInfo(int address) {
    stbarLoopInfo->SetPanelTexts(DeviceInfoTexts(data_, address));
}

void TfrmLoop::PlaceDevice() {
    if (data_.Loop.PlaceDevice(currentAddress_, toolCode_))
        document_.Changed(DeviceStepName(currentAddress_, "Type"));
    ShowDeviceInfo(currentAddress_);
    dwgLoop->RepaintAddress(currentAddress_);
}

void TfrmLoop::OpenDeviceConfig(int address) {
    if (!IsLoopAddress(address)) return;
    DeviceConfig->ShowForDevice(address);
    // Cancel keeps an enable toggle or place name: the grid shows them too.
    dwgLoop->RepaintAll();
}

bool TfrmLoop::Confirm(const char* question) {
    return prompts_.Ask(PromptKind::Warning, question, PromptButtons::YesNo) == PromptAnswer::Yes;
}

// ---- menus --------------------------------------------------------------------

void TfrmLoop::PopupPointAt(QPoint globalPosition) {
    const bool onDevice = IsLoopAddress(currentAddress_);
    Edit1->setEnabled(onDevice);
    ResetParameters1->setEnabled(onDevice);
    RemoveDevice1->setEnabled(onDevice && currentAddress_ > 1);
    popupPoint->exec(globalPosition);
}

void TfrmLoop::Edit1Click() {
    OpenDeviceConfig(currentAddress_);
}

void TfrmLoop::ResetParameters1Click() {
    if (IsLoopAddress(currentAddress_) && data_.Loop.ResetParameters(currentAddress_))
        document_.Changed("Reset Device " + std::to_string(currentAddress_) + " Parameters");
}

void TfrmLoop::RemoveDevice1Click() {
    if (IsLoopAddress(currentAddress_) && currentAddress_ > 1 && Confirm(kRemoveCurrentDeviceQuestion)) {
        if (data_.Loop.PlaceDevice(currentAddress_, dtNotFitted))
            document_.Changed("Remove Device " + std::to_string(currentAddress_));
        ShowDeviceInfo(currentAddress_);
    }
    dwgLoop->RepaintAll();
    const QToolButton* down = DeviceToolBar->DownTool();
    toolCode_ =
        down && down != DeviceToolBar->ToolButtonRemove ? DeviceTypeToolBar::TagOf(down) : dtNotFitted;
    ShowToolInEffect();
}

void TfrmLoop::Replacedevice1Click() {
    if (IsLoopAddress(currentAddress_) && currentAddress_ > 1 && Confirm(kReplaceDeviceQuestion))
        PlaceDevice();
}

void TfrmLoop::Editdeviceproperties1Click() {
    OpenDeviceConfig(currentAddress_);
}

}  // namespace kelvane
