#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/Command.h"

namespace kelvane::cli {

// What `kelvane-cli log` listens to and for how long.
struct EventLogWatch {
    std::string Port;
    // The in-process simulated controller with the demo site.
    bool Simulate = false;
    // With Simulate: the controller prints its configuration once the link listens.
    bool Printout = false;
    // Stop after this long; with Simulate the simulated controller's time,
    // which then runs at once instead of at the pace of the clock.
    std::optional<std::uint32_t> Seconds;
    // Where the decoded link trace goes; empty: nowhere.
    std::string TraceFile;
};

// Puts the controller link on event log reception, as the View Event Log
// tab does, and writes every line the controller sends to `io.out` as it
// arrives, until `watch.Seconds` have passed or the user presses Ctrl+C.
// Returns the lines received; `opened` is false (with the reason on
// `io.err`) when the trace file cannot be written (then nothing is opened)
// or the serial port could not be opened.
std::vector<std::string> WatchEventLog(const EventLogWatch& watch, CommandIo& io, bool& opened);

}  // namespace kelvane::cli
