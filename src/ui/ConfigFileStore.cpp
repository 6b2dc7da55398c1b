#include "ui/ConfigFileStore.h"

// TODO(integration): call IsValidConfigFile, ReadConfigFile and
// WriteConfigFile of file/ConfigFile.h here once the KCF reader and writer
// are merged. Until then no file is accepted and nothing is written, and
// the user is told so.

namespace kelvane {

bool ConfigFileStore::IsValid(const std::string&) { return false; }

bool ConfigFileStore::Read(const std::string& path, std::string& errorText) {
    errorText = "Unable to read " + path;
    return false;
}

bool ConfigFileStore::Write(const std::string& path, std::string& errorText) {
    errorText = "Unable to write to " + path;
    return false;
}

}  // namespace kelvane
