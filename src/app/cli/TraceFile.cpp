#include "app/cli/TraceFile.h"

namespace kelvane::cli {

bool TraceFile::Open(const std::string& path, const std::tm& started) {
    path_ = path;
    out_.open(path, std::ios::binary | std::ios::trunc);
    out_ << TraceFileHeader(started);
    out_.flush();
    return out_.good();
}

void TraceFile::Follow(LinkTrace& trace) {
    trace.SetRecording(true);
    trace.OnRecorded = [this](const TraceEntry& entry) {
        out_ << FormatTraceEntry(entry) << '\n';
        out_.flush();
    };
}

bool TraceFile::Close() {
    out_.close();
    return !out_.fail();
}

}  // namespace kelvane::cli
