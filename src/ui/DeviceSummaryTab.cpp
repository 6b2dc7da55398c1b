#include "ui/DeviceSummaryTab.h"

namespace kelvane {

DeviceSummaryTab::DeviceSummaryTab(TData& data, Document& document, Prompts& prompts, QWidget* parent)
    : QWidget(parent), data_(data), document_(document), prompts_(prompts) {}

void DeviceSummaryTab::UntickEnableChanges() {}

void DeviceSummaryTab::ResetTableCursor() {}

void DeviceSummaryTab::SelectFirstListEntries() {}

void DeviceSummaryTab::RebuildZoneList() {}

void DeviceSummaryTab::RefreshToolbarHints() {}

void DeviceSummaryTab::RefreshDeviceTable() {}

}  // namespace kelvane
