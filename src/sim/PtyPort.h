#pragma once
#include <string>

#include "sim/SimPort.h"

namespace kelvane::sim {

// The controller's end of a pseudo-terminal. The tool opens the other end
// (SlavePath()) as if it were a serial port. A pseudo-terminal carries no
// parity, so every byte arrives as plain 8-bit data: only link mode 1 works.
class PtyPort : public SimPort {
public:
    PtyPort() = default;
    ~PtyPort() override;
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    // Creates the pseudo-terminal; false with Error() when that fails.
    bool Create();
    const std::string& SlavePath() const { return slavePath_; }
    int MasterFd() const { return master_; }
    const std::string& Error() const { return error_; }

    std::vector<LineByte> Receive() override;
    void Transmit(const std::string& bytes) override;

private:
    int master_ = -1;
    // Held open so the master keeps working while the tool has the port closed.
    int slave_ = -1;
    std::string slavePath_;
    std::string error_;
};

}  // namespace kelvane::sim
