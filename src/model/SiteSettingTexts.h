#pragma once
#include <string>
#include <vector>

namespace kelvane {

// The words of the site settings' lists, in the order the Site Config tab
// offers them: entry i is the text of the stored value i.

// "Disabled", "Manual Only", "On every event", "After 10 events" .. "After 100 events".
const std::vector<const char*>& LoggerSettingEntries();
// "Disabled", "Call & Higher", "Assist & Higher", "Emergency & Higher", "Attack Only".
const std::vector<const char*>& PagerLevelEntries();
// How emergencies and attacks are sent: "Locally" (false), "Globally" (true).
const std::vector<const char*>& SentEntries();

// Entry `index` of `entries`, or "" when the list has no such entry.
const char* ListEntry(const std::vector<const char*>& entries, int index);
// Entry `index` of `entries`, or "Unknown (" + index + ")" for a value the
// list does not have (a hand-edited file may hold one).
std::string ListEntryText(const std::vector<const char*>& entries, int index);

}  // namespace kelvane
