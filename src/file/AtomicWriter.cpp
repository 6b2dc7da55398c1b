#include "file/AtomicWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace kelvane {
namespace {

namespace fs = std::filesystem;

// A link is replaced through the file it points to, so the link survives.
fs::path ResolveTarget(const std::string& path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        const fs::path resolved = fs::weakly_canonical(path, error);
        if (!error) return resolved;
    }
    return fs::path(path);
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t count = ::write(fd, content.data(), content.size());
        if (count < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// The new file takes the old one's owner and group where the process may
// give them (root may give any, an owner any group it belongs to), then its
// permission bits (after the owner, which may clear set-id bits).
bool TakeOver(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        static_cast<void>(groupOnly);  // refused as well: the process's own group stays
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

fs::path FolderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

std::atomic<unsigned> temporaryCounter{0};

}  // namespace

AtomicWriter::~AtomicWriter() {
    Discard();
}

void AtomicWriter::Discard() {
    for (const Staged& file : staged_) {
        if (file.fd >= 0) ::close(file.fd);
        ::unlink(file.temporary.c_str());
    }
    staged_.clear();
}

bool AtomicWriter::Stage(const std::string& path, std::string_view content) {
    const fs::path target = ResolveTarget(path);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    // A rename would replace a file whatever its permissions say: a file the
    // user may not write (read-only, or someone else's) is refused here.
    if (replacing && !S_ISREG(old.st_mode)) {
        failedPath_ = path;
        failureReason_ = S_ISDIR(old.st_mode) ? std::strerror(EISDIR) : "not a regular file";
        return false;
    }
    if (replacing && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        failedPath_ = path;
        failureReason_ = std::strerror(errno);
        return false;
    }
    const fs::path folder = FolderOf(target);
    // A hidden name beside the target: ".Ward.KCF.tmp<pid>-<n>".
    std::string name = ".";
    name.append(target.filename().string()).append(".tmp").append(std::to_string(::getpid())).append("-");
    const std::string prefix = (folder / name).string();
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = prefix;
        temporary += std::to_string(temporaryCounter++);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        failedPath_ = path;
        failureReason_ = std::strerror(errno);
        return false;
    }
    staged_.push_back({path, target.string(), std::move(temporary), fd});
    if ((replacing && !TakeOver(fd, old)) || !WriteAll(fd, content)) {
        failedPath_ = path;
        failureReason_ = std::strerror(errno);
        Discard();
        return false;
    }
    // Start the disk write now, so that the files staged together are
    // flushed side by side rather than one after the other.
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    return true;
}

bool AtomicWriter::Commit() {
    for (Staged& file : staged_) {
        const bool flushed = ::fsync(file.fd) == 0;
        const int flushError = errno;
        const bool closed = ::close(file.fd) == 0;
        file.fd = -1;
        if (!flushed || !closed) {
            failedPath_ = file.path;
            failureReason_ = std::strerror(flushed ? errno : flushError);
            Discard();
            return false;
        }
    }
    while (!staged_.empty()) {
        const Staged& file = staged_.front();
        if (::rename(file.temporary.c_str(), file.target.c_str()) != 0) {
            failedPath_ = file.path;
            failureReason_ = std::strerror(errno);
            Discard();
            return false;
        }
        staged_.erase(staged_.begin());
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view content) {
    AtomicWriter writer;
    return writer.Stage(path, content) && writer.Commit();
}

}  // namespace kelvane
