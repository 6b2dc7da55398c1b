#include <QJsonDocument>
#include <QJsonParseError>

#include "app/cli/DeviceCsvCommands.h"
#include "app/cli/FileCommands.h"
#include "app/cli/SiteFiles.h"
#include "app/cli/SiteJson.h"
#include "file/ConfigFile.h"
#include "file/FileBytes.h"

namespace kelvane::cli {
namespace {

class ImportCommand : public Command {
public:
    std::string Name() const override { return "import"; }
    std::string Synopsis() const override {
        return "import FILE.json OUT.KCF | import --csv IN.csv FILE.KCF";
    }
    std::string Summary() const override {
        return "write a configuration file from exported JSON, or update its devices from CSV";
    }
    std::string Help() const override {
        return std::string("Usage: kelvane-cli import FILE.json OUT.KCF\n") +
               "Writes the site described by FILE.json, in the form that \"kelvane-cli export\"\n"
               "writes, to OUT.KCF and its comments to OUT.RTF. Every field must be present.\n"
               "An existing OUT.KCF is updated in place: sections and keys of it that the\n"
               "site does not use are kept. Nothing is written unless the whole JSON is good,\n"
               "and the files are replaced whole or not at all.\n"
               "Exit status: 0 written, 1 FILE.json cannot be read or is not a complete site,\n"
               "or OUT.KCF cannot be written.\n\n" +
               csv_->Help();
    }

    int Run(const std::vector<std::string>& arguments, CommandIo& io) override {
        if (const auto csvArguments = WithoutCsvOption(arguments)) return csv_->Run(*csvArguments, io);
        if (!ExpectArguments(arguments, 2, io)) return kExitUsage;
        const std::string& jsonPath = arguments[0];
        const FileBytes text = ReadFileBytes(jsonPath);
        if (text.status != FileReadStatus::Read) {
            io.err << kUnableToReadPrefix << jsonPath << "\n";
            return kExitFailure;
        }
        QJsonParseError parseError;
        const QJsonDocument json = QJsonDocument::fromJson(
            QByteArray(text.bytes.data(), static_cast<qsizetype>(text.bytes.size())), &parseError);
        if (parseError.error != QJsonParseError::NoError) {
            io.err << jsonPath << ": not valid JSON (" << parseError.errorString().toStdString()
                   << " at byte " << parseError.offset << ")\n";
            return kExitFailure;
        }
        if (!json.isObject()) {
            io.err << jsonPath << ": not a site (the JSON is not an object)\n";
            return kExitFailure;
        }
        TData data;
        std::string error;
        if (!SiteFromJson(json.object(), data, error)) {
            io.err << jsonPath << ": not a complete site (" << error << ")\n";
            return kExitFailure;
        }
        return WriteSite(arguments[1], data, io.err);
    }

private:
    const std::unique_ptr<Command> csv_ = MakeDeviceCsvImportCommand();
};

}  // namespace

std::unique_ptr<Command> MakeImportCommand() {
    return std::make_unique<ImportCommand>();
}

}  // namespace kelvane::cli
