#pragma once
#include <memory>

#include "app/cli/Command.h"

namespace kelvane::cli {

class Cli;

// The commands of the controller's event log: watch it, and convert a
// configuration printout held in a log file into a site.
std::unique_ptr<Command> MakeConvertCommand();
std::unique_ptr<Command> MakeLogCommand();

void AddEventLogCommands(Cli& cli);

}  // namespace kelvane::cli
