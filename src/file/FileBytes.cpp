#include "file/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kelvane {

FileBytes ReadFileBytes(const std::string& path) {
    FileBytes result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.status =
            (errno == ENOENT || errno == ENOTDIR) ? FileReadStatus::Missing : FileReadStatus::Unreadable;
        result.reason = std::strerror(errno);
        return result;
    }
    result.status = FileReadStatus::Unreadable;
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (!regular) result.reason = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file";
    if (regular) {
        result.bytes.reserve(static_cast<std::size_t>(info.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t count = ::read(fd, buffer, sizeof buffer);
            if (count > 0) {
                result.bytes.append(buffer, static_cast<std::size_t>(count));
            } else if (count == 0) {
                result.status = FileReadStatus::Read;
                break;
            } else if (errno != EINTR) {
                result.reason = std::strerror(errno);
                break;
            }
        }
    }
    ::close(fd);
    if (result.status != FileReadStatus::Read) result.bytes.clear();
    return result;
}

}  // namespace kelvane
