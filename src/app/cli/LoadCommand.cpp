#include "app/cli/Cli.h"
#include "app/cli/SiteFiles.h"
#include "app/cli/TransferCommands.h"

namespace kelvane::cli {
namespace {

class LoadCommand : public TransferCommand {
public:
    using TransferCommand::TransferCommand;

    std::string Name() const override { return "load"; }
    std::string Synopsis() const override {
        return "load (--port DEVICE | --simulate) [--trace FILE] OUT.KCF";
    }
    std::string Summary() const override {
        return "load the whole configuration from the Network Controller";
    }
    std::string Help() const override {
        return std::string(
                   "Usage: kelvane-cli load --port DEVICE [--trace FILE] OUT.KCF\n"
                   "       kelvane-cli load --simulate [--trace FILE] OUT.KCF\n"
                   "Loads the whole configuration held by the Network Controller on the serial\n"
                   "device DEVICE (devices, zones, groups, site settings and custom place\n"
                   "names) and writes it to OUT.KCF with its comments file. Everything the\n"
                   "controller does not hold (repeaters, client and installer details,\n"
                   "comments) is that of a new document. --simulate loads from the built-in\n"
                   "simulated controller, which holds a demo site.\n"
                   "On a terminal a progress line is shown and the controller's questions\n"
                   "(NVM program link not fitted) can be answered; otherwise they are answered\n"
                   "Abort. Messages go to standard error. OUT.KCF is written only when the\n"
                   "whole load completed.\n") +
               kTraceOptionHelp +
               "Exit status: 0 loaded and written, 1 OUT.KCF cannot be written, 3 the load\n"
               "did not complete (or the trace file cannot be written), 64 wrong command line.\n";
    }

    int Run(const std::vector<std::string>& arguments, CommandIo& io) override {
        ControllerTarget target;
        std::string file;
        if (!ParseArguments(arguments, {}, target, file, io)) return kExitUsage;
        TData data;
        data.ResetToDefaults();
        if (!RunControllerTransfer(TransferDirection::Load, target, data, console_, io))
            return kExitTransferFailed;
        return WriteSite(file, data, io.err);
    }
};

}  // namespace

std::unique_ptr<Command> MakeLoadCommand(Console console) {
    return std::make_unique<LoadCommand>(console);
}

void AddTransferCommands(Cli& cli, const Console& console) {
    cli.Add(MakeLoadCommand(console));
    cli.Add(MakeSaveCommand(console));
    cli.Add(MakeVerifyCommand(console));
}

}  // namespace kelvane::cli
