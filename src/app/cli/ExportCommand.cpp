#include <QJsonDocument>

#include "app/cli/DeviceCsvCommands.h"
#include "app/cli/FileCommands.h"
#include "app/cli/SiteFiles.h"
#include "app/cli/SiteJson.h"

namespace kelvane::cli {
namespace {

class ExportCommand : public Command {
public:
    std::string Name() const override { return "export"; }
    std::string Synopsis() const override { return "export FILE.KCF | export --csv FILE.KCF [-o OUT.csv]"; }
    std::string Summary() const override {
        return "write the whole site as JSON on standard output, or the device list as CSV";
    }
    std::string Help() const override {
        return std::string("Usage: kelvane-cli export FILE.KCF\n") +
               "Writes the whole site held in FILE.KCF (and its comments file FILE.RTF) as\n"
               "JSON on standard output, under the model's own field names. Texts are the\n"
               "file's bytes read as Latin-1. \"kelvane-cli import\" turns the JSON back into\n"
               "a configuration file.\n"
               "Exit status: 0 exported, 1 the file cannot be read, 2 not a Kelvane\n"
               "Programming Tools file.\n\n" +
               csv_->Help();
    }

    int Run(const std::vector<std::string>& arguments, CommandIo& io) override {
        if (const auto csvArguments = WithoutCsvOption(arguments)) return csv_->Run(*csvArguments, io);
        if (!ExpectArguments(arguments, 1, io)) return kExitUsage;
        TData data;
        if (const int code = ReadSite(arguments[0], data, io.err); code != kExitOk) return code;
        const QByteArray json = QJsonDocument(SiteToJson(data)).toJson(QJsonDocument::Indented);
        io.out.write(json.constData(), json.size());
        return kExitOk;
    }

private:
    const std::unique_ptr<Command> csv_ = MakeDeviceCsvExportCommand();
};

}  // namespace

std::unique_ptr<Command> MakeExportCommand() {
    return std::make_unique<ExportCommand>();
}

}  // namespace kelvane::cli
