#include "app/cli/Command.h"

#include <algorithm>

namespace kelvane::cli {

bool Command::ExpectArguments(const std::vector<std::string>& arguments, std::size_t count,
                              CommandIo& io) const {
    if (arguments.size() == count) return true;
    io.err << "Usage: kelvane-cli " << Synopsis() << " (see kelvane-cli " << Name() << " --help)\n";
    return false;
}

void Command::ExplainUsage(const std::string& error, CommandIo& io) const {
    io.err << "kelvane-cli " << Name() << ": " << error << "\nUsage: kelvane-cli " << Synopsis()
           << " (see kelvane-cli " << Name() << " --help)\n";
}

int Command::UsageError(const std::string& error, CommandIo& io) const {
    ExplainUsage(error, io);
    return kExitUsage;
}

bool Command::TakeFlag(std::vector<std::string>& arguments, const std::string& flag) {
    const auto taken = std::remove(arguments.begin(), arguments.end(), flag);
    const bool found = taken != arguments.end();
    arguments.erase(taken, arguments.end());
    return found;
}

}  // namespace kelvane::cli
