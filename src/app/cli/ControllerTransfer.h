#pragma once
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/Command.h"
#include "model/Data.h"

class QCoreApplication;

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
};

// Splits "--port DEVICE", "--simulate" and (with `timeAllowed`) "--time" from
// the one file argument. False with a reason when the line is wrong.
bool ParseTransferArguments(const std::vector<std::string>& arguments, bool timeAllowed, ControllerTarget& target,
                            std::string& file, std::string& error);

// The Qt application object that a real serial port's event loop needs,
// when there is none yet (null otherwise).
std::unique_ptr<QCoreApplication> MakeCoreApplication();

enum class TransferDirection { Load, Save };

// Loads the whole configuration from the controller into `data`, or saves
// `data` to it, on the transfer code the desktop program runs. The system's
// messages go to the error stream. True when the transfer completed.
bool RunControllerTransfer(TransferDirection direction, const ControllerTarget& target, TData& data,
                           const Console& console, CommandIo& io);

}  // namespace kelvane::cli
