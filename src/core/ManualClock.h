#pragma once
#include "core/Clock.h"

namespace kelvane {

// A clock that moves only when told to: tests, the in-process simulator and
// the benchmarks drive time with it.
class ManualClock : public Clock {
public:
    std::uint64_t NowMs() const override { return now_ms_; }
    std::tm LocalTime() const override { return local_; }

    void Advance(std::uint64_t ms) { now_ms_ += ms; }
    void SetLocalTime(const std::tm& local) { local_ = local; }

private:
    std::uint64_t now_ms_ = 0;
    std::tm local_ = [] {
        std::tm t{};
        t.tm_hour = 12;
        t.tm_mday = 7;
        t.tm_mon = 11;
        t.tm_year = 126;
        return t;
    }();
};

}  // namespace kelvane
