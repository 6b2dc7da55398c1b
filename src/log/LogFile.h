#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Progress.h"

namespace kelvane {

// Event log files: the log saved as a rich-text document, one paragraph a
// line; a file that is not rich text reads as plain text, one line a line.

// A long read or write tells `progress` how far it has got: of the file's
// bytes when reading, of the log's lines when writing; and stops when told.

// The lines of plain text: a line ends at CR LF, LF or CR; text after the
// last line break is a line of its own when it is not empty.
std::vector<std::string> SplitPlainTextLines(std::string_view bytes, Progress* progress = nullptr);

// The lines of a log file's content: a rich-text document's paragraphs, or
// the lines of plain text. Plain text marked as UTF-8 (by a byte-order mark)
// is read as such into 8-bit lines.
std::vector<std::string> LogLinesFromBytes(std::string_view bytes, Progress* progress = nullptr);

// Far more than any controller's log; a larger file (a disk image picked
// under All Files) is refused unread.
inline constexpr std::uint64_t kMaxLogFileBytes = 512u * 1024 * 1024;

struct LogFileRead {
    bool Read = false;
    // The reading was stopped: there are no lines, and no error.
    bool Stopped = false;
    std::vector<std::string> Lines;
    // When it could not be read: the file's name and the reason.
    std::string Error;
};

// Reads the log file at `path`.
LogFileRead ReadLogFile(const std::string& path, Progress* progress = nullptr);

// Writes `lines` to `path` as a rich-text log, replacing the file whole (a
// failed or stopped write leaves the old file as it was). False with
// `error` naming the file and the reason; false with no error when
// `progress` stopped it.
bool WriteLogFile(const std::string& path, const std::vector<std::string>& lines, std::string& error,
                  Progress* progress = nullptr);

}  // namespace kelvane
