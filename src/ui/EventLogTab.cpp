#include "ui/EventLogTab.h"

namespace kelvane {

EventLogTab::EventLogTab(TData& data, Document& document, Prompts& prompts, QWidget* parent)
    : QWidget(parent), data_(data), document_(document), prompts_(prompts) {}

void EventLogTab::ClearDisplay() {}

void EventLogTab::LoadLogFromDisk() {}

void EventLogTab::SaveLogToDisk() {}

void EventLogTab::Convert() {}

}  // namespace kelvane
