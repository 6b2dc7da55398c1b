#pragma once
#include <QWidget>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

class QAction;
class QLabel;
class QMenu;
class QToolButton;

namespace kelvane {

class DeviceImages;
class DeviceTypeToolBar;
class LoopDrawGrid;
class LoopInfoBar;
class TDeviceConfig;
class TNamesForm;

inline constexpr const char* kRemoveThisDeviceQuestion =
    " Are you sure that you want to remove this device ?";
inline constexpr const char* kRemoveCurrentDeviceQuestion =
    " Are you sure that you want to remove the current device?";
inline constexpr const char* kReplaceDeviceQuestion =
    " Are you sure that you want to change the current device to this new type ?";

// The loop frame of the Devices tab: its own device-type tool bar, the
// picture grid `dwgLoop` of the 256 addresses and the information bar. A
// click on a cell places the chosen tool's type there, offers to replace a
// device of another type or asks to remove it; with the last tool raised
// again it opens the Device Configuration dialog instead. Address 1, the
// network controller, is never replaced or removed here. Every change made
// here marks the document modified.
class TfrmLoop : public QWidget {
    Q_OBJECT
public:
    TfrmLoop(TData& data, Document& document, Prompts& prompts, const DeviceImages& images,
             TNamesForm& namesForm, QWidget* parent = nullptr);

    // Gives the tool bar its images and hints.
    void RefreshToolbar();
    // Fits the columns to the grid's width (at least one) and the rows to
    // the 256 addresses, and repaints.
    void FrameResize();
    // While held, the grid still shows each device under the mouse, but no
    // tool, click, menu or dialog changes one.
    void HoldBackEditing(bool held);

    // Selects the cell of `address` (1..256), scrolls it into view and
    // describes its device in the information bar.
    void SelectDevice(int address);
    // The information bar describes the device under the mouse again, or
    // none (after the loop was replaced).
    void RefreshDeviceInfo();

    // What the user does, by control and event.
    void dwgLoopSelectCell(int address, QPoint globalPosition);
    void dwgLoopDblClick();
    void dwgLoopMouseMove(int address);
    void ToolButtonMouseMove(QToolButton* tool);
    void ToolButton1Click(int tag, bool down);
    void Edit1Click();
    void ResetParameters1Click();
    void RemoveDevice1Click();
    void Replacedevice1Click();
    void Editdeviceproperties1Click();

    // The view state: the address under the mouse or last selected, the
    // type code a click places (0 removes) and whether the last tool clicked
    // was raised again.
    int CurrentAddress() const { return currentAddress_; }
    int ToolCode() const { return toolCode_; }
    bool NoTool() const { return noTool_; }

    DeviceTypeToolBar* DeviceToolBar;
    LoopDrawGrid* dwgLoop;
    LoopInfoBar* stbarLoopInfo;
    // Says what a click on a cell does now.
    QLabel* lblToolInEffect;
    QMenu* PopupMenu1;
    QAction* Replacedevice1;
    QAction* Editdeviceproperties1;
    QMenu* popupPoint;
    QAction* Edit1;
    QAction* ResetParameters1;
    QAction* RemoveDevice1;
    TDeviceConfig* DeviceConfig;

signals:
    // F1 in the Device Configuration dialog.
    void helpRequested(int context);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void ShowToolInEffect();
    bool IsLoopAddress(int address) const;
    // Puts the tool code's type at the current address and shows it.
    void PlaceDevice();
    void ShowDeviceInfo(int address);
    // The information bar and the grid's accessible name describe the
    // selected device.
    void DescribeSelected();
    void OpenDeviceConfig(int address);
    void PopupPointAt(QPoint globalPosition);
    bool Confirm(const char* question);

    TData& data_;
    Document& document_;
    Prompts& prompts_;
    int currentAddress_ = 1;
    int toolCode_ = 0;
    bool noTool_ = false;
    bool editingHeld_ = false;
};

}  // namespace kelvane
