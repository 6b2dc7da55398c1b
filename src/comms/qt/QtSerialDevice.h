#pragma once
#include <QSerialPort>

#include "comms/SerialDevice.h"

namespace kelvane {

// The real serial port. The line settings go to the device's terminal
// attributes directly (mark and space parity through CMSPAR) and are read
// back after every change; a setting the device did not take is recorded in
// LastError. Any device path is accepted, pseudo-terminals included.
class QtSerialDevice : public SerialDevice {
public:
    QtSerialDevice();
    ~QtSerialDevice() override;

    bool Open(const std::string& path) override;
    bool IsOpen() const override { return port_.isOpen(); }
    void Close() override;
    bool Configure(const LineSettings& settings) override;
    bool SetQueueSizes(std::uint16_t input, std::uint16_t output) override;
    void Purge(bool input, bool output) override;
    std::size_t BytesToWrite() override;
    long Write(const std::uint8_t* data, std::size_t count) override;
    long Read(std::uint8_t* buffer, std::size_t max) override;
    void Drain() override;
    std::uint32_t LastError() const override { return lastError_; }
    std::string LastErrorText() const override { return lastErrorText_; }

private:
    // True when the device under the open port has hung up or stopped
    // answering the terminal interface.
    bool HasGone() const;
    // The device went away under the open port: closes it and says so.
    void Gone();
    void SetError(std::uint32_t code, const std::string& text);
    void ClearError() { SetError(0, {}); }
    int Handle() const;

    QSerialPort port_;
    bool goneCheckQueued_ = false;
    std::uint32_t lastError_ = 0;
    std::string lastErrorText_;
    std::uint32_t baudRate_ = 9600;
    bool writtenSinceDrain_ = false;
};

}  // namespace kelvane
