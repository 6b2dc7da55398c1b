#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "comms/LinkTrace.h"

namespace kelvane {

// Turns the bytes that cross the controller link, each with the parity it
// went with, into trace entries.
//
// Sent bytes: in link mode 1 a frame starts with SOH under no parity; in the
// marked modes its command byte is the one sent with space (mode 2) or mark
// (mode 3) parity and the rest go with the other. The length byte tells
// where the frame ends. A frame that is sent again, unchanged, after a
// time-out, a NAK or a bad checksum and with no good answer in between is
// marked as a resend. Bytes that start no frame are stray bytes.
//
// Received bytes are assembled as the link does: outside a frame a lone ACK
// or NAK is an acknowledgement, any other byte starts a frame (no SOH); or,
// while the link takes text only, they are text lines ending in CR, ACK or
// NAK. A part frame ends when a new frame is sent or the port closes.
class LinkTraceDecoder {
public:
    explicit LinkTraceDecoder(LinkTrace& trace) : trace_(trace) {}

    void Sent(const std::uint8_t* data, std::size_t count, TComPortParity parity);
    void Received(const std::uint8_t* data, std::size_t count, TComPortParity parity, bool textOnly);
    void ReplyTimeout(std::uint32_t waitedMs);
    void OutputTimeout(std::uint32_t waitedMs);
    void Opened(const std::string& path);
    void OpenFailed(const std::string& path, const std::string& error);
    // Ends what is half decoded, then notes the close.
    void Closed();
    // The device went away while open.
    void Gone(const std::string& error);
    void Configured(const LineSettings& settings);

private:
    // A frame being put together from one direction's bytes.
    struct Assembly {
        bool Active = false;
        std::string Bytes;
        std::size_t FrameStart = 0;
        std::uint64_t StartMs = 0;
        TComPortParity Parity = ptNONE;
        TComPortParity RestParity = ptNONE;
        bool Complete() const;
    };

    void SentByte(std::uint8_t b, TComPortParity parity);
    void StartSentFrame(std::uint8_t b, TComPortParity parity);
    void SentFrameComplete();
    void ReceivedFrameByte(std::uint8_t b, TComPortParity parity);
    void ReceivedTextByte(std::uint8_t b, TComPortParity parity);
    void EndReceivedFrame();
    void EndReceivedText();
    void EndStraySent();
    // The port closed or went away: what was being assembled ends there.
    void EndPort(TraceKind kind, const std::string& detail);
    // The frame or part frame held in `assembly`, which is emptied.
    static TraceEntry FrameEntry(TraceDirection direction, Assembly& assembly, bool complete);
    void RecordBytes(TraceDirection direction, TraceKind kind, std::uint64_t timeMs, TComPortParity parity,
                     std::string bytes);
    void Port(TraceKind kind, std::string detail, std::uint32_t waitedMs = 0);

    LinkTrace& trace_;
    Assembly sent_;
    Assembly received_;
    // Bytes of one write that started no frame.
    std::string straySent_;
    std::uint64_t straySentMs_ = 0;
    TComPortParity straySentParity_ = ptNONE;
    // A received text line.
    std::string line_;
    std::uint64_t lineMs_ = 0;
    TComPortParity lineParity_ = ptNONE;
    bool textOnly_ = false;

    // For resends: the last frame sent, how often it went, and what came since.
    std::string lastSentFrame_;
    int lastResend_ = 0;
    bool failedSinceSend_ = false;
    bool answeredSinceSend_ = false;

    bool settingsNoted_ = false;
    LineSettings lastSettings_;
};

}  // namespace kelvane
