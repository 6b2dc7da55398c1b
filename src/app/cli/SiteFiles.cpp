#include "app/cli/SiteFiles.h"

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

int WriteSite(const std::string& path, const TData& data, std::ostream& err) {
    Document document;
    const ConfigSaveResult result = WriteConfigFile(path, data, document);
    if (result.saved) return kExitOk;
    err << result.message << "\n";
    return kExitFailure;
}

}  // namespace kelvane::cli
