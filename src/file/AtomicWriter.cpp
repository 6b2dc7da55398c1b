#include "file/AtomicWriter.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

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

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

fs::path FolderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

std::atomic<unsigned> temporaryCounter{0};

}  // namespace

AtomicWriter::~AtomicWriter() { Discard(); }

void AtomicWriter::Discard() {
    for (const Staged& file : staged_) ::unlink(file.temporary.c_str());
    staged_.clear();
}

bool AtomicWriter::Stage(const std::string& path, std::string_view content) {
    const fs::path target = ResolveTarget(path);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) {
        failedPath_ = path;
        return false;
    }
    const fs::path folder = FolderOf(target);
    const std::string prefix =
        (folder / ("." + target.filename().string() + ".tmp" + std::to_string(::getpid()) + "-")).string();
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = prefix + std::to_string(temporaryCounter++);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        failedPath_ = path;
        return false;
    }
    bool written = (!replacing || ::fchmod(fd, old.st_mode & 07777) == 0) && WriteAll(fd, content) &&
                   ::fsync(fd) == 0;
    written = (::close(fd) == 0) && written;
    if (!written) {
        ::unlink(temporary.c_str());
        failedPath_ = path;
        return false;
    }
    staged_.push_back({path, target.string(), std::move(temporary)});
    return true;
}

bool AtomicWriter::Commit() {
    while (!staged_.empty()) {
        const Staged& file = staged_.front();
        if (::rename(file.temporary.c_str(), file.target.c_str()) != 0) {
            failedPath_ = file.path;
            Discard();
            return false;
        }
        SyncFolder(FolderOf(file.target));
        staged_.erase(staged_.begin());
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view content) {
    AtomicWriter writer;
    return writer.Stage(path, content) && writer.Commit();
}

}  // namespace kelvane
