#include "app/cli/ControllerTransfer.h"
#include "app/cli/EventLogCommands.h"
#include "app/cli/EventLogWatch.h"
#include "app/cli/TraceFile.h"
#include "log/LogFile.h"

namespace kelvane::cli {
namespace {

class LogCommand : public Command {
public:
    std::string Name() const override { return "log"; }
    std::string Synopsis() const override {
        return "log (--port DEVICE | --simulate [--printout]) [-o FILE.log] [--trace FILE]";
    }
    std::string Summary() const override { return "show the Network Controller's event log as it arrives"; }
    std::string Help() const override {
        return std::string(
                   "Usage: kelvane-cli log --port DEVICE [-o FILE.log] [--seconds N] [--trace FILE]\n"
                   "       kelvane-cli log --simulate [--printout] [-o FILE.log] [--seconds N]\n"
                   "                       [--trace FILE]\n"
                   "Listens to the Network Controller on the serial device DEVICE as the View\n"
                   "Event Log tab does (the port reopened without parity, text only, the event\n"
                   "log keep-alive every 2 seconds) and writes every line the controller sends\n"
                   "to standard output as it arrives, until Ctrl+C or, with --seconds, until N\n"
                   "seconds have passed. -o FILE.log then saves the lines as an event log file\n"
                   "(rich text, as Save Log to Disk writes it), which kelvane-cli convert and\n"
                   "the desktop program read.\n"
                   "--simulate listens to the built-in simulated controller with the demo site:\n"
                   "it prints a call, accept, reset, fault or door event every few seconds, and\n"
                   "with --printout first its whole configuration printout. With --seconds the\n"
                   "simulated controller's N seconds pass at once.\n") +
               kTraceOptionHelp +
               "Exit status: 0 done, 1 the port cannot be opened or FILE.log or the trace\n"
               "file cannot be written, 3 the serial device went away (the lines received\n"
               "until then are still saved), 64 wrong command line.\n";
    }

    int Run(const std::vector<std::string>& arguments, CommandIo& io) override {
        EventLogWatch watch;
        std::string output;
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            const std::string& argument = arguments[i];
            const bool hasValue = i + 1 < arguments.size();
            if (argument == "--simulate") {
                watch.Simulate = true;
            } else if (argument == "--printout") {
                watch.Printout = true;
            } else if (argument == "--port" && hasValue) {
                watch.Port = arguments[++i];
            } else if (argument == "-o" && hasValue) {
                output = arguments[++i];
            } else if (argument == "--trace" && hasValue) {
                watch.TraceFile = arguments[++i];
            } else if (argument == "--seconds" && hasValue) {
                const std::string& text = arguments[++i];
                if (text.empty() || text.size() > 9 ||
                    text.find_first_not_of("0123456789") != std::string::npos)
                    return UsageError("--seconds takes a whole number of seconds", io);
                watch.Seconds = static_cast<std::uint32_t>(std::stoul(text));
            } else if (argument == "--port" || argument == "-o" || argument == "--seconds" ||
                       argument == "--trace") {
                return UsageError(argument + " needs a value", io);
            } else {
                return UsageError(
                    argument[0] == '-' ? "unknown option " + argument : "unexpected argument " + argument,
                    io);
            }
        }
        if (watch.Simulate == !watch.Port.empty())
            return UsageError("give either --port DEVICE or --simulate", io);
        if (watch.Printout && !watch.Simulate) return UsageError("--printout goes with --simulate", io);

        const WatchResult watched = WatchEventLog(watch, io);
        if (!watched.Opened) return kExitFailure;
        if (!output.empty()) {
            std::string error;
            if (!WriteLogFile(output, watched.Lines, error)) {
                io.err << error << "\n";
                return kExitFailure;
            }
            io.err << watched.Lines.size() << " lines saved to " << output << "\n";
        }
        if (watched.PortGone) return kExitTransferFailed;
        return watched.TraceComplete ? kExitOk : kExitFailure;
    }
};

}  // namespace

std::unique_ptr<Command> MakeLogCommand() {
    return std::make_unique<LogCommand>();
}

}  // namespace kelvane::cli
