#pragma once
#include <cstdint>

namespace kelvane {

// The port's periodic poll timer. The desktop drives it with a window timer
// on the user-interface thread; tests leave it out and call PollTick directly.
class PollTimer {
public:
    virtual ~PollTimer() = default;
    virtual void Start(std::uint16_t periodMs) = 0;
    virtual void Stop() = 0;
};

}  // namespace kelvane
