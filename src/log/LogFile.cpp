#include "log/LogFile.h"

#include <optional>

#include "file/AtomicWriter.h"
#include "file/FileBytes.h"
#include "file/Utf8Text.h"
#include "log/RtfReader.h"
#include "log/RtfWriter.h"

namespace kelvane {

std::vector<std::string> SplitPlainTextLines(std::string_view bytes, Progress* progress) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (progress && !progress->At(i, bytes.size())) return lines;
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
    return lines;
}

namespace {

// The characters of UTF-8 `text` as Latin-1 bytes, "?" for those that
// Latin-1 does not have; nothing when `text` is not UTF-8.
std::optional<std::string> Utf8ToLatin1(std::string_view text) {
    const std::optional<std::u32string> characters = Utf8Characters(text);
    if (!characters) return std::nullopt;
    std::string latin1;
    latin1.reserve(characters->size());
    for (const char32_t code : *characters) latin1 += code <= 0xFF ? static_cast<char>(code) : '?';
    return latin1;
}

}  // namespace

std::vector<std::string> LogLinesFromBytes(std::string_view bytes, Progress* progress) {
    // A text editor may mark the file as UTF-8; the log's lines are 8-bit.
    const bool utf8 = bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark;
    if (utf8) bytes.remove_prefix(kUtf8ByteOrderMark.size());
    if (std::optional<std::vector<std::string>> paragraphs = ReadRtfDocument(bytes, progress))
        return std::move(*paragraphs);
    if (utf8) {
        if (const std::optional<std::string> latin1 = Utf8ToLatin1(bytes))
            return SplitPlainTextLines(*latin1, progress);
    }
    return SplitPlainTextLines(bytes, progress);
}

LogFileRead ReadLogFile(const std::string& path, Progress* progress) {
    LogFileRead result;
    const FileBytes file = ReadFileBytes(path, kMaxLogFileBytes);
    if (file.status != FileReadStatus::Read) {
        result.Error = "Unable to read " + path + ": " + file.reason;
        return result;
    }
    result.Lines = LogLinesFromBytes(file.bytes, progress);
    if (progress && progress->Stopped()) {
        result.Lines.clear();
        result.Stopped = true;
        return result;
    }
    result.Read = true;
    return result;
}

bool WriteLogFile(const std::string& path, const std::vector<std::string>& lines, std::string& error,
                  Progress* progress) {
    const std::string rtf = WriteRtfLog(lines, progress);
    if (progress && progress->Stopped()) {
        error.clear();
        return false;
    }
    AtomicWriter writer;
    if (writer.Stage(path, rtf) && writer.Commit()) return true;
    error = "Unable to write to " + path + ": " + writer.FailureReason();
    return false;
}

}  // namespace kelvane
