#include "app/cli/DifferenceReport.h"
#include "app/cli/SiteFiles.h"
#include "app/cli/TransferCommands.h"

namespace kelvane::cli {
namespace {

class VerifyCommand : public TransferCommand {
public:
    using TransferCommand::TransferCommand;

    std::string Name() const override { return "verify"; }
    std::string Synopsis() const override {
        return "verify FILE.KCF (--port DEVICE | --simulate) [--trace FILE]";
    }
    std::string Summary() const override {
        return "compare a configuration file with the Network Controller";
    }
    std::string Help() const override {
        return std::string(
                   "Usage: kelvane-cli verify FILE.KCF --port DEVICE [--trace FILE]\n"
                   "       kelvane-cli verify FILE.KCF --simulate [--corrupt-store RATE]\n"
                   "                          [--trace FILE]\n"
                   "Loads the whole configuration held by the Network Controller on the serial\n"
                   "device DEVICE and compares it with FILE.KCF for what travels to the\n"
                   "controller: devices 1 to 255, the zones the controller has, the groups, the\n"
                   "site settings that are saved and the custom place names. Every field that\n"
                   "differs is printed on standard output as \"section record field:\n"
                   "file-value -> controller-value\", in the order of a save. No file is\n"
                   "changed. --simulate compares with the built-in simulated controller, which\n"
                   "holds a demo site.\n"
                   "Messages go to standard error.\n") +
               kTraceOptionHelp +
               "Exit status: 0 the controller holds FILE.KCF, 1 FILE.KCF cannot be read,\n"
               "2 not a Kelvane Programming Tools file, 3 the load did not complete (or the\n"
               "trace file cannot be written), 4 the controller holds something else, 64\n"
               "wrong command line.\n";
    }

    int Run(const std::vector<std::string>& arguments, CommandIo& io) override {
        ControllerTarget target;
        std::string file;
        if (!ParseArguments(arguments, {}, target, file, io)) return kExitUsage;
        TData data;
        if (const int code = ReadSite(file, data, io.err); code != kExitOk) return code;
        return ReportVerify(RunControllerVerify(false, target, data, console_, io), file, io);
    }
};

}  // namespace

std::unique_ptr<Command> MakeVerifyCommand(Console console) {
    return std::make_unique<VerifyCommand>(console);
}

}  // namespace kelvane::cli
