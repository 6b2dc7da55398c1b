#pragma once
#include <vector>

namespace kelvane {

// The entries of the site settings' choice lists, in index order: the Site
// Config tab shows them and the site report prints the entry at the stored
// index.

// Print log: "Disabled", "Manual Only", "On every event", "After 10 events"
// ... "After 100 events" (LoggerSetting 0..12).
const std::vector<const char*>& LoggerSettingEntries();
// Radio pager: "Disabled", "Call & Higher", "Assist & Higher",
// "Emergency & Higher", "Attack Only" (PagerLevel 0..4).
const std::vector<const char*>& PagerLevelEntries();
// Emergencies and attacks: "Locally" (0, false), "Globally" (1, true).
const std::vector<const char*>& SentEntries();

// The entry at `index`, or "" when the list has no such entry.
const char* ListEntry(const std::vector<const char*>& entries, int index);

}  // namespace kelvane
