#pragma once
#include <string>

#include "core/UserSettings.h"

namespace kelvane {

// The folder in which the user last chose a file in one of the program's
// file dialogs, kept in the per-user settings so that the next dialog, in
// this run or the next, opens there.
class LastFolder {
public:
    explicit LastFolder(UserSettings& settings) : settings_(settings) {}

    // Empty until a file was chosen.
    std::string Path() const;
    // Remembers the folder that holds `file`.
    void RememberFolderOf(const std::string& file);

private:
    UserSettings& settings_;
};

}  // namespace kelvane
