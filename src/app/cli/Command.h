#pragma once
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/cli/ExitCodes.h"
#include "app/cli/TerminalText.h"

namespace kelvane::cli {

struct CommandIo {
    CommandIo(std::ostream& out, std::ostream& err, TerminalText text = TerminalText())
        : out(out), err(err), text(std::move(text)) {}

    std::ostream& out;
    std::ostream& err;
    // How site texts are written in plain-text output (files and JSON
    // keep their bytes).
    TerminalText text;
};

// One kelvane-cli command. The dispatcher answers "--help" from Help() and
// hands every other argument after the command name to Run().
class Command {
public:
    virtual ~Command() = default;

    // "show"
    virtual std::string Name() const = 0;
    // "show FILE.KCF"
    virtual std::string Synopsis() const = 0;
    // One line for the command overview.
    virtual std::string Summary() const = 0;
    // The full text of "kelvane-cli NAME --help".
    virtual std::string Help() const = 0;

    virtual int Run(const std::vector<std::string>& arguments, CommandIo& io) = 0;

protected:
    // True when exactly `count` arguments were given; otherwise prints the
    // usage line and the caller returns kExitUsage.
    bool ExpectArguments(const std::vector<std::string>& arguments, std::size_t count, CommandIo& io) const;
    // Prints why the command line is wrong, then the usage line; the caller
    // returns kExitUsage.
    void ExplainUsage(const std::string& error, CommandIo& io) const;
    // The same, returning kExitUsage.
    int UsageError(const std::string& error, CommandIo& io) const;
    // Takes every `flag` ("--json") out of `arguments`; true when there was one.
    static bool TakeFlag(std::vector<std::string>& arguments, const std::string& flag);
};

}  // namespace kelvane::cli
