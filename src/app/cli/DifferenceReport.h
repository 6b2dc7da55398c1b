#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/Command.h"
#include "app/cli/ControllerTransfer.h"
#include "compare/ControllerVerify.h"
#include "compare/SiteDifference.h"

namespace kelvane::cli {

// Prints `differences` on standard output, one line each ("Device 17
// DeviceType: Callpoint -> Display", texts as the terminal is given them),
// or with `json` as a JSON array of objects with the keys "section",
// "record", "field", "a" and "b" (texts read as Latin-1).
void PrintDifferences(const std::vector<SiteDifference>& differences, bool json, CommandIo& io);

// Reports a verify of the site in `file` against the controller: the
// differences on standard output, what the verify found on the error
// stream. Returns kExitOk when the controller holds the site,
// kExitDifferences when it does not, kExitTransferFailed when a transfer
// did not complete or the trace file could not be written to the end.
int ReportVerify(const VerifyRun& run, const std::string& file, CommandIo& io);

}  // namespace kelvane::cli
