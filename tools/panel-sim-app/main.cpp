// kelvane-panel-sim: a simulated Network Controller on a pseudo-terminal.
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>

#include "core/SystemClock.h"
#include "sim/EventLogTalker.h"
#include "sim/PanelSimulator.h"
#include "sim/PtyPort.h"
#include "sim/SiteStore.h"
#include "sim/StoreFaults.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t printoutRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}
void RequestPrintout(int) {
    printoutRequested = 1;
}

// The terminal's input, read only while this program is in the terminal's
// foreground (a background job that reads it would be stopped).
class TerminalCommands {
public:
    bool Watching() const {
        return open_ && ::isatty(STDIN_FILENO) == 1 && ::tcgetpgrp(STDIN_FILENO) == ::getpgrp();
    }

    // Reads what was typed; true when a line asks for the printout ("p").
    bool PrintoutAsked() {
        char buffer[256];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            open_ = count < 0 && errno == EINTR;
            return false;
        }
        bool asked = false;
        for (ssize_t i = 0; i < count; ++i) {
            const char c = buffer[i];
            if (c == '\n') {
                asked = asked || line_ == "p" || line_ == "P";
                line_.clear();
            } else if (line_.size() < 16) {
                line_ += c;
            }
        }
        return asked;
    }

private:
    bool open_ = true;
    std::string line_;
};

const char* const kHelp = R"(Usage: kelvane-panel-sim [options]

A simulated Kelvane Network Controller. It creates a pseudo-terminal, prints
its device path, and answers the programming tool on it until interrupted
(Ctrl+C). Point the tool at the printed path (Settings > Select Serial Port,
or kelvane-tools --port PATH).

What it answers:
  "A"  handshake and keep-alive: the frame "A", 0, "A".
  "B"  NVM-link query: payload 1 when the link is fitted, 0 when not.
  "\"  version query: the five version characters (payload bytes 1 to 5).
  "V"  the event log keep-alive: no answer. The controller keeps printing its
       log as events happen; a framed answer would only land in the log text.
  Every load request is answered from the controller's configuration memory
  and every save packet is written into it (a packet out of range is NAKed).
  A frame with a bad checksum is answered with NAK; bytes that do not form a
  frame in the controller's link mode are ignored, as is a frame that stalls
  for more than 500 ms.

Event log:
  While the tool listens on its View Event Log tab (it sends "V" every two
  seconds there), the controller prints an event line every few seconds: a
  call, accept, reset, fault or door event with its time and place. Lines end
  with LF CR. Type p and Enter on this terminal, or send the signal SIGUSR1
  (kill -USR1 PID), and it prints its whole configuration in the layout that
  Convert reads (device, group and zone sections); a printout asked for while
  the tool is not listening starts once it listens.

Options:
  --mode N            link mode the controller listens in (default 1). A
                      pseudo-terminal carries no parity, so only mode 1 is
                      possible here; modes 2 and 3 are simulated in process.
  --version TEXT      the five-character version answered (default: that of
                      the site; 08A00 and later give 64 zones, earlier ones 32).
  --nvm-not-fitted    answer the NVM-link query with "not fitted".
  --drop RATE         share of answers never sent (0..1, default 0).
  --corrupt RATE      share of answers with a bit of their last byte flipped.
  --nak RATE          share of answers replaced by NAK.
  --delay RATE        share of answers sent late (see --delay-ms); the
                      controller is busy meanwhile, so the answers after a
                      late one wait for it (answers keep their order).
  --delay-ms MS       how late a delayed answer is (default 5000, beyond the
                      tool's 4 s reply time-out).
  --corrupt-store RATE
                      share of the device, zone, group and custom name
                      packets that are acknowledged but stored wrongly or not
                      at all (0..1, default 0): a verify after saving finds
                      them.
  --seed N            seed of the fault and event generators (default 1): the
                      same seed gives the same faults for the same traffic,
                      and the same events.
  --silent            hear everything, answer nothing.
  --turnaround MS     time from a request to its answer (default 20).
  --site FILE.KCF     the site configuration the controller starts with
                      (default: a demo site, Rowan House).
  --store FILE.KCF    write the controller's configuration to this file once
                      the tool has saved to it and gone quiet for a second,
                      and when the simulator ends.
  --verbose           print every frame heard and every answer.
  --help              this text.
)";

bool ParseRate(const char* text, double& rate) {
    char* end = nullptr;
    rate = std::strtod(text, &end);
    return end && *end == '\0' && rate >= 0.0 && rate <= 1.0;
}

bool ParseUnsigned(const char* text, std::uint32_t& value) {
    char* end = nullptr;
    const unsigned long parsed = std::strtoul(text, &end, 10);
    value = static_cast<std::uint32_t>(parsed);
    return end && *end == '\0' && text[0] != '-';
}

struct CommandLine {
    kelvane::sim::SimulatorOptions Simulator;
    std::string SiteFile;
    std::string StoreFile;
    double CorruptStoreRate = 0.0;
    bool VersionGiven = false;
    bool Verbose = false;
    bool Help = false;
};

// False with a message on a bad option.
bool Parse(int argc, char** argv, CommandLine& line, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc) return nullptr;
            return argv[++i];
        };
        auto& sim = line.Simulator;
        bool ok = true;
        if (option == "--help" || option == "-h")
            line.Help = true;
        else if (option == "--nvm-not-fitted")
            sim.NvmFitted = false;
        else if (option == "--silent")
            sim.Silent = true;
        else if (option == "--verbose")
            line.Verbose = true;
        else {
            const char* text = value();
            if (!text) {
                error = option + " needs a value";
                return false;
            }
            std::uint32_t number = 0;
            if (option == "--mode") {
                ok = ParseUnsigned(text, number) && number == 1;
                if (!ok) {
                    error = "a pseudo-terminal carries no parity: only --mode 1 is possible here";
                    return false;
                }
                sim.LinkMode = 1;
            } else if (option == "--version") {
                sim.Version = text;
                line.VersionGiven = true;
                ok = sim.Version.size() == 5;
            } else if (option == "--drop")
                ok = ParseRate(text, sim.DropRate);
            else if (option == "--corrupt")
                ok = ParseRate(text, sim.CorruptRate);
            else if (option == "--nak")
                ok = ParseRate(text, sim.NakRate);
            else if (option == "--delay")
                ok = ParseRate(text, sim.DelayRate);
            else if (option == "--corrupt-store")
                ok = ParseRate(text, line.CorruptStoreRate);
            else if (option == "--delay-ms")
                ok = ParseUnsigned(text, sim.DelayMs);
            else if (option == "--seed")
                ok = ParseUnsigned(text, sim.Seed);
            else if (option == "--turnaround")
                ok = ParseUnsigned(text, sim.TurnaroundMs);
            else if (option == "--site")
                line.SiteFile = text;
            else if (option == "--store")
                line.StoreFile = text;
            else {
                error = "unknown option " + option;
                return false;
            }
            if (!ok) {
                error = "bad value for " + option + ": " + text;
                return false;
            }
        }
    }
    return true;
}

// The controller's configuration memory: the --site file or the demo site,
// written to --store. The version answered and the one the memory holds
// (which decides its zones) are the same.
bool OpenRecordStore(CommandLine& line, kelvane::sim::SiteStore& store, std::string& error) {
    if (!store.Load(line.SiteFile, error)) return false;
    store.SetStoreFile(line.StoreFile);
    std::string& version = store.Site().SiteConfig.MainVersion;
    if (line.VersionGiven || version.size() != 5)
        version = line.Simulator.Version;
    else
        line.Simulator.Version = version;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    CommandLine line;
    std::string error;
    if (!Parse(argc, argv, line, error)) {
        std::cerr << "kelvane-panel-sim: " << error << "\n(try --help)\n";
        return 2;
    }
    if (line.Help) {
        std::cout << kHelp;
        return 0;
    }
    kelvane::SystemClock clock;
    kelvane::sim::SiteStore store(clock);
    if (!OpenRecordStore(line, store, error)) {
        std::cerr << "kelvane-panel-sim: " << error << "\n";
        return 2;
    }

    kelvane::sim::PtyPort pty;
    if (!pty.Create()) {
        std::cerr << "kelvane-panel-sim: " << pty.Error() << "\n";
        return 1;
    }
    kelvane::sim::StoreFaults faults(store, line.CorruptStoreRate, line.Simulator.Seed);
    kelvane::sim::PanelSimulator simulator(pty, clock, line.Simulator, &faults);
    kelvane::sim::EventLogTalker::Options events;
    events.Seed = line.Simulator.Seed;
    kelvane::sim::EventLogTalker eventLog(store.Site(), clock, events);
    simulator.SetEventLog(&eventLog);
    auto trace = [](const std::string& text) { std::cout << text << std::endl; };
    if (line.Verbose) {
        simulator.OnTrace = trace;
        faults.OnTrace = trace;
    }
    eventLog.OnTrace = [&line, trace](const std::string& text) {
        // What was asked for is always confirmed; the events only when verbose.
        if (line.Verbose || text.rfind("print", 0) == 0) trace(text);
    };

    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    std::signal(SIGUSR1, RequestPrintout);
    std::cout << pty.SlavePath() << std::endl;

    TerminalCommands terminal;
    while (!stopRequested) {
        pollfd watch[2] = {{pty.MasterFd(), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        const bool typing = terminal.Watching();
        ::poll(watch, typing ? 2 : 1, 5);
        if (typing && (watch[1].revents & (POLLIN | POLLHUP)) && terminal.PrintoutAsked())
            printoutRequested = 1;
        if (printoutRequested) {
            printoutRequested = 0;
            eventLog.RequestPrintout();
        }
        simulator.Service();
        if (!store.WriteIfSettled(error)) std::cerr << "kelvane-panel-sim: " << error << std::endl;
    }
    if (!store.Flush(error)) std::cerr << "kelvane-panel-sim: " << error << std::endl;
    const auto& counts = simulator.Statistics();
    std::cout << "frames " << counts.Frames << ", handshakes " << counts.Handshakes << ", bad checksums "
              << counts.BadChecksums << ", NAKs " << counts.Naked << ", dropped " << counts.Dropped
              << ", corrupted " << counts.Corrupted << ", delayed " << counts.Delayed
              << ", records stored wrongly or not at all " << faults.Faults().size() << std::endl;
    return 0;
}
