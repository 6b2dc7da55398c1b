#include "app/cli/ControllerTransfer.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <iostream>
#include <memory>

#include "app/cli/ConsolePrompts.h"
#include "app/cli/PortSession.h"
#include "app/cli/ProgressLine.h"
#include "app/cli/TraceFile.h"
#include "core/ManualClock.h"
#include "core/SystemClock.h"
#include "sim/DemoController.h"
#include "transfer/TransferSession.h"

namespace kelvane::cli {
namespace {

// The simulated controller's clock moves in these steps; a whole
// configuration takes under a minute of it and a few milliseconds of ours.
constexpr std::uint64_t kSimulatedStepMs = 10;
constexpr std::uint64_t kSimulatedLimitMs = 3'600'000;
// How often the event loop looks whether the work on a real port is done.
constexpr int kFinishedCheckMs = 5;

// How many zones the controller of `session` has, as its version answer
// told the model it went into: a read-back's own, or else the open site.
std::function<int()> ZoneLimitOf(TransferSession& session, const TData& data) {
    return [&session, &data] {
        const TData& readBack = session.ReadBackSite();
        const bool readingBack = readBack.SiteConfig.MainVersion != kVersionNotAvailable;
        return (readingBack ? readBack : data).SiteConfig.ZoneLimit();
    };
}

// The in-process simulated controller with the demo site, on a driven clock.
void RunSimulated(const ControllerTarget& target, TData& data, Prompts& prompts, ProgressLine& progress,
                  TraceFile& traceFile, const SessionWork& work) {
    ManualClock clock;
    clock.SetLocalTime(SystemClock().LocalTime());  // for the time packet
    sim::DemoController controller(clock, target.CorruptStoreRate);
    sim::SimulatedPanelDevice& device = controller.Device();
    PortPaths paths;
    Document document;
    TransferSession session(device, clock, paths, data, document, prompts);
    traceFile.Follow(session.Trace());
    session.Headless()->UploadTime = target.SendTime;
    progress.Follow(session.Status(), ZoneLimitOf(session, data));
    session.DriveWith(
        clock, [&device] { device.Service(); }, kSimulatedStepMs);
    work(session, [&session](const std::function<bool()>& finished) {
        for (std::uint64_t spent = 0; !finished() && spent < kSimulatedLimitMs; spent += kSimulatedStepMs)
            session.Step();
    });
}

// A real serial device, in real time: the Qt event loop runs the port's poll
// timer and its data-ready notification until the work is done.
void RunOnPort(const ControllerTarget& target, TData& data, Prompts& prompts, ProgressLine& progress,
               TraceFile& traceFile, const SessionWork& work) {
    PortSession port(target.Port, data, prompts);
    TransferSession& session = port.Session();
    traceFile.Follow(session.Trace());
    session.Headless()->UploadTime = target.SendTime;
    progress.Follow(session.Status(), ZoneLimitOf(session, data));

    work(session, [](const std::function<bool()>& finished) {
        QEventLoop loop;
        QTimer check;
        QObject::connect(&check, &QTimer::timeout, &loop, [&] {
            if (finished()) loop.quit();
        });
        check.start(kFinishedCheckMs);
        if (!finished()) loop.exec();
    });
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

bool ParseTransferArguments(const std::vector<std::string>& arguments, SaveOptions allowed,
                            ControllerTarget& target, std::string& file, std::string& error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool takesValue = argument == "--port" || argument == "--corrupt-store";
        if (takesValue && i + 1 >= arguments.size()) {
            error = argument + (argument == "--port" ? " needs a device" : " needs a rate from 0 to 1");
            return false;
        }
        if (argument == "--port") {
            target.Port = arguments[++i];
        } else if (argument == "--corrupt-store") {
            const std::string& rate = arguments[++i];
            std::size_t used = 0;
            try {
                target.CorruptStoreRate = std::stod(rate, &used);
            } catch (const std::exception&) {
                used = 0;
            }
            if (used == 0 || used != rate.size() ||
                !(target.CorruptStoreRate >= 0.0 && target.CorruptStoreRate <= 1.0)) {
                error = "--corrupt-store needs a rate from 0 to 1";
                return false;
            }
        } else if (argument == "--trace") {
            if (i + 1 >= arguments.size()) {
                error = "--trace needs a file";
                return false;
            }
            target.TraceFile = arguments[++i];
        } else if (argument == "--simulate") {
            target.Simulate = true;
        } else if (argument == "--time" && allowed.Time) {
            target.SendTime = true;
        } else if (argument == "--verify" && allowed.Verify) {
            target.Verify = true;
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
    if (file.empty())
        error = "a file is needed";
    else if (target.Simulate == !target.Port.empty())
        error = "give either --port DEVICE or --simulate";
    else if (target.CorruptStoreRate > 0.0 && !target.Simulate)
        error = "--corrupt-store needs --simulate";
    return error.empty();
}

bool RunOnController(const ControllerTarget& target, TData& data, const Console& console, CommandIo& io,
                     const SessionWork& work) {
    TraceFile traceFile;
    if (!traceFile.Open(target.TraceFile, io.err)) return false;
    ProgressLine progress(io.err, console.Terminal);
    ConsolePrompts prompts(io.err, console.Answers);
    prompts.BeforeMessage = [&progress] { progress.End(); };
    if (target.Simulate)
        RunSimulated(target, data, prompts, progress, traceFile, work);
    else
        RunOnPort(target, data, prompts, progress, traceFile, work);
    progress.End();
    return traceFile.Close(io.err);
}

bool RunControllerTransfer(TransferDirection direction, const ControllerTarget& target, TData& data,
                           const Console& console, CommandIo& io) {
    bool completed = false;
    const bool traced =
        RunOnController(target, data, console, io, [&](TransferSession& session, const RunUntil& runUntil) {
            if (direction == TransferDirection::Load)
                session.LoadAll();
            else
                session.SaveAll();
            runUntil([&session] { return !session.Running(); });
            completed = session.Result() == TransferSession::Outcome::Completed;
        });
    return completed && traced;
}

VerifyRun RunControllerVerify(bool saveFirst, const ControllerTarget& target, TData& data,
                              const Console& console, CommandIo& io) {
    VerifyRun run;
    ControllerVerify::Result& result = run.Result;
    run.TraceComplete =
        RunOnController(target, data, console, io, [&](TransferSession& session, const RunUntil& runUntil) {
            ControllerVerify verify(session, data);
            bool finished = false;
            verify.OnFinished = [&](const ControllerVerify::Result& outcome) {
                result = outcome;
                finished = true;
            };
            if (saveFirst)
                verify.SaveAndVerify();
            else
                verify.Verify();
            runUntil([&finished] { return finished; });
        });
    return run;
}

}  // namespace kelvane::cli
