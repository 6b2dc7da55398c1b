#include "model/SiteSettingTexts.h"

namespace kelvane {

const std::vector<const char*>& LoggerSettingEntries() {
    static const std::vector<const char*> entries{
        "Disabled",        "Manual Only",     "On every event",  "After 10 events", "After 20 events",
        "After 30 events", "After 40 events", "After 50 events", "After 60 events", "After 70 events",
        "After 80 events", "After 90 events", "After 100 events"};
    return entries;
}

const std::vector<const char*>& PagerLevelEntries() {
    static const std::vector<const char*> entries{"Disabled", "Call & Higher", "Assist & Higher",
                                                  "Emergency & Higher", "Attack Only"};
    return entries;
}

const std::vector<const char*>& SentEntries() {
    static const std::vector<const char*> entries{"Locally", "Globally"};
    return entries;
}

const char* ListEntry(const std::vector<const char*>& entries, int index) {
    if (index < 0 || index >= static_cast<int>(entries.size())) return "";
    return entries[static_cast<std::size_t>(index)];
}

std::string ListEntryText(const std::vector<const char*>& entries, int index) {
    const std::string entry = ListEntry(entries, index);
    return entry.empty() ? "Unknown (" + std::to_string(index) + ")" : entry;
}

}  // namespace kelvane
