#pragma once
#include <string>

namespace kelvane {

// Where the document commands read and write configuration files. The
// desktop program's store is the KCF reader and writer (it fills and reads
// the one model and the document state); tests use an in-memory store.
class DocumentStore {
public:
    virtual ~DocumentStore() = default;

    // True when `path` holds a configuration file this program can read;
    // otherwise `errorText` says why not. Cheap: it does not read the file
    // into the model, so it comes before any question about the open work.
    virtual bool IsValid(const std::string& path, std::string& errorText) = 0;
    // Resets the model and fills it from `path` (with its comments file).
    // False when reading failed part-way; `errorText` then says why.
    virtual bool Read(const std::string& path, std::string& errorText) = 0;
    // Writes the model to `path` (with its comments file). False when the
    // file system refused; `errorText` is then "Unable to write to " + path.
    virtual bool Write(const std::string& path, std::string& errorText) = 0;
};

}  // namespace kelvane
