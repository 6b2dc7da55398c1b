#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "comms/ComPortTypes.h"

namespace kelvane {

// What the port above a device saw happen, for a device that keeps a trace
// of the link.
enum class LinkEvent {
    ReplyTimeout,   // no input for the port's input time-out after a send
    OutputTimeout,  // the line took nothing for the output time-out, or a write failed
};

// One serial device as the port sees it: the real port on the desktop, the
// in-process line in tests and in the simulated set-up. Everything runs on
// the user-interface thread; no call blocks except Drain.
class SerialDevice {
public:
    virtual ~SerialDevice() = default;

    // Opens `path` exclusively for reading and writing. False leaves it closed.
    virtual bool Open(const std::string& path) = 0;
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;

    // Writes the line settings. False when the device refused them; true with
    // a LastError when it took them but could only approximate one.
    virtual bool Configure(const LineSettings& settings) = 0;
    // Driver queue sizes; false (with LastError) when the platform cannot set them.
    virtual bool SetQueueSizes(std::uint16_t input, std::uint16_t output) = 0;
    // Drops what waits in the receive queue and/or the transmit queue.
    virtual void Purge(bool input, bool output) = 0;
    // Bytes written but not yet on the line.
    virtual std::size_t BytesToWrite() = 0;
    // Hands bytes to the driver; returns how many it took, or -1 on failure.
    virtual long Write(const std::uint8_t* data, std::size_t count) = 0;
    // Returns at once with what has arrived (up to `max`), or -1 on failure.
    virtual long Read(std::uint8_t* buffer, std::size_t max) = 0;
    // Waits until the bytes already written have left the line.
    virtual void Drain() = 0;

    // 0 when the last operation went well; otherwise a system error code.
    virtual std::uint32_t LastError() const = 0;
    virtual std::string LastErrorText() const = 0;

    // Told by the port when `event` happened after `ms` milliseconds; a
    // device that keeps no trace ignores it.
    virtual void NoteLinkEvent(LinkEvent event, std::uint32_t ms) {
        (void)event;
        (void)ms;
    }

    // Optional: called when received bytes are waiting, so they can be
    // handled at once instead of at the next poll.
    std::function<void()> OnDataReady;
    // Called when an open device has gone (a USB adapter pulled, the far end
    // of a pseudo-terminal closed): it is closed by then, and LastErrorText
    // says what happened.
    std::function<void()> OnGone;
};

}  // namespace kelvane
