#pragma once
#include <string>
#include <vector>

#include "comms/PanelComms.h"
#include "comms/SimulatedLine.h"
#include "core/ManualClock.h"
#include "panel-sim/PanelSimulator.h"

namespace kelvane::testing {

// The tool's link and a simulated controller on an in-process line, with a
// driven clock standing in for the event loop: time moves in 10 ms steps,
// the controller is served at every step and the poll timer fires every
// 100 ms (never inside itself, as a window timer does not). The parity
// guard delay runs these same steps.
class LinkHarness {
public:
    static constexpr std::uint64_t kStepMs = 10;

    explicit LinkHarness(sim::SimulatorOptions options = {})
        : controllerEnd(line.B()), simulator(controllerEnd, clock, std::move(options)), comms(line.A(), clock, paths) {
        comms.ProcessPendingEvents = [this] { Step(); };
        comms.SetTimeOut(40);
    }

    void Step() {
        clock.Advance(kStepMs);
        simulator.Service();
        sinceTick_ += kStepMs;
        if (sinceTick_ >= comms.TickInterval() && !inTick_) {
            sinceTick_ = 0;
            inTick_ = true;
            comms.Port().PollTick();
            inTick_ = false;
        }
    }

    void RunFor(std::uint64_t ms) {
        for (std::uint64_t done = 0; done < ms; done += kStepMs) Step();
    }

    // Runs until `done` holds or `limitMs` have passed; true when it held.
    template <typename Predicate>
    bool RunUntil(Predicate done, std::uint64_t limitMs) {
        for (std::uint64_t spent = 0; spent < limitMs; spent += kStepMs) {
            if (done()) return true;
            Step();
        }
        return done();
    }

    ManualClock clock;
    SimulatedLine line;
    PortPaths paths;
    sim::LineEndPort controllerEnd;
    sim::PanelSimulator simulator;
    TPanelComms comms;

private:
    std::uint64_t sinceTick_ = 0;
    bool inTick_ = false;
};

// Bytes as a string, for frames written in tests.
inline std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

}  // namespace kelvane::testing
