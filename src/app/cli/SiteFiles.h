#pragma once
#include <ostream>
#include <string>

#include "model/Data.h"

namespace kelvane::cli {

// Reads the configuration file at `path` into `data`. Returns kExitOk, or
// prints why not on `err` and returns the exit code for it.
int ReadSite(const std::string& path, TData& data, std::ostream& err);

// Writes `data` to the configuration file at `path` (and its comments file
// beside it). Returns kExitOk, or prints why not and returns kExitFailure.
int WriteSite(const std::string& path, const TData& data, std::ostream& err);

}  // namespace kelvane::cli
