#pragma once
#include <QWidget>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

namespace kelvane {

// The Devices tab: the picture of the loop with its device-type tool bar. The
// loop view arrives with the loop editor; the main window already calls every
// entry point below at the moments they matter.
class DevicesTab : public QWidget {
    Q_OBJECT
public:
    DevicesTab(TData& data, Document& document, Prompts& prompts, QWidget* parent = nullptr);

    // Prepares the loop view for the Apollo loop: system type, tool bar images,
    // a grid of one heading row and one row per address.
    void SetUpLoop();
    // Refreshes the tool bar's images and hints.
    void RefreshToolbar();
    // Redraws every device cell from the loop.
    void RefreshLayout();

private:
    [[maybe_unused]] TData& data_;
    [[maybe_unused]] Document& document_;
    [[maybe_unused]] Prompts& prompts_;
};

}  // namespace kelvane
