#include "file/LastFolder.h"

#include <filesystem>

#include "core/ProgramSettings.h"

namespace kelvane {

std::string LastFolder::Path() const {
    return ProgramSettings(settings_).LastFolder();
}

void LastFolder::RememberFolderOf(const std::string& file) {
    const std::string folder = std::filesystem::path(file).parent_path().string();
    if (!folder.empty()) ProgramSettings(settings_).SetLastFolder(folder);
}

}  // namespace kelvane
