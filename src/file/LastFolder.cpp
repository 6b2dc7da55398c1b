#include "file/LastFolder.h"

#include <filesystem>
#include <vector>

namespace kelvane {

std::string LastFolder::Path() const {
    const std::vector<std::string> stored = settings_.List(kLastFolderKey);
    return stored.empty() ? std::string() : stored.front();
}

void LastFolder::RememberFolderOf(const std::string& file) {
    const std::string folder = std::filesystem::path(file).parent_path().string();
    if (!folder.empty()) settings_.SetList(kLastFolderKey, {folder});
}

}  // namespace kelvane
