#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "core/UserSettings.h"

namespace kelvane {

// The site files last opened or saved, most recent first, kept in the
// per-user settings. The list is read from the store each time, so that two
// copies of the program running side by side add to one list.
class RecentFiles {
public:
    static constexpr std::size_t kLimit = 8;

    explicit RecentFiles(UserSettings& settings) : settings_(settings) {}

    // Most recent first; at most eight, none empty, none twice (a store
    // edited by hand is read the same way).
    std::vector<std::string> Paths() const;
    // `path` becomes the most recent entry; an earlier entry for it goes,
    // and the oldest drops off past eight.
    void Remember(const std::string& path);

private:
    UserSettings& settings_;
};

}  // namespace kelvane
