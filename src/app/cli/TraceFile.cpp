#include "app/cli/TraceFile.h"

#include "core/SystemClock.h"

namespace kelvane::cli {

bool TraceFile::Open(const std::string& path, std::ostream& err) {
    path_ = path;
    if (path_.empty()) return true;
    out_.open(path_, std::ios::binary | std::ios::trunc);
    out_ << TraceFileHeader(SystemClock().LocalTime());
    out_.flush();
    if (out_.good()) return true;
    err << "Unable to write to " << path_ << "\n";
    return false;
}

void TraceFile::Follow(LinkTrace& trace) {
    if (!out_.is_open()) return;
    trace.SetRecording(true);
    trace.OnRecorded = [this](const TraceEntry& entry) {
        if (failed_) return;
        out_ << FormatTraceEntry(entry) << '\n';
        out_.flush();
        failed_ = !out_.good();
    };
}

bool TraceFile::Close(std::ostream& err) {
    if (!out_.is_open()) return true;
    out_.close();
    if (!failed_ && !out_.fail()) return true;
    err << "Unable to write to " << path_ << ": the trace is incomplete\n";
    return false;
}

}  // namespace kelvane::cli
