#pragma once
#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/Command.h"
#include "app/cli/TraceFile.h"
#include "compare/ControllerVerify.h"
#include "model/Data.h"
#include "transfer/TransferSession.h"

class QCoreApplication;

namespace kelvane::cli {

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
    bool Verify = false;    // read back and compare after saving
    // The simulated controller acknowledges this share of the record
    // packets but stores them wrongly or not at all.
    double CorruptStoreRate = 0.0;
    std::string TraceFile;  // where the decoded link trace goes; empty: nowhere
};

// The options a command takes besides --port, --simulate and --corrupt-store.
struct SaveOptions {
    bool Time = false;    // --time
    bool Verify = false;  // --verify
};

// Splits "--port DEVICE", "--simulate", "--trace FILE", "--corrupt-store
// RATE" (with --simulate only) and the `allowed` save options from the one
// file argument. False with a reason when the line is wrong.
bool ParseTransferArguments(const std::vector<std::string>& arguments, SaveOptions allowed,
                            ControllerTarget& target, std::string& file, std::string& error);

// Runs the event loop (or the simulated controller's driven clock) until
// `finished` holds.
using RunUntil = std::function<void(const std::function<bool()>& finished)>;
// Work on a session with the controller: it starts its transfers and runs
// them with `runUntil`; the session ends when the work returns.
using SessionWork = std::function<void(TransferSession& session, const RunUntil& runUntil)>;

// Runs `work` on a session over `data` with the controller of `target`, on
// the transfer code the desktop program runs. The system's messages go to
// the error stream, with a progress line on a terminal; the link trace goes
// to the target's trace file. False when the trace file cannot be written:
// with nothing sent when it cannot be created, or after the work when a line
// could not be written (the disk filled up).
bool RunOnController(const ControllerTarget& target, TData& data, const Console& console, CommandIo& io,
                     const SessionWork& work);

// The Qt application object that a real serial port's event loop needs,
// when there is none yet (null otherwise).
std::unique_ptr<QCoreApplication> MakeCoreApplication();

enum class TransferDirection { Load, Save };

// Loads the whole configuration from the controller into `data`, or saves
// `data` to it, on the transfer code the desktop program runs. The system's
// messages go to the error stream. True when the transfer completed; false
// also when the trace file cannot be written (then nothing is sent).
bool RunControllerTransfer(TransferDirection direction, const ControllerTarget& target, TData& data,
                           const Console& console, CommandIo& io);

// A verify (or save and verify) as the command line ran it.
struct VerifyRun {
    ControllerVerify::Result Result;
    bool TraceComplete = true;  // false when the trace file could not be written to the end
};

// Reads everything back from the controller (after saving `data` to it, with
// `saveFirst`) and compares it with `data` for what travels.
VerifyRun RunControllerVerify(bool saveFirst, const ControllerTarget& target, TData& data,
                              const Console& console, CommandIo& io);

}  // namespace kelvane::cli
