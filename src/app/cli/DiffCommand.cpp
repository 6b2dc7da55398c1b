#include "app/cli/DifferenceReport.h"
#include "app/cli/FileCommands.h"
#include "app/cli/SiteFiles.h"
#include "compare/SiteComparison.h"

namespace kelvane::cli {
namespace {

class DiffCommand : public Command {
public:
    std::string Name() const override { return "diff"; }
    std::string Synopsis() const override { return "diff A.KCF B.KCF [--json]"; }
    std::string Summary() const override { return "list the fields in which two configuration files differ"; }
    std::string Help() const override {
        return "Usage: kelvane-cli diff A.KCF B.KCF [--json]\n"
               "Compares every field of the sites held in A.KCF and B.KCF (with their\n"
               "comments files) and prints each field that differs on a line of its own,\n"
               "as \"section record field: A-value -> B-value\", in the order of a save:\n"
               "devices, zones, groups, site settings, custom place names, network,\n"
               "repeaters and comment lines. The values are in the words the editors show:\n"
               "type names, \"Area C\", \"Group 4\", the equations as the Zone Config and\n"
               "Group Config tabs show them, place names. Empty equation entries are equal\n"
               "whatever their marker; texts are written in the locale's character set,\n"
               "control characters as escapes such as \\x1b. --json prints the differences\n"
               "as a JSON array of objects with the keys \"section\", \"record\", \"field\",\n"
               "\"a\" and \"b\".\n"
               "Exit status: 0 no differences, 4 the files differ, 1 a file cannot be read,\n"
               "2 not a Kelvane Programming Tools file, 64 wrong command line.\n";
    }

    int Run(const std::vector<std::string>& arguments, CommandIo& io) override {
        std::vector<std::string> files = arguments;
        const bool json = TakeFlag(files, "--json");
        if (files.size() != 2) {
            io.err << "Usage: kelvane-cli " << Synopsis() << " (see kelvane-cli diff --help)\n";
            return kExitUsage;
        }
        TData a;
        TData b;
        if (const int code = ReadSite(files[0], a, io.err); code != kExitOk) return code;
        if (const int code = ReadSite(files[1], b, io.err); code != kExitOk) return code;
        const std::vector<SiteDifference> differences = CompareSites(a, b, ComparisonScope::EveryField());
        if (json || !differences.empty()) PrintDifferences(differences, json, io);
        return differences.empty() ? kExitOk : kExitDifferences;
    }
};

}  // namespace

std::unique_ptr<Command> MakeDiffCommand() {
    return std::make_unique<DiffCommand>();
}

}  // namespace kelvane::cli
