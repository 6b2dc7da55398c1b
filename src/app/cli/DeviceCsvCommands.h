#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/Command.h"

namespace kelvane::cli {

// "export --csv" and "import --csv": the device list as CSV. The export and
// import commands hand their arguments (without "--csv") to these.
std::unique_ptr<Command> MakeDeviceCsvExportCommand();
std::unique_ptr<Command> MakeDeviceCsvImportCommand();

// The arguments without "--csv" when they hold it; nothing otherwise.
std::optional<std::vector<std::string>> WithoutCsvOption(const std::vector<std::string>& arguments);

}  // namespace kelvane::cli
