#include "app/cli/EventLogWatch.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <ctime>
#include <memory>
#include <thread>

#include "app/cli/ConsolePrompts.h"
#include "app/cli/PortSession.h"
#include "app/cli/TraceFile.h"
#include "core/ManualClock.h"
#include "core/SystemClock.h"
#include "sim/DemoController.h"
#include "transfer/TransferSession.h"

namespace kelvane::cli {
namespace {

constexpr std::uint64_t kStepMs = 10;
constexpr int kStopCheckMs = 50;

volatile std::sig_atomic_t interrupted = 0;

void Interrupt(int) {
    interrupted = 1;
}

// Ctrl+C ends the watch instead of the program while one runs.
class InterruptCatcher {
public:
    InterruptCatcher() : previous_(std::signal(SIGINT, Interrupt)) { interrupted = 0; }
    ~InterruptCatcher() { std::signal(SIGINT, previous_); }
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;
    bool Interrupted() const { return interrupted != 0; }

private:
    void (*previous_)(int);
};

// The link of one session on event log reception: its lines go to the
// output as they come and are kept.
class Listener {
public:
    Listener(TransferSession& session, CommandIo& io) : session_(session), io_(io) {
        session_.Headless()->Listening = true;
        session_.Headless()->OnEventLogLine = [this](const std::string& line) {
            lines_.push_back(line);
            io_.out << io_.text.Text(line) << "\n";
            io_.out.flush();
        };
    }
    ~Listener() { session_.Headless()->OnEventLogLine = nullptr; }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    // The port reopened plain, text-only reception.
    bool Start() {
        session_.Supervisor().ListenToEventLog();
        return session_.Comms().Connected();
    }
    void KeepAlive() { session_.Supervisor().Timer2Timer(); }
    std::vector<std::string> TakeLines() { return std::move(lines_); }

private:
    TransferSession& session_;
    CommandIo& io_;
    std::vector<std::string> lines_;
};

std::tm LocalTimeAt(std::time_t start, std::uint64_t elapsedMs) {
    const std::time_t now = start + static_cast<std::time_t>(elapsedMs / 1000);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

// The simulated controller on a driven clock: paced by the wall clock, or
// at once when the watch has a length.
std::vector<std::string> WatchSimulated(const EventLogWatch& watch, TraceFile& traceFile, CommandIo& io) {
    ManualClock clock;
    const std::time_t start = std::time(nullptr);
    clock.SetLocalTime(LocalTimeAt(start, 0));
    sim::DemoController controller(clock);
    sim::SimulatedPanelDevice& device = controller.Device();
    if (watch.Printout) controller.EventLog().RequestPrintout();

    TData data;
    Document document;
    PortPaths paths;
    ConsolePrompts prompts(io.err, nullptr);
    TransferSession session(device, clock, paths, data, document, prompts);
    traceFile.Follow(session.Trace());
    session.DriveWith(
        clock, [&device] { device.Service(); }, kStepMs);
    Listener listener(session, io);
    listener.Start();

    InterruptCatcher catcher;
    const std::uint64_t limitMs = watch.Seconds ? std::uint64_t{*watch.Seconds} * 1000 : UINT64_MAX;
    const auto wallStart = std::chrono::steady_clock::now();
    std::uint64_t nextKeepAliveMs = 0;
    for (std::uint64_t elapsed = 0; elapsed < limitMs && !catcher.Interrupted(); elapsed += kStepMs) {
        if (elapsed >= nextKeepAliveMs) {
            listener.KeepAlive();
            nextKeepAliveMs += TransferSupervisor::kTimer2PeriodMs;
        }
        session.Step();
        clock.SetLocalTime(LocalTimeAt(start, elapsed));
        if (!watch.Seconds) std::this_thread::sleep_until(wallStart + std::chrono::milliseconds(elapsed));
    }
    return listener.TakeLines();
}

// A real serial device in real time, on the Qt event loop.
std::vector<std::string> WatchPort(const EventLogWatch& watch, TraceFile& traceFile, CommandIo& io,
                                   WatchResult& result) {
    TData data;
    ConsolePrompts prompts(io.err, nullptr);
    PortSession port(watch.Port, data, prompts);
    TransferSession& session = port.Session();
    traceFile.Follow(session.Trace());
    const SystemClock& clock = port.Clock();
    Listener listener(session, io);
    result.Opened = listener.Start();
    if (!result.Opened) {
        io.err << session.Comms().Port().OpenErrorText() << "\n";
    } else {
        InterruptCatcher catcher;
        QEventLoop loop;
        QTimer keepAlive;
        keepAlive.setInterval(TransferSupervisor::kTimer2PeriodMs);
        QObject::connect(&keepAlive, &QTimer::timeout, &loop, [&listener] { listener.KeepAlive(); });
        QTimer stopCheck;
        stopCheck.setInterval(kStopCheckMs);
        const std::uint64_t startMs = clock.NowMs();
        QObject::connect(&stopCheck, &QTimer::timeout, &loop, [&] {
            const bool over =
                watch.Seconds && clock.NowMs() - startMs >= std::uint64_t{*watch.Seconds} * 1000;
            if (catcher.Interrupted() || over) loop.quit();
        });
        session.Supervisor().OnPortGone = [&] {
            io.err << PortGoneText(session.Comms().Port().DevicePath()) << "\n";
            result.PortGone = true;
            loop.quit();
        };
        listener.KeepAlive();
        keepAlive.start();
        stopCheck.start();
        loop.exec();
        session.Supervisor().OnPortGone = nullptr;
    }
    return listener.TakeLines();
}

}  // namespace

WatchResult WatchEventLog(const EventLogWatch& watch, CommandIo& io) {
    WatchResult result;
    TraceFile traceFile;
    result.Opened = traceFile.Open(watch.TraceFile, io.err);
    if (!result.Opened) return result;
    result.Lines =
        watch.Simulate ? WatchSimulated(watch, traceFile, io) : WatchPort(watch, traceFile, io, result);
    result.TraceComplete = traceFile.Close(io.err);
    return result;
}

}  // namespace kelvane::cli
