#include "app/cli/SiteFiles.h"
#include "app/cli/TransferCommands.h"

namespace kelvane::cli {
namespace {

class SaveCommand : public Command {
public:
    explicit SaveCommand(Console console) : console_(console) {}

    std::string Name() const override { return "save"; }
    std::string Synopsis() const override {
        return "save FILE.KCF (--port DEVICE | --simulate) [--time] [--trace FILE]";
    }
    std::string Summary() const override { return "save the whole configuration to the Network Controller"; }
    std::string Help() const override {
        return std::string(
                   "Usage: kelvane-cli save FILE.KCF --port DEVICE [--time] [--trace FILE]\n"
                   "       kelvane-cli save FILE.KCF --simulate [--time] [--trace FILE]\n"
                   "Saves the whole configuration in FILE.KCF to the Network Controller on the\n"
                   "serial device DEVICE: devices 1 to 255, the zones the controller has, the\n"
                   "groups, the site settings and the custom place names. The NVM program link\n"
                   "must be fitted in the controller. --time also sets the controller's clock\n"
                   "to this computer's date and time. --simulate saves to the built-in\n"
                   "simulated controller (and forgets it).\n"
                   "On a terminal a progress line is shown and the controller's questions\n"
                   "(NVM program link not fitted) can be answered; otherwise they are answered\n"
                   "Abort. Messages go to standard error. Records acknowledged before a\n"
                   "failure stay written in the controller.\n") +
               kTraceOptionHelp +
               "Exit status: 0 saved, 1 FILE.KCF cannot be read, 2 not a Kelvane\n"
               "Programming Tools file, 3 the save did not complete (or the trace file\n"
               "cannot be written), 64 wrong command line.\n";
    }

    int Run(const std::vector<std::string>& arguments, CommandIo& io) override {
        ControllerTarget target;
        std::string file;
        std::string error;
        if (!ParseTransferArguments(arguments, true, target, file, error)) {
            io.err << "kelvane-cli save: " << error << "\nUsage: kelvane-cli " << Synopsis()
                   << " (see kelvane-cli save --help)\n";
            return kExitUsage;
        }
        TData data;
        if (const int code = ReadSite(file, data, io.err); code != kExitOk) return code;
        return RunControllerTransfer(TransferDirection::Save, target, data, console_, io) ? kExitOk
                                                                                           : kExitTransferFailed;
    }

private:
    Console console_;
};

}  // namespace

std::unique_ptr<Command> MakeSaveCommand(Console console) { return std::make_unique<SaveCommand>(console); }

}  // namespace kelvane::cli
