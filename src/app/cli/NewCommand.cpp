#include "app/cli/FileCommands.h"
#include "app/cli/SiteFiles.h"

namespace kelvane::cli {
namespace {

class NewCommand : public Command {
public:
    std::string Name() const override { return "new"; }
    std::string Synopsis() const override { return "new OUT.KCF"; }
    std::string Summary() const override { return "write the site of a new document"; }
    std::string Help() const override {
        return "Usage: kelvane-cli new OUT.KCF\n"
               "Writes the site of a new document to OUT.KCF and its comments to OUT.RTF:\n"
               "address 1 is the network controller, every other address is empty, groups\n"
               "1 to 8 are on areas A to H. An existing OUT.KCF is updated in place.\n"
               "Exit status: 0 written, 1 OUT.KCF cannot be written.\n";
    }

    int Run(const std::vector<std::string>& arguments, CommandIo& io) override {
        if (!ExpectArguments(arguments, 1, io)) return kExitUsage;
        TData data;
        data.ResetToDefaults();
        return WriteSite(arguments[0], data, io.err);
    }
};

}  // namespace

std::unique_ptr<Command> MakeNewCommand() {
    return std::make_unique<NewCommand>();
}

}  // namespace kelvane::cli
