#pragma once
#include <memory>

#include "app/cli/Command.h"
#include "app/cli/ControllerTransfer.h"

namespace kelvane::cli {

class Cli;

// The commands that load from and save to the Network Controller.
std::unique_ptr<Command> MakeLoadCommand(Console console);
std::unique_ptr<Command> MakeSaveCommand(Console console);

void AddTransferCommands(Cli& cli, const Console& console);

}  // namespace kelvane::cli
