#include "comms/LinkTrace.h"

#include <cstdio>

#include "comms/PanelComms.h"

namespace kelvane {

namespace {

const char* ParityName(TComPortParity parity) {
    switch (parity) {
        case ptODD:
            return "odd";
        case ptEVEN:
            return "even";
        case ptMARK:
            return "mark";
        case ptSPACE:
            return "space";
        default:
            return "none";
    }
}

std::string ParityColumn(const TraceEntry& entry) {
    if (entry.Direction == TraceDirection::Port) return {};
    std::string text = ParityName(entry.Parity);
    if (entry.Kind == TraceKind::Frame || entry.Kind == TraceKind::PartFrame) {
        if (entry.RestParity != entry.Parity) text += std::string("+") + ParityName(entry.RestParity);
    }
    return text;
}

const char* DirectionColumn(TraceDirection direction) {
    switch (direction) {
        case TraceDirection::Sent:
            return "->";
        case TraceDirection::Received:
            return "<-";
        default:
            return "--";
    }
}

std::string Hex(std::uint8_t b) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", b);
    return text;
}

// The bytes in hex, then as printable text (others as dots) in quotes.
std::string HexAndText(const std::string& bytes) {
    std::string hex;
    std::string printable;
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        if (!hex.empty()) hex += ' ';
        hex += Hex(b);
        printable += b >= 0x20 && b < 0x7F ? c : '.';
    }
    return hex + " \"" + printable + "\"";
}

std::string CommandText(std::uint8_t command) {
    if (command >= 0x20 && command < 0x7F) return std::string("'") + static_cast<char>(command) + "'";
    return "0x" + Hex(command);
}

std::string FrameText(const TraceEntry& entry) {
    const std::size_t size = entry.Bytes.size() - entry.FrameStart;
    std::string text = entry.FrameStart > 0 ? "SOH " : "";
    text += entry.Kind == TraceKind::PartFrame ? "part frame " : "frame ";
    if (size == 0) return text + "(empty)";
    text += CommandText(entry.Command());
    if (size < 2) return text + ", broken off after 1 byte";
    text += " len " + std::to_string(entry.Length());
    const std::string payload = entry.Payload();
    if (!payload.empty()) text += " data " + HexAndText(payload);
    if (entry.Kind == TraceKind::PartFrame) {
        return text + ", broken off after " + std::to_string(size) + " of " +
               std::to_string(entry.Length() + 3) + " bytes";
    }
    const std::uint8_t expected = PacketChecksum(entry.Bytes.substr(entry.FrameStart, size - 1));
    text += " sum " + Hex(entry.Checksum());
    text += entry.ChecksumValid ? " ok" : " BAD (expected " + Hex(expected) + ")";
    if (entry.Resend > 0) text += ", RESEND " + std::to_string(entry.Resend);
    return text;
}

std::string Body(const TraceEntry& entry) {
    switch (entry.Kind) {
        case TraceKind::Frame:
        case TraceKind::PartFrame:
            return FrameText(entry);
        case TraceKind::Ack:
            return "ACK";
        case TraceKind::Nak:
            return "NAK";
        case TraceKind::Text:
            return "text \"" + ExpandControlChars(entry.Bytes) + "\"";
        case TraceKind::Bytes:
            return "bytes " + HexAndText(entry.Bytes) + " (no frame)";
        case TraceKind::ReplyTimeout:
            return "TIME-OUT: no answer for " + std::to_string(entry.WaitedMs) + " ms";
        case TraceKind::OutputTimeout:
            return "OUTPUT TIME-OUT: the line took nothing for " + std::to_string(entry.WaitedMs) + " ms";
        case TraceKind::Open:
            return "open " + entry.Detail;
        case TraceKind::OpenFailed:
            return "cannot open " + entry.Detail;
        case TraceKind::Close:
            return "close";
        case TraceKind::Gone:
            return "DEVICE GONE: " + entry.Detail;
        case TraceKind::Settings:
            return "line " + entry.Detail;
    }
    return {};
}

}  // namespace

std::uint8_t TraceEntry::Command() const {
    return Bytes.size() > FrameStart ? static_cast<std::uint8_t>(Bytes[FrameStart]) : 0;
}

std::size_t TraceEntry::Length() const {
    return Bytes.size() > FrameStart + 1 ? static_cast<std::uint8_t>(Bytes[FrameStart + 1]) : 0;
}

std::string TraceEntry::Payload() const {
    const std::size_t from = FrameStart + 2;
    if (Bytes.size() <= from) return {};
    return Bytes.substr(from, Length());
}

std::uint8_t TraceEntry::Checksum() const {
    return Bytes.size() > FrameStart ? static_cast<std::uint8_t>(Bytes.back()) : 0;
}

LinkTrace::LinkTrace(const Clock& clock, std::size_t capacity)
    : clock_(clock),
      startMs_(clock.NowMs()),
      startedAt_(clock.LocalTime()),
      capacity_(capacity == 0 ? 1 : capacity) {}

void LinkTrace::Record(TraceEntry entry) {
    entry.Sequence = nextSequence_++;
    if (entries_.size() >= capacity_) entries_.pop_front();
    entries_.push_back(std::move(entry));
    if (OnRecorded) OnRecorded(entries_.back());
}

std::string FormatTraceEntry(const TraceEntry& entry) {
    char head[48];
    std::snprintf(head, sizeof head, "%10llu %s %-10s ", static_cast<unsigned long long>(entry.TimeMs),
                  DirectionColumn(entry.Direction), ParityColumn(entry).c_str());
    return head + Body(entry);
}

std::string TraceFileHeader(const std::tm& started) {
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", &started);
    return std::string("Kelvane Prog Tools link trace, started ") + date +
           "\n"
           "      (ms) -> sent, <- received, -- port; parity of the first byte (+ the rest of a frame)\n";
}

bool TraceFilterShows(TraceFilter filter, const TraceEntry& entry) {
    switch (filter) {
        case TraceFilter::Frames:
            return entry.Kind == TraceKind::Frame || entry.Kind == TraceKind::PartFrame ||
                   entry.Kind == TraceKind::Bytes || entry.Kind == TraceKind::Ack ||
                   entry.Kind == TraceKind::Nak || entry.Kind == TraceKind::ReplyTimeout ||
                   entry.Kind == TraceKind::OutputTimeout || entry.Kind == TraceKind::Gone;
        case TraceFilter::Text:
            return entry.Kind == TraceKind::Text;
        default:
            return true;
    }
}

}  // namespace kelvane
