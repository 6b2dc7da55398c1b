#include "ui/ConfigFileStore.h"

#include "file/ConfigFile.h"

namespace kelvane {

bool ConfigFileStore::IsValid(const std::string& path) { return IsValidConfigFile(path); }

bool ConfigFileStore::Read(const std::string& path, std::string& errorText) {
    const ConfigOpenResult result = OpenConfigFile(path, data_, document_);
    if (!result.Read()) errorText = result.message;
    return result.Read();
}

bool ConfigFileStore::Write(const std::string& path, std::string& errorText) {
    const ConfigSaveResult result = WriteConfigFile(path, data_, document_);
    if (!result.saved) errorText = result.message;
    return result.saved;
}

}  // namespace kelvane
