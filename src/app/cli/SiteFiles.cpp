#include "app/cli/SiteFiles.h"

#include <filesystem>

#include "app/cli/Command.h"
#include "file/ConfigFile.h"

namespace kelvane::cli {

int ReadSite(const std::string& path, TData& data, std::ostream& err) {
    Document document;
    const ConfigOpenResult result = OpenConfigFile(path, data, document);
    if (result.Read()) return kExitOk;
    err << result.message << "\n";
    return result.status == ConfigOpenStatus::NotValid ? kExitNotValid : kExitFailure;
}

std::string SiteOutputPath(const std::string& output) {
    return std::filesystem::path(output).extension().empty() ? output + ".KCF" : output;
}

int WriteSite(const std::string& output, const TData& data, std::ostream& err) {
    const std::string path = SiteOutputPath(output);
    Document document;
    const ConfigSaveResult result = WriteConfigFile(path, data, document);
    if (result.saved) return kExitOk;
    err << result.message << "\n";
    return kExitFailure;
}

}  // namespace kelvane::cli
