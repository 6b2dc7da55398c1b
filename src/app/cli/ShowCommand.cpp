#include "app/cli/FileCommands.h"
#include "app/cli/SiteFiles.h"
#include "app/cli/SiteListing.h"

namespace kelvane::cli {
namespace {

class ShowCommand : public Command {
public:
    std::string Name() const override { return "show"; }
    std::string Synopsis() const override { return "show FILE.KCF"; }
    std::string Summary() const override { return "list the site held in a configuration file"; }
    std::string Help() const override {
        return "Usage: kelvane-cli show FILE.KCF\n"
               "Lists the site held in FILE.KCF (and its comments file FILE.RTF): the site\n"
               "settings; every fitted device with its address, type, allocation, place name,\n"
               "suffix and whether it is enabled; the zone and group equations as the Zone\n"
               "Config and Group Config tabs show them; the custom place names, the network\n"
               "and the comments. Texts are written in the locale's character set, control\n"
               "characters as escapes such as \\x1b.\n"
               "Exit status: 0 listed, 1 the file cannot be read, 2 not a Kelvane Programming\n"
               "Tools file.\n";
    }

    int Run(const std::vector<std::string>& arguments, CommandIo& io) override {
        if (!ExpectArguments(arguments, 1, io)) return kExitUsage;
        TData data;
        if (const int code = ReadSite(arguments[0], data, io.err); code != kExitOk) return code;
        io.out << io.text.Lines(SiteListing(data));
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeShowCommand() {
    return std::make_unique<ShowCommand>();
}

}  // namespace kelvane::cli
