#pragma once
#include <QJsonArray>
#include <memory>

#include "app/cli/Command.h"
#include "model/Data.h"

namespace kelvane::cli {

class Cli;

// The commands that show where a site's calls go and what is wrong with it.
std::unique_ptr<Command> MakeRoutesCommand();
std::unique_ptr<Command> MakeCheckCommand();

void AddRoutingCommands(Cli& cli);

// A command "NAME FILE.KCF [--json]" that lists something of one site.
class SiteListCommand : public Command {
public:
    std::string Synopsis() const override { return Name() + " FILE.KCF [--json]"; }
    // Reads the file and lists it; the arguments may come in either order.
    int Run(const std::vector<std::string>& arguments, CommandIo& io) final;

protected:
    // Returns the exit code.
    virtual int List(const TData& data, bool json, CommandIo& io) const = 0;
};

// Writes `array` as indented JSON.
void PrintJson(const QJsonArray& array, CommandIo& io);

}  // namespace kelvane::cli
