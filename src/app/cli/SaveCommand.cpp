#include "app/cli/DifferenceReport.h"
#include "app/cli/SiteFiles.h"
#include "app/cli/TransferCommands.h"

namespace kelvane::cli {
namespace {

class SaveCommand : public TransferCommand {
public:
    using TransferCommand::TransferCommand;

    std::string Name() const override { return "save"; }
    std::string Synopsis() const override {
        return "save FILE.KCF (--port DEVICE | --simulate) [--time] [--verify] [--trace FILE]";
    }
    std::string Summary() const override { return "save the whole configuration to the Network Controller"; }
    std::string Help() const override {
        return std::string(
                   "Usage: kelvane-cli save FILE.KCF --port DEVICE [--time] [--verify] [--trace FILE]\n"
                   "       kelvane-cli save FILE.KCF --simulate [--time] [--verify] [--corrupt-store RATE]\n"
                   "                                 [--trace FILE]\n"
                   "Saves the whole configuration in FILE.KCF to the Network Controller on the\n"
                   "serial device DEVICE: devices 1 to 255, the zones the controller has, the\n"
                   "groups, the site settings and the custom place names. The NVM program link\n"
                   "must be fitted in the controller. --time also sets the controller's clock\n"
                   "to this computer's date and time. --simulate saves to the built-in\n"
                   "simulated controller (and forgets it); --corrupt-store makes it store that\n"
                   "share of the records wrongly or not at all.\n"
                   "--verify then reads everything back from the controller and compares it\n"
                   "with FILE.KCF for what travels; every field that differs is printed on\n"
                   "standard output as \"section record field: file-value -> controller-value\".\n"
                   "On a terminal a progress line is shown and the controller's questions\n"
                   "(NVM program link not fitted) can be answered; otherwise they are answered\n"
                   "Abort. Messages go to standard error. Records acknowledged before a\n"
                   "failure stay written in the controller.\n") +
               kTraceOptionHelp +
               "Exit status: 0 saved (and the controller holds it), 1 FILE.KCF cannot be\n"
               "read, 2 not a Kelvane Programming Tools file, 3 the save or the read-back\n"
               "did not complete (or the trace file cannot be written), 4 the controller\n"
               "does not hold what was saved, 64 wrong command line.\n";
    }

    int Run(const std::vector<std::string>& arguments, CommandIo& io) override {
        ControllerTarget target;
        std::string file;
        if (!ParseArguments(arguments, {.Time = true, .Verify = true}, target, file, io)) return kExitUsage;
        TData data;
        if (const int code = ReadSite(file, data, io.err); code != kExitOk) return code;
        if (target.Verify)
            return ReportVerify(RunControllerVerify(true, target, data, console_, io), file, io);
        const bool saved = RunControllerTransfer(TransferDirection::Save, target, data, console_, io);
        return saved ? kExitOk : kExitTransferFailed;
    }
};

}  // namespace

std::unique_ptr<Command> MakeSaveCommand(Console console) {
    return std::make_unique<SaveCommand>(console);
}

}  // namespace kelvane::cli
