#include "app/cli/Cli.h"

#include <algorithm>
#include <iostream>

#include "app/cli/EventLogCommands.h"
#include "app/cli/FileCommands.h"
#include "app/cli/RoutingCommands.h"
#include "app/cli/TransferCommands.h"

namespace kelvane::cli {
namespace {

bool IsHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h";
}

}  // namespace

void Cli::Add(std::unique_ptr<Command> command) {
    commands_.push_back(std::move(command));
}

Command* Cli::Find(const std::string& name) const {
    for (const auto& command : commands_) {
        if (command->Name() == name) return command.get();
    }
    return nullptr;
}

void Cli::PrintOverview(std::ostream& out) const {
    out << "Usage: kelvane-cli COMMAND [ARGUMENTS]\n"
           "Reads, lists, compares and writes Kelvane configuration files (.KCF), and\n"
           "loads them from, saves them to and verifies them against the Network\n"
           "Controller.\n\nCommands:\n";
    // A synopsis can be most of a line: the summary goes on the line below.
    for (const auto& command : commands_)
        out << "  " << command->Synopsis() << "\n      " << command->Summary() << "\n";
    out << "\nkelvane-cli COMMAND --help describes a command.\n"
           "Exit status: 0 success, 1 a file could not be read or written or the JSON is bad,\n"
           "2 not a Kelvane Programming Tools file, 3 the controller transfer did not complete,\n"
           "4 the sites compared differ or the log could not be converted, 5 the site checks\n"
           "found an error or a warning, 64 wrong command line.\n";
}

int Cli::Run(const std::vector<std::string>& arguments, CommandIo& io) const {
    if (arguments.empty()) {
        PrintOverview(io.err);
        return kExitUsage;
    }
    if (IsHelp(arguments.front())) {
        PrintOverview(io.out);
        return kExitOk;
    }
    Command* command = Find(arguments.front());
    if (!command) {
        io.err << "Unknown command \"" << arguments.front() << "\" (see kelvane-cli --help)\n";
        return kExitUsage;
    }
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (std::any_of(rest.begin(), rest.end(), IsHelp)) {
        io.out << command->Help();
        return kExitOk;
    }
    return command->Run(rest, io);
}

Cli MakeCli() {
    Cli cli;
    AddFileCommands(cli);
    AddRoutingCommands(cli);
    AddTransferCommands(cli, DetectConsole());
    AddEventLogCommands(cli);
    return cli;
}

int RunCli(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    CommandIo io{std::cout, std::cerr, TerminalText::ForLocale()};
    const int code = MakeCli().Run(arguments, io);
    std::cout.flush();
    if (!std::cout && code == kExitOk) {
        std::cerr << "Unable to write to standard output\n";
        return kExitFailure;
    }
    return code;
}

}  // namespace kelvane::cli
