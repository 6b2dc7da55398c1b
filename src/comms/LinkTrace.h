#pragma once
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <deque>
#include <functional>
#include <string>

#include "comms/ComPortTypes.h"
#include "core/Clock.h"

namespace kelvane {

enum class TraceDirection {
    Sent,      // from the tool to the controller
    Received,  // from the controller to the tool
    Port,      // on the port itself: open, close, line settings, time-outs
};

enum class TraceKind {
    Frame,      // command, length, payload, checksum (a sent one in mode 1 with its SOH)
    PartFrame,  // a frame that was broken off before its checksum
    Ack,
    Nak,
    Text,           // a received text line up to its CR, ACK or NAK
    Bytes,          // bytes that form no frame
    ReplyTimeout,   // no answer within the reply time-out
    OutputTimeout,  // the line took nothing within the output time-out
    Open,
    OpenFailed,
    Close,
    Gone,      // the device went away while open
    Settings,  // the line settings the port was given
};

// One decoded piece of the traffic on the controller link.
struct TraceEntry {
    std::uint64_t Sequence = 0;  // counts every entry recorded, cleared ones included
    std::uint64_t TimeMs = 0;    // since the trace began, when its first byte crossed
    TraceDirection Direction = TraceDirection::Port;
    TraceKind Kind = TraceKind::Bytes;
    // The parity the entry's first byte went with, and that of the rest of a
    // frame (they differ in the two marked link modes).
    TComPortParity Parity = ptNONE;
    TComPortParity RestParity = ptNONE;
    std::string Bytes;   // as they crossed the line
    std::string Detail;  // port entries: the device, the settings, the error
    // Frames.
    std::size_t FrameStart = 0;  // 1 when the bytes start with SOH
    bool ChecksumValid = false;
    int Resend = 0;              // 0: first sending; n: the n-th time the same frame went again
    std::uint32_t WaitedMs = 0;  // time-outs: how long the port waited

    // The frame's parts (Bytes without its SOH).
    std::uint8_t Command() const;
    std::size_t Length() const;  // the length byte
    std::string Payload() const;
    std::uint8_t Checksum() const;
};

// The whole link trace: every entry the decoder made from the bytes and
// events of the port, oldest first, with a millisecond time base taken when
// the trace began. At most `capacity` entries are kept; the oldest go first.
// Recording is off until switched on, so a link nobody watches pays nothing.
class LinkTrace {
public:
    static constexpr std::size_t kDefaultCapacity = 200'000;

    explicit LinkTrace(const Clock& clock, std::size_t capacity = kDefaultCapacity);
    LinkTrace(const LinkTrace&) = delete;
    LinkTrace& operator=(const LinkTrace&) = delete;

    bool Recording() const { return recording_; }
    void SetRecording(bool recording) { recording_ = recording; }

    // Milliseconds since the trace began, and the local time it began at.
    std::uint64_t ElapsedMs() const { return clock_.NowMs() - startMs_; }
    const std::tm& StartedAt() const { return startedAt_; }
    // Numbers the entry, keeps it and tells OnRecorded.
    void Record(TraceEntry entry);

    const std::deque<TraceEntry>& Entries() const { return entries_; }
    // The sequence number the next entry will get.
    std::uint64_t NextSequence() const { return nextSequence_; }
    // Forgets every entry; the time base and the numbering go on.
    void Clear() { entries_.clear(); }

    // Called with every entry as it is recorded.
    std::function<void(const TraceEntry&)> OnRecorded;

private:
    const Clock& clock_;
    const std::uint64_t startMs_;
    const std::tm startedAt_;
    const std::size_t capacity_;
    bool recording_ = false;
    std::deque<TraceEntry> entries_;
    std::uint64_t nextSequence_ = 0;
};

// One line of text for an entry: time, direction, parity and what it is.
std::string FormatTraceEntry(const TraceEntry& entry);
// The lines that head a saved trace, each ending in a line feed.
std::string TraceFileHeader(const std::tm& started);

// Which entries a filtered view shows.
enum class TraceFilter {
    All,
    Frames,  // frames, part frames, stray bytes, ACK, NAK and time-outs
    Text,    // received text lines
};
bool TraceFilterShows(TraceFilter filter, const TraceEntry& entry);

}  // namespace kelvane
