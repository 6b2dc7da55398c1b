#include "log/LogFile.h"

#include "file/AtomicWriter.h"
#include "file/FileBytes.h"
#include "log/RtfReader.h"
#include "log/RtfWriter.h"

namespace kelvane {

std::vector<std::string> SplitPlainTextLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
    return lines;
}

std::vector<std::string> LogLinesFromBytes(std::string_view bytes) {
    return IsRtf(bytes) ? ReadRtfLines(bytes) : SplitPlainTextLines(bytes);
}

LogFileRead ReadLogFile(const std::string& path) {
    LogFileRead result;
    const FileBytes file = ReadFileBytes(path, kMaxLogFileBytes);
    if (file.status != FileReadStatus::Read) {
        result.Error = "Unable to read " + path + ": " + file.reason;
        return result;
    }
    result.Read = true;
    result.Lines = LogLinesFromBytes(file.bytes);
    return result;
}

bool WriteLogFile(const std::string& path, const std::vector<std::string>& lines, std::string& error) {
    AtomicWriter writer;
    if (writer.Stage(path, WriteRtfLog(lines)) && writer.Commit()) return true;
    error = "Unable to write to " + path + ": " + writer.FailureReason();
    return false;
}

}  // namespace kelvane
