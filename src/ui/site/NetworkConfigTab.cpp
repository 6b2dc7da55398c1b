#include "ui/site/NetworkConfigTab.h"

namespace kelvane {

NetworkConfigTab::NetworkConfigTab(TData& data, Document& document, Prompts& prompts, QWidget* parent)
    : QWidget(parent), data_(data), document_(document), prompts_(prompts) {}

}  // namespace kelvane
