#include "ui/GroupConfigTab.h"

namespace kelvane {

GroupConfigTab::GroupConfigTab(TData& data, Document& document, Prompts& prompts, QWidget* parent)
    : QWidget(parent), data_(data), document_(document), prompts_(prompts) {}

void GroupConfigTab::RefreshGroupRows() {}

}  // namespace kelvane
