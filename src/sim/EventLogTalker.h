#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "model/Data.h"

namespace kelvane::sim {

// What the simulated controller prints on its log output while the tool
// listens on its event log page (the tool then sends the "V" keep-alive
// every two seconds): now and then an event line with the time and the
// place (calls, accepts, resets, faults, door monitoring), and on request its
// whole configuration as a printout. Every line ends with LF CR, as the
// controller's printer output does. Nothing is printed while the tool is
// not listening: what is due waits (a printout asked for then starts once
// the tool listens again).
class EventLogTalker {
public:
    struct Options {
        // Events come at random between these gaps.
        std::uint32_t MinEventGapMs = 3000;
        std::uint32_t MaxEventGapMs = 9000;
        // Printout lines follow each other this closely.
        std::uint32_t PrintoutLineGapMs = 20;
        // The tool counts as listening this long after a "V" keep-alive.
        std::uint32_t ListenWindowMs = 5000;
        std::uint32_t Seed = 1;
    };

    EventLogTalker(const TData& site, const Clock& clock, Options options);
    EventLogTalker(const TData& site, const Clock& clock) : EventLogTalker(site, clock, Options{}) {}

    // The tool sent a frame: the event log keep-alive "V" means it listens;
    // anything else (the other keep-alive, a transfer) that it does not.
    void FrameHeard(unsigned char command);
    bool Listening() const;
    // Asks for the configuration printout (once; asking again while one is
    // waiting or printing changes nothing).
    void RequestPrintout();
    bool PrintoutWaiting() const { return printoutRequested_ || !printing_.empty(); }

    // The text due now (lines with their endings), or empty.
    std::string Due();

    // A line of what the talker did, for a verbose console.
    std::function<void(const std::string&)> OnTrace;

    static constexpr const char* kLineEnding = "\n\r";

private:
    struct Call {
        int device;
        bool accepted;
    };
    std::string NextEvent();
    std::string Stamped(const std::string& what, const std::string& where) const;
    std::string Place(int n) const;
    void ScheduleEvent(std::uint64_t now);
    std::uint32_t Between(std::uint32_t low, std::uint32_t high);

    const TData& site_;
    const Clock& clock_;
    Options options_;
    std::mt19937 random_;
    bool heard_ = false;
    std::uint64_t lastKeepAliveMs_ = 0;
    std::uint64_t nextEventMs_ = 0;
    std::uint64_t nextLineMs_ = 0;
    bool printoutRequested_ = false;
    std::deque<std::string> printing_;
    std::vector<Call> calls_;
    int faultyDevice_ = 0;
    bool doorOpen_ = false;
};

}  // namespace kelvane::sim
