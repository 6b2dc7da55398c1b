#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/cli/Command.h"

namespace kelvane::cli {

// The command dispatcher: "kelvane-cli COMMAND [ARGUMENTS]".
class Cli {
public:
    void Add(std::unique_ptr<Command> command);
    Command* Find(const std::string& name) const;

    // `arguments` without the program name. Returns the exit code.
    int Run(const std::vector<std::string>& arguments, CommandIo& io) const;

private:
    void PrintOverview(std::ostream& out) const;

    std::vector<std::unique_ptr<Command>> commands_;
};

// The dispatcher with every command of kelvane-cli.
Cli MakeCli();

// Runs kelvane-cli on the process's arguments and standard streams.
int RunCli(int argc, char** argv);

}  // namespace kelvane::cli
