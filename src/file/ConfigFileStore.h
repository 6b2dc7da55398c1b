#pragma once
#include <optional>
#include <string>

#include "file/ConfigFile.h"
#include "file/Document.h"
#include "file/DocumentStore.h"
#include "model/Data.h"

namespace kelvane {

// The desktop program's document store: KCF configuration files on disk,
// read into and written from the one model.
class ConfigFileStore : public DocumentStore {
public:
    ConfigFileStore(TData& data, Document& document) : data_(data), document_(document) {}

    // A valid file's content is kept here, so that reading it right after
    // reads the very content that was tested.
    bool IsValid(const std::string& path, std::string& errorText) override;
    bool Read(const std::string& path, std::string& errorText) override;
    bool Write(const std::string& path, std::string& errorText) override;

private:
    struct TestedFile {
        std::string path;
        ConfigFileContent content;
    };

    TData& data_;
    Document& document_;
    std::optional<TestedFile> tested_;
};

}  // namespace kelvane
