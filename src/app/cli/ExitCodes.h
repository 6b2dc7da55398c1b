#pragma once

namespace kelvane::cli {

// Exit codes of kelvane-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;         // a file could not be read or written, bad JSON
inline constexpr int kExitNotValid = 2;        // the file is not a configuration file
inline constexpr int kExitTransferFailed = 3;  // the controller transfer did not complete, no output written
inline constexpr int kExitDifferences = 4;     // the sites compared differ
inline constexpr int kExitNotConverted = 4;    // the log held no printout that could be converted
inline constexpr int kExitFindings = 5;        // the site checks found an error or a warning
inline constexpr int kExitUsage = 64;          // wrong command line

}  // namespace kelvane::cli
