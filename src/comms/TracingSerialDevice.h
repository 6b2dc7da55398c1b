#pragma once
#include <functional>
#include <string>

#include "comms/LinkTrace.h"
#include "comms/LinkTraceDecoder.h"
#include "comms/SerialDevice.h"

namespace kelvane {

// A serial device that passes every call to the device it wraps and, while
// its trace is recording, decodes into it what crosses the line: the bytes
// written and read with the parity of the moment, the opening, closing and
// line settings of the port, and the time-outs the port notes.
class TracingSerialDevice : public SerialDevice {
public:
    TracingSerialDevice(SerialDevice& inner, LinkTrace& trace);
    ~TracingSerialDevice() override;
    TracingSerialDevice(const TracingSerialDevice&) = delete;
    TracingSerialDevice& operator=(const TracingSerialDevice&) = delete;

    // Asked at every read: true while the link takes text lines only.
    std::function<bool()> TextReception;

    bool Open(const std::string& path) override;
    bool IsOpen() const override { return inner_.IsOpen(); }
    void Close() override;
    bool Configure(const LineSettings& settings) override;
    bool SetQueueSizes(std::uint16_t input, std::uint16_t output) override {
        return inner_.SetQueueSizes(input, output);
    }
    void Purge(bool input, bool output) override { inner_.Purge(input, output); }
    std::size_t BytesToWrite() override { return inner_.BytesToWrite(); }
    long Write(const std::uint8_t* data, std::size_t count) override;
    long Read(std::uint8_t* buffer, std::size_t max) override;
    void Drain() override { inner_.Drain(); }
    std::uint32_t LastError() const override { return inner_.LastError(); }
    std::string LastErrorText() const override { return inner_.LastErrorText(); }
    void NoteLinkEvent(LinkEvent event, std::uint32_t ms) override;

private:
    bool Tracing() const { return trace_.Recording(); }

    SerialDevice& inner_;
    LinkTrace& trace_;
    LinkTraceDecoder decoder_;
    TComPortParity parity_ = ptNONE;
};

}  // namespace kelvane
