#include "comms/LinkTrace.h"
#include "comms/PanelComms.h"
#include "comms/PortPaths.h"
#include "comms/SimulatedLine.h"
#include "comms/TracingSerialDevice.h"
#include "core/ManualClock.h"
#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"

namespace kelvane::fuzz {
namespace {

// The controller's bytes arriving at a link, block by block.
struct Link {
    explicit Link(std::uint8_t options) {
        line.B().Open("controller");
        trace.SetRecording(true);
        comms.ProcessPendingEvents = [this] { clock.Advance(10); };
        comms.IsASCIIOnly = (options & 1) != 0;
        comms.HandshakeDone = (options & 2) != 0;
        comms.LinkMode = static_cast<std::uint8_t>((options >> 2) & 3);
        comms.OnPacketReceived = [this](TPanelComms&, std::uint8_t command, const std::string& packet) {
            Check(packet.size() >= 3 && static_cast<std::uint8_t>(packet[0]) == command);
            Check(packet.size() == static_cast<std::uint8_t>(packet[1]) + 3u);
            Check(PacketChecksum(packet.substr(0, packet.size() - 1)) ==
                  static_cast<std::uint8_t>(packet.back()));
            ++events;
        };
        auto resend = [this](TCommPanel&) { comms.SendPacket(lastPacket); };
        comms.OnInvalidChecksum = resend;
        comms.OnNak = resend;
        comms.OnTimeout = resend;
        comms.OnInput = [this](TCommPanel&, const std::string& line) {
            Check(!line.empty());
            ++events;
        };
        comms.Open();
    }

    void Arrive(const std::string& bytes) {
        line.B().Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        clock.Advance(100);
        comms.Port().PollTick();
    }

    ManualClock clock;
    SimulatedLine line;
    PortPaths paths;
    LinkTrace trace{clock};
    TracingSerialDevice device{line.A(), trace};
    TPanelComms comms{device, clock, paths};
    std::string lastPacket = TPanelComms::HandshakePacket();
    int events = 0;
};

// The plain text-and-acknowledgement link on the same bytes.
struct TextLink {
    TextLink() {
        line.B().Open("controller");
        panel.Open();
        panel.OnInput = [](TCommPanel&, const std::string& text) { Check(!text.empty()); };
    }
    void Arrive(const std::string& bytes) {
        line.B().Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        panel.Port().PollTick();
    }

    ManualClock clock;
    SimulatedLine line;
    PortPaths paths;
    TCommPanel panel{line.A(), clock, paths};
};

}  // namespace

// The link's frame assembly: an options byte (text only, handshake done,
// link mode), a settings string, then blocks of received bytes, each block
// perhaps after a packet the tool sends.
void LinkFrames(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    Link link(in.Byte());
    TextLink text;
    text.panel.SetSetupString(in.Bytes(in.Byte() % 32));
    while (!in.Empty()) {
        const std::uint8_t control = in.Byte();
        if (control & 0x80) {
            link.lastPacket = in.Bytes(control & 0x0F);
            link.comms.SendPacket(link.lastPacket);
        }
        const std::string block = in.Bytes((control & 0x3F) + 1u);
        link.Arrive(block);
        text.Arrive(block);
    }
    link.comms.Close();
    for (const TraceEntry& entry : link.trace.Entries()) FormatTraceEntry(entry);
}

}  // namespace kelvane::fuzz
