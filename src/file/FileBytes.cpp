#include "file/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <stdexcept>

namespace kelvane {

namespace {

// Reads the regular file open on `fd` into `result`.
void ReadRegularFile(int fd, std::uint64_t size, std::uint64_t maxBytes, FileBytes& result) {
    if (size > maxBytes) {
        result.status = FileReadStatus::TooLarge;
        result.reason = std::strerror(EFBIG);
        return;
    }
    try {
        result.bytes.reserve(static_cast<std::size_t>(size));
        char buffer[65536];
        for (;;) {
            const ssize_t count = ::read(fd, buffer, sizeof buffer);
            if (count > 0) {
                // The file may grow while it is read.
                if (result.bytes.size() + static_cast<std::size_t>(count) > maxBytes) {
                    result.status = FileReadStatus::TooLarge;
                    result.reason = std::strerror(EFBIG);
                    return;
                }
                result.bytes.append(buffer, static_cast<std::size_t>(count));
            } else if (count == 0) {
                result.status = FileReadStatus::Read;
                return;
            } else if (errno != EINTR) {
                result.reason = std::strerror(errno);
                return;
            }
        }
    } catch (const std::bad_alloc&) {
        result.reason = std::strerror(ENOMEM);
    } catch (const std::length_error&) {
        result.reason = std::strerror(ENOMEM);
    }
}

}  // namespace

FileBytes ReadFileBytes(const std::string& path, std::uint64_t maxBytes) {
    FileBytes result;
    // Without O_NONBLOCK, opening a named pipe waits until something writes to it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.status =
            (errno == ENOENT || errno == ENOTDIR) ? FileReadStatus::Missing : FileReadStatus::Unreadable;
        result.reason = std::strerror(errno);
        return result;
    }
    result.status = FileReadStatus::Unreadable;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.reason = std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        result.reason = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file";
    } else {
        ReadRegularFile(fd, static_cast<std::uint64_t>(info.st_size), maxBytes, result);
    }
    ::close(fd);
    if (result.status != FileReadStatus::Read) std::string().swap(result.bytes);
    return result;
}

}  // namespace kelvane
