#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "comms/SigComPort.h"

namespace kelvane {

class TCommPanel;

using TNotifyEvent = std::function<void(TCommPanel& sender)>;
using TNotifyOnTransferEvent = std::function<void(TCommPanel& sender, const std::string& convertedString)>;
using TNotifyOnCharacter = std::function<void(TCommPanel& sender, std::uint8_t character)>;

inline constexpr std::uint8_t kACK = 0x06;
inline constexpr std::uint8_t kCR = 0x0D;
inline constexpr std::uint8_t kNAK = 0x15;

// A text-and-acknowledgement link over one serial port: configured from a
// one-line settings string, it sends text with an optional carriage return
// and splits what it receives at ACK, CR and NAK, one event per terminator.
class TCommPanel {
public:
    TCommPanel(SerialDevice& device, const Clock& clock, const PortPaths& paths);
    virtual ~TCommPanel() = default;
    TCommPanel(const TCommPanel&) = delete;
    TCommPanel& operator=(const TCommPanel&) = delete;

    // Finishes the set-up once the owner has assigned properties and
    // handlers: opens the port when AutoOpen is set.
    void Loaded();

    TSigComPort& Port() { return port_; }
    const TSigComPort& Port() const { return port_; }

    const std::string& SetupString() const { return setupString_; }
    virtual void SetSetupString(const std::string& setup);
    virtual int SendBufferSize() const { return port_.ComPortOutBufSize(); }
    // False (and no change) for sizes above 65535.
    virtual bool SetSendBufferSize(int size);
    virtual int RcvBufferSize() const { return port_.ComPortInBufSize(); }
    virtual bool SetRcvBufferSize(int size);
    virtual std::uint16_t TickInterval() const { return port_.ComPortPollingDelay(); }
    virtual void SetTickInterval(std::uint16_t ms) { port_.SetComPortPollingDelay(ms); }
    virtual bool WaitingForInput() const { return port_.WaitingForInput; }
    virtual void SetWaitingForInput(bool waiting) { port_.WaitingForInput = waiting; }

    bool AutoOpen = true;
    bool AutoAppendCR = true;

    std::uint32_t TimeOut() const;
    void SetTimeOut(std::uint32_t ticks);
    std::uint32_t InputTimeOut() const { return port_.InputTimeout; }
    void SetInputTimeOut(std::uint32_t ms) { port_.InputTimeout = ms; }
    std::uint32_t OutputTimeout() const { return port_.OutputTimeout; }
    void SetOutputTimeout(std::uint32_t ms) { port_.OutputTimeout = ms; }

    TComPortNumber ComPort() const { return port_.ComPort(); }
    void SetComPort(TComPortNumber port) { port_.SetComPort(port); }
    TComPortBaudRate ComPortSpeed() const { return port_.ComPortSpeed(); }
    void SetComPortSpeed(TComPortBaudRate speed) { port_.SetComPortSpeed(speed); }
    TComPortDataBits ComPortDataBits() const { return port_.ComPortDataBits(); }
    void SetComPortDataBits(TComPortDataBits bits) { port_.SetComPortDataBits(bits); }
    TComPortStopBits ComPortStopBits() const { return port_.ComPortStopBits(); }
    void SetComPortStopBits(TComPortStopBits bits) { port_.SetComPortStopBits(bits); }
    TComPortParity ComPortParity() const { return port_.ComPortParity(); }
    void SetComPortParity(TComPortParity parity) { port_.SetComPortParity(parity); }
    TComPortHwHandshaking ComPortHwHandshaking() const { return port_.ComPortHwHandshaking(); }
    void SetComPortHwHandshaking(TComPortHwHandshaking h) { port_.SetComPortHwHandshaking(h); }
    TComPortSwHandshaking ComPortSwHandshaking() const { return port_.ComPortSwHandshaking(); }
    void SetComPortSwHandshaking(TComPortSwHandshaking h) { port_.SetComPortSwHandshaking(h); }

    virtual bool Connected() const { return port_.Connected(); }
    virtual std::uint32_t LastErrorCode() const { return port_.LastError; }
    bool Open() { return port_.Connect(); }
    void Close();
    void PurgeBuffers(bool input, bool output) { port_.PurgeBuffers(input, output); }

    virtual bool Send(const std::string& text);
    virtual bool SendReportingCR(const std::string& text);

    // Empties the line being received.
    void ClearLineTexts();

    TNotifyEvent OnTick;
    TNotifyEvent OnTimeOut;
    TNotifyEvent OnCR;
    TNotifyEvent OnAck;
    TNotifyEvent OnNak;
    TNotifyOnCharacter OnCharacter;
    TNotifyOnTransferEvent OnOutput;
    TNotifyOnTransferEvent OnInput;
    TNotifyEvent OnOutputTimeout;
    TComPortReceiveDataEvent OnReceiveData;
    // The device went away while open; the port is closed by then.
    TNotifyEvent OnPortGone;

protected:
    // The port's events; the controller protocol replaces them.
    virtual void DoReceiveData(TSigComPort& port, const std::uint8_t* data, std::size_t size);
    virtual void DoTick();
    virtual void DoInputTimeout();
    virtual void DoDeviceGone();

    // Appends a terminator to both line texts.
    void AppendTerminator(std::uint8_t terminator);
    void AppendToLine(std::uint8_t b);

    TSigComPort port_;
    std::string setupString_;
    std::string displayText_;  // the line with terminators named
    std::string rawText_;      // the line as received
};

}  // namespace kelvane
