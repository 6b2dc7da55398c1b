#pragma once
#include <QWidget>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

namespace kelvane {

class DeviceFindBar;
class DeviceImages;
class TfrmLoop;
class TNamesForm;

// The Devices tab: the page that carries the loop frame `frmLoop1`.
class DevicesTab : public QWidget {
    Q_OBJECT
public:
    DevicesTab(TData& data, Document& document, Prompts& prompts, const DeviceImages& images,
               TNamesForm& namesForm, QWidget* parent = nullptr);

    // Prepares the loop view for the Apollo loop: system type and tool bar images.
    void SetUpLoop();
    // Refreshes the tool bar's images and hints.
    void RefreshToolbar();
    // Fits the grid to the page and redraws every device cell from the loop.
    void RefreshLayout();
    // While held, the loop can be looked over but not changed.
    void HoldBackEditing(bool held);

    TfrmLoop* frmLoop1;
    DeviceFindBar* FindBar;

signals:
    // F1 in the Device Configuration dialog.
    void helpRequested(int context);

private:
    TData& data_;
};

}  // namespace kelvane
