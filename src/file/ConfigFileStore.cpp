#include "file/ConfigFileStore.h"

#include <utility>

#include "file/ConfigFile.h"

namespace kelvane {

bool ConfigFileStore::IsValid(const std::string& path, std::string& errorText) {
    tested_.reset();
    ConfigFileContent content = TestConfigFile(path);
    if (!content.test.Read()) {
        // A file that is not there (a recent file since deleted) is no
        // configuration file; one that cannot be read says why.
        errorText = content.test.status == ConfigOpenStatus::Missing ? kNotValidConfigFileMessage
                                                                     : content.test.message;
        return false;
    }
    tested_ = TestedFile{path, std::move(content)};
    return true;
}

bool ConfigFileStore::Read(const std::string& path, std::string& errorText) {
    ConfigOpenResult result;
    if (tested_ && tested_->path == path) {
        const TestedFile tested = std::move(*tested_);
        tested_.reset();
        result = ReadConfigContent(tested.content, path, data_, document_);
    } else {
        result = OpenConfigFile(path, data_, document_);
    }
    if (!result.Read()) errorText = result.message;
    return result.Read();
}

bool ConfigFileStore::Write(const std::string& path, std::string& errorText) {
    // A file tested before it was written over (the work saved to the very
    // file about to be opened) is read afresh.
    tested_.reset();
    const ConfigSaveResult result = WriteConfigFile(path, data_, document_);
    if (!result.saved) errorText = result.message;
    return result.saved;
}

}  // namespace kelvane
