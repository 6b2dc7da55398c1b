#pragma once
#include <cstdint>
#include <limits>
#include <string>

namespace kelvane {

enum class FileReadStatus { Read, Missing, Unreadable, TooLarge };

struct FileBytes {
    FileReadStatus status = FileReadStatus::Missing;
    std::string bytes;
    // Why there is none ("No such file or directory"); empty when read.
    std::string reason;
};

// The whole content of a file, or why there is none: a path that names
// nothing is Missing; a file larger than `maxBytes` is TooLarge (and is
// not read); a folder, a named pipe, a device or anything else that is not
// a regular file, a file we may not read, a failed read or too little
// memory to hold the file is Unreadable. Never waits for a writer, as
// opening a named pipe would.
FileBytes ReadFileBytes(const std::string& path,
                        std::uint64_t maxBytes = std::numeric_limits<std::uint64_t>::max());

}  // namespace kelvane
