#pragma once
#include <cstdint>

#include "comms/SigComPort.h"

namespace kelvane {

// The port's poll timer on a driven clock: as time moves it fires the poll
// tick once every poll interval, never inside itself, as a window timer
// does not fire again while its handler still runs.
class DrivenPoll {
public:
    explicit DrivenPoll(TSigComPort& port) : port_(port) {}

    void Advance(std::uint64_t ms) {
        sinceTick_ += ms;
        if (sinceTick_ < port_.ComPortPollingDelay() || inTick_) return;
        sinceTick_ = 0;
        inTick_ = true;
        port_.PollTick();
        inTick_ = false;
    }

private:
    TSigComPort& port_;
    std::uint64_t sinceTick_ = 0;
    bool inTick_ = false;
};

}  // namespace kelvane
