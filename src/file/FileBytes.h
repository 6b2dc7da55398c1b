#pragma once
#include <string>

namespace kelvane {

enum class FileReadStatus { Read, Missing, Unreadable };

struct FileBytes {
    FileReadStatus status = FileReadStatus::Missing;
    std::string bytes;
    // Why there is none ("No such file or directory"); empty when read.
    std::string reason;
};

// The whole content of a file, or why there is none: a path that names
// nothing is Missing; a folder, a file we may not read or a failed read is
// Unreadable.
FileBytes ReadFileBytes(const std::string& path);

}  // namespace kelvane
