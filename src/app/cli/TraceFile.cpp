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
        out_ << FormatTraceEntry(entry) << '\n';
        out_.flush();
    };
}

void TraceFile::Close(std::ostream& err) {
    if (!out_.is_open()) return;
    out_.close();
    if (out_.fail()) err << "Unable to write to " << path_ << "\n";
}

}  // namespace kelvane::cli
