#include "comms/SigComPort.h"

#include <algorithm>

namespace kelvane {

std::string ExpandControlChars(const std::string& bytes) {
    static const char* const names[32] = {
        "<NUL>", "<SOH>", "<STX>", "<ETX>", "<EOT>", "<ENQ>", "<ACK>", "<BEL>", "<BS>",  "<HT>",  "<LF>",
        "<VT>",  "<FF>",  "<CR>",  "<SO>",  "<SI>",  "<DLE>", "<DC1>", "<DC2>", "<DC3>", "<DC4>", "<NAK>",
        "<SYN>", "<ETB>", "<CAN>", "<EM>",  "<SUB>", "<ESC>", "<FS>",  "<GS>",  "<RS>",  "<US>",
    };
    std::string text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        if (b < 32)
            text += names[b];
        else
            text += c;
    }
    return text;
}

TSigComPort::TSigComPort(SerialDevice& device, const Clock& clock, const PortPaths& paths)
    : device_(device), clock_(clock), paths_(paths) {
    // Received bytes are handled as soon as the device says they are there;
    // the poll tick still runs the reply time-out and the owner's tick.
    device_.OnDataReady = [this] {
        if (Connected() && !held_ && ReadReceived() > 0) receivedSinceTick_ = true;
    };
    device_.OnGone = [this] { DeviceGone(); };
}

TSigComPort::~TSigComPort() {
    device_.OnDataReady = nullptr;
    device_.OnGone = nullptr;
    Disconnect();
}

void TSigComPort::SetComPort(TComPortNumber port) {
    if (!Connected()) comPort_ = port;
}

void TSigComPort::SetComPortSpeed(TComPortBaudRate speed) {
    speed_ = speed;
    ApplySettings();
}

void TSigComPort::SetComPortDataBits(TComPortDataBits bits) {
    dataBits_ = bits;
    ApplySettings();
}

void TSigComPort::SetComPortStopBits(TComPortStopBits bits) {
    stopBits_ = bits;
    ApplySettings();
}

void TSigComPort::SetComPortParity(TComPortParity parity) {
    parity_ = parity;
    ApplySettings();
}

void TSigComPort::SetComPortHwHandshaking(TComPortHwHandshaking handshaking) {
    hwHandshaking_ = handshaking;
    ApplySettings();
}

void TSigComPort::SetComPortSwHandshaking(TComPortSwHandshaking handshaking) {
    swHandshaking_ = handshaking;
    ApplySettings();
}

void TSigComPort::SetComPortInBufSize(std::uint16_t size) {
    if (Connected()) return;
    inBufSize_ = size;
    inputBuffer_.assign(size, 0);
}

void TSigComPort::SetComPortOutBufSize(std::uint16_t size) {
    if (!Connected()) outBufSize_ = size;
}

void TSigComPort::SetComPortPollingDelay(std::uint16_t delayMs) {
    if (delayMs == pollingDelay_) return;
    pollingDelay_ = delayMs;
    if (Connected() && pollTimer_) {
        pollTimer_->Stop();
        pollTimer_->Start(pollingDelay_);
    }
}

LineSettings TSigComPort::CurrentLineSettings() const {
    LineSettings s;
    s.BaudRate = BaudRateValue(speed_);
    s.DataBits = static_cast<int>(dataBits_) + 5;
    s.Parity = parity_;
    s.StopBits = stopBits_;
    s.Dtr = EnableDTROnOpen;
    s.RtsCts = hwHandshaking_ == hhRTSCTS;
    s.XonXoff = swHandshaking_ == shXONXOFF;
    s.XonLimit = static_cast<std::uint16_t>(inBufSize_ / 4);
    s.XoffLimit = 1;
    return s;
}

bool TSigComPort::Connect() {
    if (Connected()) return true;
    if (!device_.Open(DevicePath())) {
        NoteDeviceError();
        return false;
    }
    ApplySettings();
    if (pollTimer_) pollTimer_->Start(pollingDelay_);
    return true;
}

void TSigComPort::Disconnect() {
    if (!Connected()) return;
    if (pollTimer_) pollTimer_->Stop();
    device_.Close();
}

std::string TSigComPort::OpenErrorText() const {
    std::string text = "Cannot open serial port " + DevicePath();
    return LastErrorText.empty() ? text : text + ": " + LastErrorText;
}

void TSigComPort::DeviceGone() {
    NoteDeviceError();
    if (pollTimer_) pollTimer_->Stop();
    if (device_.IsOpen()) device_.Close();
    WaitingForInput = false;
    receivedSinceTick_ = false;
    if (OnDeviceGone) OnDeviceGone(*this);
}

void TSigComPort::NoteDeviceError() {
    LastError = device_.LastError();
    LastErrorText = device_.LastErrorText();
}

void TSigComPort::ApplySettings() {
    if (!Connected()) return;
    // Whatever was already written leaves the line under the old settings.
    device_.Drain();
    if (!device_.Configure(CurrentLineSettings())) {
        NoteDeviceError();
        return;
    }
    NoteDeviceError();  // 0, or a setting the platform could only approximate
    const std::uint32_t configureNote = LastError;
    const std::string configureText = LastErrorText;
    PurgeBuffers(true, true);
    device_.SetQueueSizes(inBufSize_, outBufSize_);
    NoteDeviceError();
    if (configureNote != 0) {
        // The approximated line setting matters more than the queue sizes.
        LastError = configureNote;
        LastErrorText = configureText;
    }
}

void TSigComPort::PurgeBuffers(bool input, bool output) {
    if (Connected()) device_.Purge(input, output);
}

int TSigComPort::OutFreeSpace() {
    if (!Connected()) return 65535;
    const std::size_t queued = device_.BytesToWrite();
    return queued >= outBufSize_ ? 0 : static_cast<int>(outBufSize_ - queued);
}

long TSigComPort::SendData(const std::uint8_t* data, std::size_t count) {
    if (!Connected()) return 0;
    std::uint64_t clockStart = clock_.NowMs();
    long written = 0;
    std::size_t remaining = count;
    while (remaining > 0) {
        const int freeSpace = OutFreeSpace();
        if (freeSpace > 0) {
            const std::size_t chunk = std::min(remaining, static_cast<std::size_t>(freeSpace));
            const long taken = device_.Write(data + written, chunk);
            if (taken <= 0) {
                NoteDeviceError();
                device_.NoteLinkEvent(LinkEvent::OutputTimeout,
                                      static_cast<std::uint32_t>(clock_.NowMs() - clockStart));
                if (OnOutputTimeout) OnOutputTimeout(*this);
                return written;
            }
            written += taken;
            remaining -= static_cast<std::size_t>(taken);
            clockStart = clock_.NowMs();
        } else if (clock_.NowMs() - clockStart > OutputTimeout) {
            device_.NoteLinkEvent(LinkEvent::OutputTimeout,
                                  static_cast<std::uint32_t>(clock_.NowMs() - clockStart));
            if (OnOutputTimeout) OnOutputTimeout(*this);
            return -written;
        }
    }
    WaitingForInput = true;
    IdleTime = 0;
    return written;
}

bool TSigComPort::SendString(const std::string& text) {
    const long sent = SendData(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    return sent == static_cast<long>(text.size());
}

long TSigComPort::ReadReceived() {
    lastReadCount_ = device_.Read(inputBuffer_.data(), inputBuffer_.size());
    if (lastReadCount_ < 0) {
        // An open device that cannot be read has gone, whether or not it said so.
        DeviceGone();
        return lastReadCount_;
    }
    if (lastReadCount_ > 0) {
        IdleTime = 0;
        // Handlers may send, wait and read again before they return; they get
        // their own copy of the block.
        const std::vector<std::uint8_t> block(inputBuffer_.begin(), inputBuffer_.begin() + lastReadCount_);
        if (OnReceiveData) OnReceiveData(*this, block.data(), block.size());
    }
    return lastReadCount_;
}

void TSigComPort::PollTick() {
    if (!Connected() || held_) return;
    const long read = ReadReceived();
    if (!Connected()) return;  // the device has gone
    // Input handled on arrival since the last tick counts as read by this one,
    // so the reply time-out runs exactly as with polling alone.
    const bool inputSinceTick = receivedSinceTick_;
    receivedSinceTick_ = false;
    if (read == 0 && !inputSinceTick && WaitingForInput) {
        IdleTime += pollingDelay_;
        if (InputTimedOut() && OnInputTimeout) {
            WaitingForInput = false;
            device_.NoteLinkEvent(LinkEvent::ReplyTimeout, IdleTime);
            OnInputTimeout(*this);
        }
    }
    if (OnTick) OnTick(*this);
}

}  // namespace kelvane
