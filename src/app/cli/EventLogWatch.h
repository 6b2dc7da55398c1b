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

// How a watch ended.
struct WatchResult {
    std::vector<std::string> Lines;  // every line received
    // False (with the reason on the error stream) when the trace file cannot
    // be created (then nothing is opened) or the serial port cannot be opened.
    bool Opened = true;
    // The serial device went away while the watch listened (said so on the error stream).
    bool PortGone = false;
    // False when the trace file could not be written to the end (said so).
    bool TraceComplete = true;
};

// Puts the controller link on event log reception, as the View Event Log
// tab does, and writes every line the controller sends to `io.out` as it
// arrives, until `watch.Seconds` have passed, the user presses Ctrl+C or
// the serial device goes away.
WatchResult WatchEventLog(const EventLogWatch& watch, CommandIo& io);

}  // namespace kelvane::cli
