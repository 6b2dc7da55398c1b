#include "comms/TracingSerialDevice.h"

namespace kelvane {

TracingSerialDevice::TracingSerialDevice(SerialDevice& inner, LinkTrace& trace)
    : inner_(inner), trace_(trace), decoder_(trace) {
    inner_.OnDataReady = [this] {
        if (OnDataReady) OnDataReady();
    };
    inner_.OnGone = [this] {
        if (Tracing()) decoder_.Gone(inner_.LastErrorText());
        if (OnGone) OnGone();
    };
}

TracingSerialDevice::~TracingSerialDevice() {
    inner_.OnDataReady = nullptr;
    inner_.OnGone = nullptr;
}

bool TracingSerialDevice::Open(const std::string& path) {
    const bool opened = inner_.Open(path);
    if (Tracing()) {
        if (opened)
            decoder_.Opened(path);
        else
            decoder_.OpenFailed(path, inner_.LastErrorText());
    }
    return opened;
}

void TracingSerialDevice::Close() {
    const bool wasOpen = inner_.IsOpen();
    inner_.Close();
    if (wasOpen && Tracing()) decoder_.Closed();
}

bool TracingSerialDevice::Configure(const LineSettings& settings) {
    const bool taken = inner_.Configure(settings);
    if (taken) {
        parity_ = settings.Parity;
        if (Tracing()) decoder_.Configured(settings);
    }
    return taken;
}

long TracingSerialDevice::Write(const std::uint8_t* data, std::size_t count) {
    const long taken = inner_.Write(data, count);
    if (taken > 0 && Tracing()) decoder_.Sent(data, static_cast<std::size_t>(taken), parity_);
    return taken;
}

long TracingSerialDevice::Read(std::uint8_t* buffer, std::size_t max) {
    const long read = inner_.Read(buffer, max);
    if (read > 0 && Tracing()) {
        decoder_.Received(buffer, static_cast<std::size_t>(read), parity_, TextReception && TextReception());
    }
    return read;
}

void TracingSerialDevice::NoteLinkEvent(LinkEvent event, std::uint32_t ms) {
    inner_.NoteLinkEvent(event, ms);
    if (!Tracing()) return;
    if (event == LinkEvent::ReplyTimeout)
        decoder_.ReplyTimeout(ms);
    else
        decoder_.OutputTimeout(ms);
}

}  // namespace kelvane
