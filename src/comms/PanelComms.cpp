#include "comms/PanelComms.h"

namespace kelvane {

namespace {
constexpr std::uint64_t kParityGuardMs = 50;
}

std::uint8_t PacketChecksum(const std::string& packet) {
    std::uint8_t sum = 0;
    for (char c : packet) sum = static_cast<std::uint8_t>(sum + static_cast<std::uint8_t>(c));
    return sum;
}

const std::string& TPanelComms::HandshakePacket() {
    static const std::string packet("A\0", 2);
    return packet;
}

TPanelComms::TPanelComms(SerialDevice& device, const Clock& clock, const PortPaths& paths)
    : TCommPanel(device, clock, paths), clock_(clock) {
    AutoOpen = false;
    AutoAppendCR = false;
    SetSetupString("COM1: 9600, n, 8, 1");
    SetComPort(pnCOM1);
    SetComPortSpeed(br9600);
    SetComPortDataBits(db8BITS);
    SetComPortStopBits(sb1BITS);
    SetTickInterval(100);
}

void TPanelComms::SendPacket(const std::string& packet) {
    if (LinkMode < 1 || LinkMode > 3) return;  // no discipline chosen yet: nothing reaches the line
    // A new answer is expected: a part frame still held (a stray or corrupted
    // byte) would swallow the acknowledgement or spoil the answer's checksum.
    DCharsReceived = 0;
    RxBuffer.clear();
    const std::string frame = packet + static_cast<char>(PacketChecksum(packet));
    switch (LinkMode) {
        case 1:
            Send(static_cast<char>(kSOH) + frame);
            break;
        case 2:
            SendWithParity(frame, ptSPACE, ptMARK);
            break;
        default:
            SendWithParity(frame, ptMARK, ptSPACE);
            break;
    }
}

void TPanelComms::SendWithParity(const std::string& frame, TComPortParity first, TComPortParity rest) {
    ParityGuardDelay();
    SetComPortParity(first);
    Send(frame.substr(0, 1));
    ParityGuardDelay();
    SetComPortParity(rest);
    Send(frame.substr(1));
}

void TPanelComms::ParityGuardDelay() {
    const std::uint64_t start = clock_.NowMs();
    do {
        if (ProcessPendingEvents) ProcessPendingEvents();
    } while (clock_.NowMs() - start < kParityGuardMs);
}

void TPanelComms::ReopenForMode() {
    if (Connected()) Close();
    DCharsReceived = 0;
    RxBuffer.clear();
    switch (LinkMode) {
        case 1:
            SetComPortParity(ptNONE);
            break;
        case 2:
            SetComPortParity(ptSPACE);
            break;
        case 3:
            SetComPortParity(ptMARK);
            break;
        default:
            return;
    }
    Open();
}

void TPanelComms::RetryHandshake() {
    if (RetriesLeft >= 1) {
        --RetriesLeft;
        SendPacket(HandshakePacket());
        return;
    }
    RetriesLeft = 10;
    if (LinkMode == 1 || LinkMode == 2) {
        ++LinkMode;
        ReopenForMode();
        SendPacket(HandshakePacket());
    } else if (LinkMode == 3) {
        HandshakeFailed = true;
        LinkMode = 0;
    }
}

void TPanelComms::DoTick() {
    if (Suspended) return;
    // Text-only reception reads no frames, so no handshake starts then.
    if (!HandshakeDone && !HandshakeFailed && LinkMode == 0 && !IsASCIIOnly) {
        LinkMode = 1;
        RetriesLeft = 10;
        ReopenForMode();
        SendPacket(HandshakePacket());
    }
    if (OnTick) OnTick(*this);
}

void TPanelComms::DoInputTimeout() {
    if (!HandshakeDone && !HandshakeFailed) {
        // Text-only reception cannot hear the answer: the handshake (and the
        // line discipline it would change) waits.
        if (!IsASCIIOnly) RetryHandshake();
    } else if (OnTimeout) {
        OnTimeout(*this);
    }
}

void TPanelComms::DoDeviceGone() {
    // Whatever comes back is a new device: it is shaken hands with afresh.
    LinkMode = 0;
    HandshakeDone = false;
    HandshakeFailed = false;
    DCharsReceived = 0;
    RxBuffer.clear();
    TCommPanel::DoDeviceGone();
}

bool TPanelComms::ChecksumValid() const {
    if (RxBuffer.size() < 3) return false;
    // The frame's own length places its checksum in every link mode: with no
    // discipline chosen (after the handshake failed or the retries ran out) a
    // frame is checked no less, or a spoiled answer would be taken as good.
    const std::size_t checksumAt = static_cast<std::size_t>(PacketLength) + 2;  // zero-based
    if (checksumAt >= RxBuffer.size()) return false;
    return static_cast<std::uint8_t>(RxBuffer[checksumAt]) == PacketChecksum(RxBuffer.substr(0, checksumAt));
}

void TPanelComms::FrameComplete() {
    if (ChecksumValid()) {
        // Sending empties RxBuffer, and the handshake retry and the handlers
        // may send: the frame is kept aside first.
        const std::string packet = RxBuffer.substr(0, static_cast<std::size_t>(PacketLength) + 3);
        if (!HandshakeDone) {
            if (RxBuffer == std::string("A\0A", 3)) {
                HandshakeDone = true;
                RetriesLeft = 50;
                if (OnHandshakeReceived) OnHandshakeReceived(*this);
            } else if (!HandshakeFailed) {
                RetryHandshake();
            }
        }
        SetWaitingForInput(false);
        if (OnPacketReceived) OnPacketReceived(*this, static_cast<std::uint8_t>(packet[0]), packet);
    } else if (!HandshakeDone) {
        RetryHandshake();
    } else if (OnInvalidChecksum) {
        OnInvalidChecksum(*this);
    }
    DCharsReceived = 0;
    RxBuffer.clear();
    // An empty send re-arms the reply time-out.
    Port().SendData(nullptr, 0);
}

bool TPanelComms::AssembleFrame(std::uint8_t b) {
    const bool taken = DCharsReceived > 0 || (b != kACK && b != kNAK);
    if (taken) {
        RxBuffer += static_cast<char>(b);
        ++DCharsReceived;
    }
    if (DCharsReceived == 2)
        PacketLength = b;
    else if (DCharsReceived >= PacketLength + 3)
        FrameComplete();
    return taken;
}

void TPanelComms::DoReceiveData(TSigComPort& port, const std::uint8_t* data, std::size_t size) {
    if (OnReceiveData) OnReceiveData(port, data, size);
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        const bool inFrame = !IsASCIIOnly && AssembleFrame(b);
        if (OnCharacter) OnCharacter(*this, b);
        if (b != kACK && b != kCR && b != kNAK) {
            AppendToLine(b);
            continue;
        }
        AppendTerminator(b);
        if (OnInput) OnInput(*this, rawText_);
        if (b == kACK && !inFrame && OnAck) OnAck(*this);
        if (b == kNAK && !inFrame && OnNak) OnNak(*this);
        if (b == kCR && OnCR) OnCR(*this);
        ClearLineTexts();
    }
}

}  // namespace kelvane
