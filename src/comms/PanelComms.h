#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "comms/commspanel.h"

namespace kelvane {

class TPanelComms;

using TPacketReceived =
    std::function<void(TPanelComms& sender, std::uint8_t cmdChar, const std::string& packet)>;

inline constexpr std::uint8_t kSOH = 0x01;

// Sum of the command, length and payload bytes, modulo 256.
std::uint8_t PacketChecksum(const std::string& packet);

// The controller's framed packet protocol over the link: frames and
// checksums outgoing packets, assembles and checks incoming frames, and
// shakes hands with the controller through the three line disciplines.
class TPanelComms : public TCommPanel {
public:
    TPanelComms(SerialDevice& device, const Clock& clock, const PortPaths& paths);

    // 0: none chosen (nothing is sent); 1: plain characters after SOH;
    // 2: first byte spaced, the rest marked; 3: first byte marked, the rest spaced.
    std::uint8_t LinkMode = 0;
    bool HandshakeDone = false;
    bool IsASCIIOnly = false;
    bool HandshakeFailed = false;
    std::int32_t RetriesLeft = 0;
    TPacketReceived OnPacketReceived;
    std::uint16_t DCharsReceived = 0;
    std::int32_t PacketLength = 0;
    std::string RxBuffer;
    TNotifyEvent OnInvalidChecksum;
    bool Suspended = false;
    TNotifyEvent OnHandshakeReceived;
    TNotifyEvent OnTimeout;

    // Runs pending user-interface events during the parity guard delay. The
    // desktop processes its event queue; a test advances its clock.
    std::function<void()> ProcessPendingEvents;

    virtual void SendPacket(const std::string& packet);
    void ReopenForMode();
    void RetryHandshake();

    // The handshake packet "A" with length 0.
    static const std::string& HandshakePacket();

protected:
    void DoReceiveData(TSigComPort& port, const std::uint8_t* data, std::size_t size) override;
    void DoTick() override;
    void DoInputTimeout() override;
    void DoDeviceGone() override;

private:
    void ParityGuardDelay();
    void SendWithParity(const std::string& frame, TComPortParity first, TComPortParity rest);
    // Takes one byte into the frame being assembled; true when it was taken.
    bool AssembleFrame(std::uint8_t b);
    void FrameComplete();
    bool ChecksumValid() const;

    const Clock& clock_;
};

}  // namespace kelvane
