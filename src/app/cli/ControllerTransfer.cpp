#include "app/cli/ControllerTransfer.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <iostream>
#include <memory>

#include "app/cli/ConsolePrompts.h"
#include "app/cli/ProgressLine.h"
#include "app/cli/TraceFile.h"
#include "comms/qt/QtPollTimer.h"
#include "comms/qt/QtSerialDevice.h"
#include "core/ManualClock.h"
#include "core/SystemClock.h"
#include "panel-sim/ControllerRecords.h"
#include "panel-sim/DemoSite.h"
#include "panel-sim/SimulatedPanelDevice.h"
#include "transfer/TransferSession.h"

namespace kelvane::cli {
namespace {

// The simulated controller's clock moves in these steps; a whole
// configuration takes under a minute of it and a few milliseconds of ours.
constexpr std::uint64_t kSimulatedStepMs = 10;
constexpr std::uint64_t kSimulatedLimitMs = 3'600'000;

void Start(TransferSession& session, TransferDirection direction) {
    if (direction == TransferDirection::Load) session.LoadAll();
    else session.SaveAll();
}

// The in-process simulated controller with the demo site, on a driven clock.
bool RunSimulated(TransferDirection direction, const ControllerTarget& target, TData& data, Prompts& prompts,
                  ProgressLine& progress, TraceFile* traceFile) {
    ManualClock clock;
    clock.SetLocalTime(SystemClock().LocalTime());  // for the time packet
    TData controller;
    sim::BuildDemoSite(controller);
    sim::ControllerRecords records(controller);
    sim::SimulatorOptions options;
    options.Version = controller.SiteConfig.MainVersion;
    sim::SimulatedPanelDevice device(clock, options, &records);
    PortPaths paths;
    Document document;
    TransferSession session(device, clock, paths, data, document, prompts);
    if (traceFile) traceFile->Follow(session.Trace());
    session.Headless()->UploadTime = target.SendTime;
    progress.Follow(session.Status());
    session.DriveWith(clock, [&device] { device.Service(); }, kSimulatedStepMs);
    Start(session, direction);
    return session.RunDriven(kSimulatedLimitMs) == TransferSession::Outcome::Completed;
}

// A real serial device, in real time: the Qt event loop runs the port's poll
// timer and its data-ready notification until the transfer ends.
bool RunOnPort(TransferDirection direction, const ControllerTarget& target, TData& data, Prompts& prompts,
               ProgressLine& progress, TraceFile* traceFile) {
    std::unique_ptr<QCoreApplication> application;
    static int argc = 1;
    static char name[] = "kelvane-cli";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) application = std::make_unique<QCoreApplication>(argc, argv);

    SystemClock clock;
    QtSerialDevice device;
    PortPaths paths;
    paths.SetOverride(target.Port);
    Document document;
    TransferSession session(device, clock, paths, data, document, prompts);
    if (traceFile) traceFile->Follow(session.Trace());
    session.Headless()->UploadTime = target.SendTime;
    progress.Follow(session.Status());
    TPanelComms& comms = session.Comms();
    QtPollTimer pollTimer([&comms] { comms.Port().PollTick(); });
    comms.Port().SetPollTimer(&pollTimer);
    comms.ProcessPendingEvents = [] { ProcessPendingEvents(); };

    QEventLoop loop;
    session.OnEnded = [&loop](TransferSession::Outcome) { loop.quit(); };
    Start(session, direction);
    if (session.Running()) loop.exec();
    comms.Close();
    comms.Port().SetPollTimer(nullptr);
    return session.Result() == TransferSession::Outcome::Completed;
}

}  // namespace

Console DetectConsole() {
    Console console;
    console.Terminal = ::isatty(STDERR_FILENO) == 1;
    if (console.Terminal && ::isatty(STDIN_FILENO) == 1) console.Answers = &std::cin;
    return console;
}

bool ParseTransferArguments(const std::vector<std::string>& arguments, bool timeAllowed, ControllerTarget& target,
                            std::string& file, std::string& error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--port") {
            if (i + 1 >= arguments.size()) {
                error = "--port needs a device";
                return false;
            }
            target.Port = arguments[++i];
        } else if (argument == "--trace") {
            if (i + 1 >= arguments.size()) {
                error = "--trace needs a file";
                return false;
            }
            target.TraceFile = arguments[++i];
        } else if (argument == "--simulate") {
            target.Simulate = true;
        } else if (argument == "--time" && timeAllowed) {
            target.SendTime = true;
        } else if (argument.size() > 1 && argument[0] == '-') {
            error = "unknown option " + argument;
            return false;
        } else if (file.empty()) {
            file = argument;
        } else {
            error = "one file only";
            return false;
        }
    }
    if (file.empty()) error = "a file is needed";
    else if (target.Simulate == !target.Port.empty()) error = "give either --port DEVICE or --simulate";
    return error.empty();
}

bool RunControllerTransfer(TransferDirection direction, const ControllerTarget& target, TData& data,
                           const Console& console, CommandIo& io) {
    TraceFile traceFile;
    const bool tracing = !target.TraceFile.empty();
    if (tracing && !traceFile.Open(target.TraceFile, SystemClock().LocalTime())) {
        io.err << "Unable to write to " << target.TraceFile << "\n";
        return false;
    }
    ProgressLine progress(io.err, console.Terminal);
    ConsolePrompts prompts(io.err, console.Answers);
    prompts.BeforeMessage = [&progress] { progress.End(); };
    TraceFile* trace = tracing ? &traceFile : nullptr;
    const bool completed = target.Simulate ? RunSimulated(direction, target, data, prompts, progress, trace)
                                           : RunOnPort(direction, target, data, prompts, progress, trace);
    progress.End();
    if (tracing && !traceFile.Close()) io.err << "Unable to write to " << target.TraceFile << "\n";
    return completed;
}

}  // namespace kelvane::cli
