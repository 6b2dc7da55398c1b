#include "ui/ConfigFileStore.h"

#include <utility>

#include "file/ConfigFile.h"
#include "file/FileBytes.h"

namespace kelvane {

bool ConfigFileStore::IsValid(const std::string& path) {
    tested_.reset();
    const FileBytes bytes = ReadFileBytes(path);
    if (bytes.status != FileReadStatus::Read) return false;
    IniFile file(bytes.bytes);
    if (!IsValidConfigFile(file)) return false;
    tested_ = TestedFile{path, std::move(file)};
    return true;
}

bool ConfigFileStore::Read(const std::string& path, std::string& errorText) {
    if (tested_ && tested_->path == path) {
        const TestedFile tested = std::move(*tested_);
        tested_.reset();
        ReadConfigFile(tested.file, path, data_, document_);
        return true;
    }
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
