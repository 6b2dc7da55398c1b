#pragma once
#include <optional>
#include <string>

namespace kelvane::sim {

// The simulated controller's store of site records, behind the link: it
// answers load requests and takes save packets. The simulator itself handles
// the handshake, the NVM-link and version queries and the keep-alive.
class RecordHandler {
public:
    virtual ~RecordHandler() = default;

    // A load request (command letter and payload, no checksum). Returns the
    // answer packet (command, length, payload; the link adds the checksum),
    // or nothing when `command` is not a load request.
    virtual std::optional<std::string> AnswerRequest(unsigned char command, const std::string& payload) = 0;

    // A save packet. Returns true when it was stored (acknowledged with ACK),
    // false when it could not be parsed (NAK), nothing when `command` is not
    // a save packet.
    virtual std::optional<bool> StoreSavePacket(unsigned char command, const std::string& payload) = 0;
};

}  // namespace kelvane::sim
