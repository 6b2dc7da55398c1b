#include "app/cli/DeviceCsvCommands.h"

#include <algorithm>

#include "app/cli/SiteFiles.h"
#include "file/AtomicWriter.h"
#include "file/ConfigFile.h"
#include "file/DeviceCsvImport.h"
#include "file/DeviceCsvWriter.h"
#include "file/FileBytes.h"

namespace kelvane::cli {
namespace {

constexpr const char* kCsvOption = "--csv";

class DeviceCsvExportCommand : public Command {
public:
    std::string Name() const override { return "export"; }
    std::string Synopsis() const override { return "export --csv FILE.KCF [-o OUT.csv]"; }
    std::string Summary() const override { return "write the device list as CSV"; }
    std::string Help() const override {
        return "Usage: kelvane-cli export --csv FILE.KCF [-o OUT.csv]\n"
               "Writes the device list of FILE.KCF as CSV, to OUT.csv (replaced whole or not\n"
               "at all) or else on standard output: a header row Address, Type, Allocation,\n"
               "Place Name, Suffix, Enabled, then one row for each address 1 to 256 with the\n"
               "texts of the Device Summary table. UTF-8 with a byte-order mark, comma-\n"
               "separated, quoted where needed, so a spreadsheet opens it directly.\n"
               "Exit status: 0 exported, 1 a file cannot be read or written, 2 not a\n"
               "Kelvane Programming Tools file, 64 wrong command line.\n";
    }

    int Run(const std::vector<std::string>& arguments, CommandIo& io) override {
        std::string site;
        std::string output;
        for (std::size_t index = 0; index < arguments.size(); ++index) {
            const std::string& argument = arguments[index];
            if (argument == "-o" || argument == "--output") {
                if (index + 1 >= arguments.size()) return UsageError(argument + " needs a value", io);
                output = arguments[++index];
            } else if (argument.starts_with("-")) {
                return UsageError("unknown option " + argument, io);
            } else if (site.empty()) {
                site = argument;
            } else {
                return UsageError("only one configuration file can be given", io);
            }
        }
        if (site.empty()) return UsageError("a configuration file is needed", io);
        TData data;
        if (const int code = ReadSite(site, data, io.err); code != kExitOk) return code;
        const std::string csv = DeviceCsvText(data);
        if (output.empty()) {
            io.out << csv;
            return kExitOk;
        }
        AtomicWriter writer;
        if (writer.Stage(output, csv) && writer.Commit()) return kExitOk;
        io.err << kUnableToWritePrefix << output << ": " << writer.FailureReason() << "\n";
        return kExitFailure;
    }
};

class DeviceCsvImportCommand : public Command {
public:
    std::string Name() const override { return "import"; }
    std::string Synopsis() const override { return "import --csv IN.csv FILE.KCF"; }
    std::string Summary() const override { return "update the devices of a configuration file from CSV"; }
    std::string Help() const override {
        return "Usage: kelvane-cli import --csv IN.csv FILE.KCF\n"
               "Updates the devices of FILE.KCF from the device list IN.csv, as \"export --csv\"\n"
               "writes it or a spreadsheet saves it again: a header row Address, Type,\n"
               "Allocation, Place Name, Suffix, Enabled (separated by commas or by\n"
               "semicolons), then a row for each device to change; addresses without a row\n"
               "stay as they are. Types by short or long name, allocations as \"Area C\",\n"
               "\"Group 5\", \"Zone 12\" or just the letter or number, place names standard\n"
               "or custom, enabled as YES/NO, 1/0 or true/false, any case. An empty\n"
               "allocation or place name keeps the device's own, an empty suffix is none,\n"
               "and an empty enabled cell enables every fitted device. Address 1 is always\n"
               "the Network Controller.\n"
               "Every row is checked first: when any is wrong, nothing is written and the\n"
               "first twenty faults are printed, each with its line and column. Otherwise\n"
               "FILE.KCF (and its comments file) is replaced whole or not at all, and the\n"
               "number of devices changed is printed.\n"
               "Exit status: 0 written (or nothing to change), 1 a file cannot be read or\n"
               "written or IN.csv has faults, 2 not a Kelvane Programming Tools file, 64\n"
               "wrong command line.\n";
    }

    int Run(const std::vector<std::string>& arguments, CommandIo& io) override {
        if (!ExpectArguments(arguments, 2, io)) return kExitUsage;
        const std::string& csvPath = arguments[0];
        const std::string& sitePath = arguments[1];
        TData data;
        if (const int code = ReadSite(sitePath, data, io.err); code != kExitOk) return code;
        const FileBytes csv = ReadFileBytes(csvPath, kMaxDeviceCsvBytes);
        if (csv.status == FileReadStatus::TooLarge) {
            io.err << csvPath << ": far too large for a device list\n";
            return kExitFailure;
        }
        if (csv.status != FileReadStatus::Read) {
            io.err << kUnableToReadPrefix << csvPath << ": " << csv.reason << "\n";
            return kExitFailure;
        }
        const DeviceCsvImport devices(csv.bytes, data);
        if (!devices.Good()) {
            for (const DeviceCsvError& error : devices.Errors())
                io.err << csvPath << ": " << io.text.Text(error.Text()) << "\n";
            if (const std::size_t more = devices.ErrorCount() - devices.Errors().size(); more > 0)
                io.err << csvPath << ": " << more << " more fault" << (more == 1 ? "" : "s")
                       << " not shown\n";
            io.err << sitePath << " not changed\n";
            return kExitFailure;
        }
        const int changed = devices.ApplyTo(data);
        if (changed == 0) {
            io.out << "No device changed; " << sitePath << " left as it was\n";
            return kExitOk;
        }
        Document document;
        const ConfigSaveResult saved = WriteConfigFile(sitePath, data, document);
        if (!saved.saved) {
            io.err << saved.message << "\n";
            return kExitFailure;
        }
        io.out << changed << (changed == 1 ? " device" : " devices") << " changed in " << sitePath << "\n";
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeDeviceCsvExportCommand() {
    return std::make_unique<DeviceCsvExportCommand>();
}

std::unique_ptr<Command> MakeDeviceCsvImportCommand() {
    return std::make_unique<DeviceCsvImportCommand>();
}

std::optional<std::vector<std::string>> WithoutCsvOption(const std::vector<std::string>& arguments) {
    if (std::find(arguments.begin(), arguments.end(), kCsvOption) == arguments.end()) return std::nullopt;
    std::vector<std::string> rest;
    std::copy_if(arguments.begin(), arguments.end(), std::back_inserter(rest),
                 [](const std::string& argument) { return argument != kCsvOption; });
    return rest;
}

}  // namespace kelvane::cli
