#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// Replaces files so that each one on disk is always either its complete old
// or its complete new content. Every file is first written in full to a
// temporary file in its own folder; on commit all of them are flushed to the
// disk and only then renamed over the old files. A writer that is not
// committed, or whose commit fails before the renames, removes its temporary
// files and leaves the old files alone.
//
// An old file that the process may not write is refused, as writing it in
// place would be. A replaced file keeps its permission bits, and its owner
// and group where the process may give them; a symbolic link is written
// through, so the file it names is replaced and the link stays.
class AtomicWriter {
public:
    AtomicWriter() = default;
    AtomicWriter(const AtomicWriter&) = delete;
    AtomicWriter& operator=(const AtomicWriter&) = delete;
    ~AtomicWriter();

    // Writes `content` to a temporary file beside `path`. False when that
    // fails or when `path` names a file that may not be written; FailedPath()
    // then names `path` and nothing stays staged.
    bool Stage(const std::string& path, std::string_view content);
    // Flushes every staged file, then renames each over its target. False
    // when one fails; FailedPath() names it.
    bool Commit();

    const std::string& FailedPath() const { return failedPath_; }
    // Why it failed ("No space left on device").
    const std::string& FailureReason() const { return failureReason_; }

private:
    struct Staged {
        std::string path;    // as the caller named it
        std::string target;  // the file actually replaced
        std::string temporary;
        int fd = -1;  // open until flushed
    };
    void Discard();

    std::vector<Staged> staged_;
    std::string failedPath_;
    std::string failureReason_;
};

// Writes one file through an AtomicWriter.
bool WriteFileAtomically(const std::string& path, std::string_view content);

}  // namespace kelvane
