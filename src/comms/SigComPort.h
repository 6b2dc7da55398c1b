#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "comms/ComPortTypes.h"
#include "comms/PollTimer.h"
#include "comms/PortPaths.h"
#include "comms/SerialDevice.h"
#include "core/Clock.h"

namespace kelvane {

class TSigComPort;

using TComPortNotifyEvent = std::function<void(TSigComPort& sender)>;
using TComPortReceiveDataEvent =
    std::function<void(TSigComPort& sender, const std::uint8_t* data, std::size_t size)>;

// Names the control bytes 0..31 ("<SOH>", "<CR>", ...); every other byte is
// copied unchanged.
std::string ExpandControlChars(const std::string& bytes);

// The lowest layer of the controller link: one serial device, its line
// settings, writes with an output time-out and a poll of received bytes.
class TSigComPort {
public:
    TSigComPort(SerialDevice& device, const Clock& clock, const PortPaths& paths);
    ~TSigComPort();
    TSigComPort(const TSigComPort&) = delete;
    TSigComPort& operator=(const TSigComPort&) = delete;

    // The poll timer; without one the owner calls PollTick itself.
    void SetPollTimer(PollTimer* timer) { pollTimer_ = timer; }

    TComPortNumber ComPort() const { return comPort_; }
    void SetComPort(TComPortNumber port);
    TComPortBaudRate ComPortSpeed() const { return speed_; }
    void SetComPortSpeed(TComPortBaudRate speed);
    TComPortDataBits ComPortDataBits() const { return dataBits_; }
    void SetComPortDataBits(TComPortDataBits bits);
    TComPortStopBits ComPortStopBits() const { return stopBits_; }
    void SetComPortStopBits(TComPortStopBits bits);
    TComPortParity ComPortParity() const { return parity_; }
    void SetComPortParity(TComPortParity parity);
    TComPortHwHandshaking ComPortHwHandshaking() const { return hwHandshaking_; }
    void SetComPortHwHandshaking(TComPortHwHandshaking handshaking);
    TComPortSwHandshaking ComPortSwHandshaking() const { return swHandshaking_; }
    void SetComPortSwHandshaking(TComPortSwHandshaking handshaking);
    std::uint16_t ComPortInBufSize() const { return inBufSize_; }
    void SetComPortInBufSize(std::uint16_t size);
    std::uint16_t ComPortOutBufSize() const { return outBufSize_; }
    void SetComPortOutBufSize(std::uint16_t size);
    std::uint16_t ComPortPollingDelay() const { return pollingDelay_; }
    void SetComPortPollingDelay(std::uint16_t delayMs);

    bool EnableDTROnOpen = true;
    std::uint32_t OutputTimeout = 4000;  // ms
    std::uint32_t InputTimeout = 4000;   // ms

    TComPortReceiveDataEvent OnReceiveData;
    TComPortNotifyEvent OnInputTimeout;
    TComPortNotifyEvent OnOutputTimeout;
    TComPortNotifyEvent OnTick;
    // The device went away while open (or a read from it failed): the port
    // is closed by then, and LastErrorText says what happened.
    TComPortNotifyEvent OnDeviceGone;

    bool Connected() const { return device_.IsOpen(); }
    bool Connect();
    void Disconnect();
    void PurgeBuffers(bool input, bool output);
    // Room left in the transmit queue; 65535 when closed.
    int OutFreeSpace();
    // Bytes written, or minus the bytes written when the output time-out struck.
    long SendData(const std::uint8_t* data, std::size_t count);
    bool SendString(const std::string& text);
    bool InputTimedOut() const { return IdleTime >= InputTimeout; }
    // One expiry of the poll timer.
    void PollTick();

    // While held, the port reads nothing, counts no reply time-out and fires
    // no tick: what the far end sends waits in the device's queue, and is
    // read and handled in order once the port is let go. Sending is the
    // owner's to refrain from (nothing is sent but in answer to those events).
    void SetHeld(bool held) { held_ = held; }
    bool Held() const { return held_; }

    // The line settings the device is given for the current properties.
    LineSettings CurrentLineSettings() const;
    // The device path the current port number opens.
    std::string DevicePath() const { return paths_.Path(comPort_); }
    // "Cannot open serial port PATH: REASON", after an Open that failed.
    std::string OpenErrorText() const;

    bool WaitingForInput = false;
    std::uint32_t IdleTime = 0;  // ms without input since the last send
    std::uint32_t LastError = 0;
    std::string LastErrorText;

private:
    void ApplySettings();
    // Reads what has arrived and hands it on; false when the read failed.
    long ReadReceived();
    void NoteDeviceError();
    void DeviceGone();

    SerialDevice& device_;
    const Clock& clock_;
    const PortPaths& paths_;
    PollTimer* pollTimer_ = nullptr;

    TComPortNumber comPort_ = pnCOM2;
    TComPortBaudRate speed_ = br9600;
    TComPortDataBits dataBits_ = db8BITS;
    TComPortStopBits stopBits_ = sb1BITS;
    TComPortParity parity_ = ptNONE;
    TComPortHwHandshaking hwHandshaking_ = hhNONE;
    TComPortSwHandshaking swHandshaking_ = shNONE;
    std::uint16_t inBufSize_ = 2048;
    std::uint16_t outBufSize_ = 2048;
    std::uint16_t pollingDelay_ = 50;

    std::vector<std::uint8_t> inputBuffer_ = std::vector<std::uint8_t>(2048);
    long lastReadCount_ = 0;
    bool receivedSinceTick_ = false;
    bool held_ = false;
};

}  // namespace kelvane
