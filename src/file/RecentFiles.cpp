#include "file/RecentFiles.h"

#include <algorithm>

#include "core/ProgramSettings.h"

namespace kelvane {

namespace {

void AddOnce(std::vector<std::string>& paths, const std::string& path) {
    if (path.empty() || paths.size() >= RecentFiles::kLimit) return;
    if (std::find(paths.begin(), paths.end(), path) == paths.end()) paths.push_back(path);
}

}  // namespace

std::vector<std::string> RecentFiles::Paths() const {
    std::vector<std::string> paths;
    for (const std::string& stored : ProgramSettings(settings_).RecentFiles()) AddOnce(paths, stored);
    return paths;
}

void RecentFiles::Remember(const std::string& path) {
    if (path.empty()) return;
    std::vector<std::string> paths{path};
    ProgramSettings settings(settings_);
    for (const std::string& stored : settings.RecentFiles()) AddOnce(paths, stored);
    settings.SetRecentFiles(paths);
}

}  // namespace kelvane
