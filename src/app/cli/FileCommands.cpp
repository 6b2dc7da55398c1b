#include "app/cli/FileCommands.h"

#include "app/cli/Cli.h"

namespace kelvane::cli {

void AddFileCommands(Cli& cli) {
    cli.Add(MakeShowCommand());
    cli.Add(MakeExportCommand());
    cli.Add(MakeImportCommand());
    cli.Add(MakeNewCommand());
    cli.Add(MakeDiffCommand());
    cli.Add(MakeReportCommand());
}

}  // namespace kelvane::cli
