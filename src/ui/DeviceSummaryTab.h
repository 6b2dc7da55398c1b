#pragma once
#include <QWidget>

#include "core/Prompts.h"
#include "file/Document.h"
#include "model/Data.h"

namespace kelvane {

// The Device Summary tab: the device table with its sort and filter options, the
// zone, group and area lists and the device-type tool bar. The table and the
// lists arrive with the device summary editor; the main window already calls
// every entry point below at the moments they matter.
class DeviceSummaryTab : public QWidget {
    Q_OBJECT
public:
    DeviceSummaryTab(TData& data, Document& document, Prompts& prompts, QWidget* parent = nullptr);

    // Unticks "Enable changes" so that no cell edit is armed.
    void UntickEnableChanges();
    // Puts the device table's cursor on row 1, column 0.
    void ResetTableCursor();
    // Selects the first entry of the report type list and of the group, area
    // and zone lists.
    void SelectFirstListEntries();
    // Rebuilds the zone list (32 or 64 zones by the controller version).
    void RebuildZoneList();
    // Sets the device tool bar's hints.
    void RefreshToolbarHints();
    // Fills the device table from the loop.
    void RefreshDeviceTable();

private:
    [[maybe_unused]] TData& data_;
    [[maybe_unused]] Document& document_;
    [[maybe_unused]] Prompts& prompts_;
};

}  // namespace kelvane
