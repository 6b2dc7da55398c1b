#pragma once
#include <chrono>

#include "core/Clock.h"

namespace kelvane {

class SystemClock : public Clock {
public:
    std::uint64_t NowMs() const override {
        using namespace std::chrono;
        return static_cast<std::uint64_t>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
    std::tm LocalTime() const override {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return local;
    }
};

}  // namespace kelvane
