#pragma once
#include <istream>
#include <string>
#include <vector>

#include "app/cli/Command.h"
#include "model/Data.h"

namespace kelvane::cli {

// The controller transfer did not complete (the output file is not written).
inline constexpr int kExitTransferFailed = 3;

// Where the user is: a progress line is drawn and questions are asked only
// on a terminal.
struct Console {
    bool Terminal = false;
    std::istream* Answers = nullptr;  // the terminal's input, for questions
};

// Standard input and standard error both terminals: questions are asked there.
Console DetectConsole();

// The controller a transfer runs against: a serial device, or with
// `Simulate` the in-process simulated controller holding the demo site.
struct ControllerTarget {
    std::string Port;
    bool Simulate = false;
    bool SendTime = false;  // "Copy PC Time to Panel on Program:"
    std::string TraceFile;  // where the decoded link trace goes; empty: nowhere
};

// The help of the option every controller command takes.
inline constexpr const char* kTraceOptionHelp =
    "--trace FILE writes the decoded link trace to FILE: every frame sent and\n"
    "received with its time, parity and checksum, ACK and NAK, text lines,\n"
    "time-outs and resends.\n";

// Splits "--port DEVICE", "--simulate", "--trace FILE" and (with
// `timeAllowed`) "--time" from the one file argument. False with a reason when the line is wrong.
bool ParseTransferArguments(const std::vector<std::string>& arguments, bool timeAllowed, ControllerTarget& target,
                            std::string& file, std::string& error);

enum class TransferDirection { Load, Save };

// Loads the whole configuration from the controller into `data`, or saves
// `data` to it, on the transfer code the desktop program runs. The system's
// messages go to the error stream. True when the transfer completed; false
// also when the trace file cannot be written (then nothing is sent).
bool RunControllerTransfer(TransferDirection direction, const ControllerTarget& target, TData& data,
                           const Console& console, CommandIo& io);

}  // namespace kelvane::cli
