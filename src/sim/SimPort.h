#pragma once
#include <string>
#include <vector>

#include "comms/SimulatedLine.h"

namespace kelvane::sim {

// The controller's end of the link as the simulator sees it: the bytes that
// arrived, each with the parity it was sent with, and a way to answer.
class SimPort {
public:
    virtual ~SimPort() = default;
    virtual std::vector<LineByte> Receive() = 0;
    virtual void Transmit(const std::string& bytes) = 0;
};

// The controller's end of the in-process line, where every byte keeps its parity.
class LineEndPort : public SimPort {
public:
    explicit LineEndPort(SimulatedLine::End& end) : end_(end) {
        if (!end_.IsOpen()) end_.Open("controller");
    }
    std::vector<LineByte> Receive() override { return end_.ReadMarked(); }
    void Transmit(const std::string& bytes) override {
        end_.Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }

private:
    SimulatedLine::End& end_;
};

}  // namespace kelvane::sim
