#include "app/cli/ControllerTransfer.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <iostream>
#include <memory>

#include "app/cli/ConsolePrompts.h"
#include "app/cli/PortSession.h"
#include "app/cli/ProgressLine.h"
#include "core/ManualClock.h"
#include "core/SystemClock.h"
#include "panel-sim/DemoController.h"
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
                  ProgressLine& progress) {
    ManualClock clock;
    clock.SetLocalTime(SystemClock().LocalTime());  // for the time packet
    sim::DemoController controller(clock);
    sim::SimulatedPanelDevice& device = controller.Device();
    PortPaths paths;
    Document document;
    TransferSession session(device, clock, paths, data, document, prompts);
    session.Headless()->UploadTime = target.SendTime;
    progress.Follow(session.Status());
    session.DriveWith(clock, [&device] { device.Service(); }, kSimulatedStepMs);
    Start(session, direction);
    return session.RunDriven(kSimulatedLimitMs) == TransferSession::Outcome::Completed;
}

// A real serial device, in real time: the Qt event loop runs the port's poll
// timer and its data-ready notification until the transfer ends.
bool RunOnPort(TransferDirection direction, const ControllerTarget& target, TData& data, Prompts& prompts,
               ProgressLine& progress) {
    PortSession port(target.Port, data, prompts);
    TransferSession& session = port.Session();
    session.Headless()->UploadTime = target.SendTime;
    progress.Follow(session.Status());

    QEventLoop loop;
    session.OnEnded = [&loop](TransferSession::Outcome) { loop.quit(); };
    Start(session, direction);
    if (session.Running()) loop.exec();
    return session.Result() == TransferSession::Outcome::Completed;
}

}  // namespace

std::unique_ptr<QCoreApplication> MakeCoreApplication() {
    static int argc = 1;
    static char name[] = "kelvane-cli";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance()) return nullptr;
    return std::make_unique<QCoreApplication>(argc, argv);
}

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
    ProgressLine progress(io.err, console.Terminal);
    ConsolePrompts prompts(io.err, console.Answers);
    prompts.BeforeMessage = [&progress] { progress.End(); };
    const bool completed = target.Simulate ? RunSimulated(direction, target, data, prompts, progress)
                                           : RunOnPort(direction, target, data, prompts, progress);
    progress.End();
    return completed;
}

}  // namespace kelvane::cli
