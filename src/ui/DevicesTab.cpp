#include "ui/DevicesTab.h"

namespace kelvane {

DevicesTab::DevicesTab(TData& data, Document& document, Prompts& prompts, QWidget* parent)
    : QWidget(parent), data_(data), document_(document), prompts_(prompts) {}

void DevicesTab::SetUpLoop() { data_.Loop.SystemType = stApolloLoop; }

void DevicesTab::RefreshToolbar() {}

void DevicesTab::RefreshLayout() {}

}  // namespace kelvane
