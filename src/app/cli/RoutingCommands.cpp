#include "app/cli/RoutingCommands.h"

#include <QJsonDocument>

#include "app/cli/Cli.h"
#include "app/cli/SiteFiles.h"

namespace kelvane::cli {

void AddRoutingCommands(Cli& cli) {
    cli.Add(MakeRoutesCommand());
    cli.Add(MakeCheckCommand());
}

int SiteListCommand::Run(const std::vector<std::string>& arguments, CommandIo& io) {
    std::vector<std::string> files = arguments;
    const bool json = TakeFlag(files, "--json");
    if (files.size() != 1) return UsageError("give one configuration file", io);
    TData data;
    if (const int code = ReadSite(files.front(), data, io.err); code != kExitOk) return code;
    return List(data, json, io);
}

void PrintJson(const QJsonArray& array, CommandIo& io) {
    const QByteArray text = QJsonDocument(array).toJson(QJsonDocument::Indented);
    io.out.write(text.constData(), text.size());
}

}  // namespace kelvane::cli
