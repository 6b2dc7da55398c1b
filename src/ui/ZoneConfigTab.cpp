#include "ui/ZoneConfigTab.h"

namespace kelvane {

ZoneConfigTab::ZoneConfigTab(TData& data, Document& document, Prompts& prompts, QWidget* parent)
    : QWidget(parent), data_(data), document_(document), prompts_(prompts) {}

void ZoneConfigTab::RefreshZoneRows() {}

}  // namespace kelvane
