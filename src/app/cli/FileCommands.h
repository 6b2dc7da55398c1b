#pragma once
#include <memory>

#include "app/cli/Command.h"

namespace kelvane::cli {

class Cli;

// The commands that work on configuration files alone.
std::unique_ptr<Command> MakeShowCommand();
std::unique_ptr<Command> MakeExportCommand();
std::unique_ptr<Command> MakeImportCommand();
std::unique_ptr<Command> MakeNewCommand();
std::unique_ptr<Command> MakeDiffCommand();
std::unique_ptr<Command> MakeReportCommand();

void AddFileCommands(Cli& cli);

}  // namespace kelvane::cli
