#include <filesystem>

#include "app/cli/Cli.h"
#include "app/cli/EventLogCommands.h"
#include "app/cli/SiteFiles.h"
#include "file/CommentsFile.h"
#include "log/LogConverter.h"
#include "log/LogFile.h"

namespace kelvane::cli {
namespace {

// Two names of one existing file (a name that names nothing is no other file).
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

class ConvertCommand : public Command {
public:
    std::string Name() const override { return "convert"; }
    std::string Synopsis() const override {
        return "convert LOG OUT.KCF [--site IN.KCF] [--update-custom-names]";
    }
    std::string Summary() const override {
        return "convert a configuration printout in a log file into a site";
    }
    std::string Help() const override {
        return "Usage: kelvane-cli convert LOG OUT.KCF [--site IN.KCF] [--update-custom-names]\n"
               "Reads the event log file LOG as View Event Log > Load Log from Disk does (a\n"
               "rich-text log, or plain text one line a line), converts the controller's\n"
               "configuration printout held in it as Convert does, and writes the site to\n"
               "OUT.KCF with its comments file. The printout's devices, groups and zones\n"
               "go into the site of a new document, or with --site into the site read from\n"
               "IN.KCF. --update-custom-names: a place name that is neither a standard nor\n"
               "a custom place name becomes the next custom place name, from the first on\n"
               "(as ticking \"Update Custom Place Names\").\n"
               "OUT.KCF without an extension gets \".KCF\"; neither it nor its comments\n"
               "file may be LOG itself.\n"
               "When the log holds nothing to convert, or a record cannot be read (the\n"
               "message names its line), the message goes to standard error and OUT.KCF\n"
               "is not written.\n"
               "Exit status: 0 converted and written, 1 LOG cannot be read or OUT.KCF cannot\n"
               "be written, 2 IN.KCF is not a Kelvane Programming Tools file, 4 the log\n"
               "could not be converted, 64 wrong command line.\n";
    }

    int Run(const std::vector<std::string>& arguments, CommandIo& io) override {
        std::vector<std::string> files;
        std::string site;
        bool updateCustomNames = false;
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            const std::string& argument = arguments[i];
            if (argument == "--update-custom-names") {
                updateCustomNames = true;
            } else if (argument == "--site" && i + 1 < arguments.size()) {
                site = arguments[++i];
            } else if (argument.size() > 1 && argument[0] == '-') {
                return UsageError(argument == "--site" ? "--site needs a file" : "unknown option " + argument,
                                  io);
            } else {
                files.push_back(argument);
            }
        }
        if (files.size() != 2) return UsageError("a log file and an output file are needed", io);
        const std::string output = SiteOutputPath(files[1]);
        for (const std::string& written : {output, CommentsFilePath(output)}) {
            if (SameFile(written, files[0]))
                return UsageError(written + " is the log " + files[0] + " itself", io);
        }

        const LogFileRead log = ReadLogFile(files[0]);
        if (!log.Read) {
            io.err << log.Error << "\n";
            return kExitFailure;
        }
        TData data;
        data.ResetToDefaults();
        if (!site.empty()) {
            if (const int read = ReadSite(site, data, io.err); read != kExitOk) return read;
        }
        const ConvertResult result = ConvertLog(log.Lines, data, updateCustomNames);
        if (result.Outcome != ConvertOutcome::Converted) {
            // A stop names its line; what was converted before it is written nowhere.
            const std::string& why =
                result.Outcome == ConvertOutcome::Stopped ? result.StopReport : result.Message;
            io.err << io.text.Lines(why) << "\n" << output << " has not been written.\n";
            return kExitNotConverted;
        }
        if (const int written = WriteSite(output, data, io.err); written != kExitOk) return written;
        io.out << result.Message << " (" << result.Devices << " devices, " << result.Groups << " groups, "
               << result.Zones << " zones, " << result.CustomNamesAdded
               << " custom place names) and written to " << output << "\n";
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeConvertCommand() {
    return std::make_unique<ConvertCommand>();
}

void AddEventLogCommands(Cli& cli) {
    cli.Add(MakeConvertCommand());
    cli.Add(MakeLogCommand());
}

}  // namespace kelvane::cli
