#pragma once
#include <memory>

#include "app/cli/Command.h"
#include "app/cli/ControllerTransfer.h"

namespace kelvane::cli {

class Cli;

// A command that runs on the Network Controller: on the terminal of
// `console`, with the controller the command line names.
class TransferCommand : public Command {
public:
    explicit TransferCommand(Console console) : console_(console) {}

protected:
    // Reads the controller, the one file and the `allowed` save options;
    // explains a wrong command line and returns false (the caller returns
    // kExitUsage).
    bool ParseArguments(const std::vector<std::string>& arguments, SaveOptions allowed,
                        ControllerTarget& target, std::string& file, CommandIo& io) const {
        std::string error;
        if (ParseTransferArguments(arguments, allowed, target, file, error)) return true;
        ExplainUsage(error, io);
        return false;
    }

    Console console_;
};

// The commands that load from, save to and verify against the Network Controller.
std::unique_ptr<Command> MakeLoadCommand(Console console);
std::unique_ptr<Command> MakeSaveCommand(Console console);
std::unique_ptr<Command> MakeVerifyCommand(Console console);

void AddTransferCommands(Cli& cli, const Console& console);

}  // namespace kelvane::cli
