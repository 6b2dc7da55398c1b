#pragma once
#include <cstdint>
#include <ctime>

namespace kelvane {

// The one source of time for the core: link time-outs, guard delays and the
// time packet sent to the controller all read it, so tests drive it.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds from an arbitrary start, never going backwards.
    virtual std::uint64_t NowMs() const = 0;
    // The local calendar date and time of day.
    virtual std::tm LocalTime() const = 0;
};

}  // namespace kelvane
