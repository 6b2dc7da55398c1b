#pragma once
#include "file/Document.h"
#include "model/Data.h"
#include "ui/DocumentStore.h"

namespace kelvane {

// The desktop program's document store: KCF configuration files on disk,
// read into and written from the one model.
class ConfigFileStore : public DocumentStore {
public:
    ConfigFileStore(TData& data, Document& document) : data_(data), document_(document) {}

    bool IsValid(const std::string& path) override;
    bool Read(const std::string& path, std::string& errorText) override;
    bool Write(const std::string& path, std::string& errorText) override;

private:
    TData& data_;
    Document& document_;
};

}  // namespace kelvane
