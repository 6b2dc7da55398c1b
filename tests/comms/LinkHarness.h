#pragma once
#include <string>
#include <vector>

#include "comms/DrivenPoll.h"
#include "comms/PanelComms.h"
#include "comms/SimulatedLine.h"
#include "core/ManualClock.h"
#include "sim/PanelSimulator.h"

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
        : controllerEnd(line.B()),
          simulator(controllerEnd, clock, std::move(options)),
          comms(line.A(), clock, paths) {
        comms.ProcessPendingEvents = [this] { Step(); };
        comms.SetTimeOut(40);
    }

    void Step() {
        clock.Advance(kStepMs);
        simulator.Service();
        poll.Advance(kStepMs);
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
    DrivenPoll poll{comms.Port()};
};

// Bytes written at the controller's end of `line` and read by the tool's next poll.
inline void ReceiveAtNextPoll(SimulatedLine& line, TSigComPort& port, const std::string& bytes) {
    line.B().Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    port.PollTick();
}

// What has reached the controller's end of `line` since the last call.
inline std::string SentToController(SimulatedLine& line) {
    std::string s;
    for (const LineByte& b : line.B().ReadMarked()) s += static_cast<char>(b.Value);
    return s;
}

// Bytes as a string, for frames written in tests.
inline std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

}  // namespace kelvane::testing
