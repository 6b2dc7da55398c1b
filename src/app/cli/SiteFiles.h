#pragma once
#include <ostream>
#include <string>

#include "model/Data.h"

namespace kelvane::cli {

// Reads the configuration file at `path` into `data`. Returns kExitOk, or
// prints why not on `err` and returns the exit code for it.
int ReadSite(const std::string& path, TData& data, std::ostream& err);

// The file a site named `output` on the command line is written to: the
// name as given, with ".KCF" added when it has no extension (the comments
// file takes the place of the last three characters, which must not be
// part of the name itself).
std::string SiteOutputPath(const std::string& output);

// Writes `data` to the configuration file SiteOutputPath(`output`) (and its
// comments file beside it). Returns kExitOk, or prints why not and returns
// kExitFailure.
int WriteSite(const std::string& output, const TData& data, std::ostream& err);

}  // namespace kelvane::cli
