#include "comms/LinkTraceDecoder.h"

#include "comms/PanelComms.h"

namespace kelvane {

namespace {

bool Marked(TComPortParity parity) {
    return parity == ptMARK || parity == ptSPACE;
}

TComPortParity OtherMarked(TComPortParity parity) {
    return parity == ptMARK ? ptSPACE : ptMARK;
}

char ParityLetter(TComPortParity parity) {
    switch (parity) {
        case ptODD:
            return 'O';
        case ptEVEN:
            return 'E';
        case ptMARK:
            return 'M';
        case ptSPACE:
            return 'S';
        default:
            return 'N';
    }
}

std::string SettingsText(const LineSettings& settings) {
    std::string text = std::to_string(settings.BaudRate) + " bit/s " + std::to_string(settings.DataBits) +
                       ParityLetter(settings.Parity);
    switch (settings.StopBits) {
        case sb1HALFBITS:
            text += "1.5";
            break;
        case sb2BITS:
            text += "2";
            break;
        default:
            text += "1";
            break;
    }
    if (settings.RtsCts) text += " RTS/CTS";
    if (settings.XonXoff) text += " XON/XOFF";
    return text;
}

// Everything but the parity, which the marked link modes change twice a frame.
bool SameButParity(LineSettings a, const LineSettings& b) {
    a.Parity = b.Parity;
    return a == b;
}

}  // namespace

bool LinkTraceDecoder::Assembly::Complete() const {
    const std::size_t size = Bytes.size() - FrameStart;
    return size >= 2 && size == static_cast<std::uint8_t>(Bytes[FrameStart + 1]) + 3u;
}

void LinkTraceDecoder::Sent(const std::uint8_t* data, std::size_t count, TComPortParity parity) {
    for (std::size_t i = 0; i < count; ++i) SentByte(data[i], parity);
    EndStraySent();
}

void LinkTraceDecoder::SentByte(std::uint8_t b, TComPortParity parity) {
    if (sent_.Active) {
        const bool belongs = Marked(sent_.Parity) ? parity == sent_.RestParity : !Marked(parity);
        if (belongs) {
            sent_.Bytes += static_cast<char>(b);
            if (sent_.Complete()) SentFrameComplete();
            return;
        }
        trace_.Record(FrameEntry(TraceDirection::Sent, sent_, false));
    }
    if (Marked(parity) || b == kSOH) {
        EndStraySent();
        StartSentFrame(b, parity);
        return;
    }
    if (straySent_.empty()) {
        straySentMs_ = trace_.ElapsedMs();
        straySentParity_ = parity;
    }
    straySent_ += static_cast<char>(b);
}

void LinkTraceDecoder::StartSentFrame(std::uint8_t b, TComPortParity parity) {
    // The link forgets a part frame it holds whenever it sends.
    EndReceivedFrame();
    sent_.Active = true;
    sent_.Bytes.assign(1, static_cast<char>(b));
    sent_.FrameStart = Marked(parity) ? 0 : 1;
    sent_.StartMs = trace_.ElapsedMs();
    sent_.Parity = parity;
    sent_.RestParity = Marked(parity) ? OtherMarked(parity) : parity;
}

void LinkTraceDecoder::SentFrameComplete() {
    TraceEntry entry = FrameEntry(TraceDirection::Sent, sent_, true);
    std::string key = entry.Bytes;
    key += static_cast<char>(entry.Parity);
    const bool resend = key == lastSentFrame_ && failedSinceSend_ && !answeredSinceSend_;
    entry.Resend = resend ? lastResend_ + 1 : 0;
    lastSentFrame_ = std::move(key);
    lastResend_ = entry.Resend;
    failedSinceSend_ = false;
    answeredSinceSend_ = false;
    trace_.Record(std::move(entry));
}

void LinkTraceDecoder::RecordBytes(TraceDirection direction, TraceKind kind, std::uint64_t timeMs,
                                   TComPortParity parity, std::string bytes) {
    TraceEntry entry;
    entry.TimeMs = timeMs;
    entry.Direction = direction;
    entry.Kind = kind;
    entry.Parity = entry.RestParity = parity;
    entry.Bytes = std::move(bytes);
    trace_.Record(std::move(entry));
}

void LinkTraceDecoder::EndStraySent() {
    if (straySent_.empty()) return;
    RecordBytes(TraceDirection::Sent, TraceKind::Bytes, straySentMs_, straySentParity_,
                std::move(straySent_));
    straySent_.clear();
}

TraceEntry LinkTraceDecoder::FrameEntry(TraceDirection direction, Assembly& assembly, bool complete) {
    TraceEntry entry;
    entry.TimeMs = assembly.StartMs;
    entry.Direction = direction;
    entry.Kind = complete ? TraceKind::Frame : TraceKind::PartFrame;
    entry.Parity = assembly.Parity;
    entry.RestParity = assembly.RestParity;
    entry.Bytes = std::move(assembly.Bytes);
    entry.FrameStart = assembly.FrameStart;
    if (complete) {
        const std::size_t end = entry.Bytes.size() - 1;
        entry.ChecksumValid = static_cast<std::uint8_t>(entry.Bytes[end]) ==
                              PacketChecksum(entry.Bytes.substr(entry.FrameStart, end - entry.FrameStart));
    }
    assembly = Assembly{};
    return entry;
}

void LinkTraceDecoder::Received(const std::uint8_t* data, std::size_t count, TComPortParity parity,
                                bool textOnly) {
    if (textOnly != textOnly_) {
        if (textOnly)
            EndReceivedFrame();
        else
            EndReceivedText();
        textOnly_ = textOnly;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (textOnly)
            ReceivedTextByte(data[i], parity);
        else
            ReceivedFrameByte(data[i], parity);
    }
}

void LinkTraceDecoder::ReceivedFrameByte(std::uint8_t b, TComPortParity parity) {
    if (received_.Active) {
        received_.Bytes += static_cast<char>(b);
        received_.RestParity = parity;
        if (!received_.Complete()) return;
        TraceEntry entry = FrameEntry(TraceDirection::Received, received_, true);
        (entry.ChecksumValid ? answeredSinceSend_ : failedSinceSend_) = true;
        trace_.Record(std::move(entry));
        return;
    }
    if (b == kACK || b == kNAK) {
        (b == kACK ? answeredSinceSend_ : failedSinceSend_) = true;
        RecordBytes(TraceDirection::Received, b == kACK ? TraceKind::Ack : TraceKind::Nak, trace_.ElapsedMs(),
                    parity, std::string(1, static_cast<char>(b)));
        return;
    }
    received_.Active = true;
    received_.Bytes.assign(1, static_cast<char>(b));
    received_.FrameStart = 0;
    received_.StartMs = trace_.ElapsedMs();
    received_.Parity = received_.RestParity = parity;
}

void LinkTraceDecoder::ReceivedTextByte(std::uint8_t b, TComPortParity parity) {
    const bool terminator = b == kCR || b == kACK || b == kNAK;
    if (line_.empty() && b != kCR && terminator) {
        // A lone acknowledgement is one still, not a line of text.
        ReceivedFrameByte(b, parity);
        return;
    }
    if (line_.empty()) {
        lineMs_ = trace_.ElapsedMs();
        lineParity_ = parity;
    }
    line_ += static_cast<char>(b);
    if (terminator) EndReceivedText();
}

void LinkTraceDecoder::EndReceivedFrame() {
    if (received_.Active) trace_.Record(FrameEntry(TraceDirection::Received, received_, false));
}

void LinkTraceDecoder::EndReceivedText() {
    if (line_.empty()) return;
    RecordBytes(TraceDirection::Received, TraceKind::Text, lineMs_, lineParity_, std::move(line_));
    line_.clear();
}

void LinkTraceDecoder::Port(TraceKind kind, std::string detail, std::uint32_t waitedMs) {
    TraceEntry entry;
    entry.TimeMs = trace_.ElapsedMs();
    entry.Direction = TraceDirection::Port;
    entry.Kind = kind;
    entry.Detail = std::move(detail);
    entry.WaitedMs = waitedMs;
    trace_.Record(std::move(entry));
}

void LinkTraceDecoder::ReplyTimeout(std::uint32_t waitedMs) {
    failedSinceSend_ = true;
    Port(TraceKind::ReplyTimeout, {}, waitedMs);
}

void LinkTraceDecoder::OutputTimeout(std::uint32_t waitedMs) {
    Port(TraceKind::OutputTimeout, {}, waitedMs);
}

void LinkTraceDecoder::Opened(const std::string& path) {
    Port(TraceKind::Open, path);
}

void LinkTraceDecoder::OpenFailed(const std::string& path, const std::string& error) {
    Port(TraceKind::OpenFailed, error.empty() ? path : path + ": " + error);
}

void LinkTraceDecoder::Closed() {
    EndPort(TraceKind::Close, {});
}

void LinkTraceDecoder::Gone(const std::string& error) {
    EndPort(TraceKind::Gone, error);
}

void LinkTraceDecoder::EndPort(TraceKind kind, const std::string& detail) {
    EndStraySent();
    if (sent_.Active) trace_.Record(FrameEntry(TraceDirection::Sent, sent_, false));
    EndReceivedFrame();
    EndReceivedText();
    settingsNoted_ = false;
    Port(kind, detail);
}

void LinkTraceDecoder::Configured(const LineSettings& settings) {
    const bool noted = settingsNoted_ && SameButParity(lastSettings_, settings);
    settingsNoted_ = true;
    lastSettings_ = settings;
    if (!noted) Port(TraceKind::Settings, SettingsText(settings));
}

}  // namespace kelvane
