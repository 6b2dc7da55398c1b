#include <QJsonObject>

#include "app/cli/RoutingCommands.h"
#include "routing/RoutingMap.h"

namespace kelvane::cli {
namespace {

template <std::size_t N>
std::string NumbersText(const std::bitset<N>& set) {
    std::string text;
    for (const int number : SetMembers(set)) text += " " + std::to_string(number);
    return text.empty() ? " none" : text;
}

std::string RouteLine(const Route& route) {
    return route.source.Name() + " -> zones" + NumbersText(route.zones) + "; groups by day" +
           NumbersText(route.groupsDay) + "; at night" + NumbersText(route.groupsNight) + "; diverts" +
           NumbersText(route.diverts) + "; outputs" + NumbersText(route.outputs) + "\n";
}

template <std::size_t N>
QJsonArray NumbersJson(const std::bitset<N>& set) {
    QJsonArray array;
    for (const int number : SetMembers(set)) array.append(number);
    return array;
}

QJsonObject RouteJson(const Route& route) {
    return {{"source", QString::fromStdString(route.source.Name())},
            {"zones", NumbersJson(route.zones)},
            {"groupsDay", NumbersJson(route.groupsDay)},
            {"groupsNight", NumbersJson(route.groupsNight)},
            {"diverts", NumbersJson(route.diverts)},
            {"outputs", NumbersJson(route.outputs)}};
}

class RoutesCommand : public SiteListCommand {
public:
    std::string Name() const override { return "routes"; }
    std::string Summary() const override { return "list where the calls of every area and fitted device go"; }
    std::string Help() const override {
        return "Usage: kelvane-cli routes FILE.KCF [--json]\n"
               "Lists where the calls of the site held in FILE.KCF go: one line for each area\n"
               "A to Z in order, then one for each fitted device by address, as\n"
               "  area C -> zones 1 4; groups by day 2; at night 5; diverts 7; outputs 12 13 40\n"
               "(\"none\" for an empty list). zones: the zones whose Area Equation names the\n"
               "area, or whose Device Equation names the device, and for a callpoint,\n"
               "doorbell, monitoring point or radio receiver also those of its area; only\n"
               "the site's zones count (32, or 64 from controller version 08A00). groups by\n"
               "day and at night: the groups whose Primary Areas and Night Areas name the\n"
               "area (of the device). diverts: the groups that those groups' Divert to Groups\n"
               "name, other than those groups themselves. outputs: the fitted over-door\n"
               "lights and sounders allocated to one of the zones and the fitted corridor\n"
               "displays and network controllers allocated to one of the groups, enabled or\n"
               "not. --json prints a JSON array of objects with the keys \"source\" (\"area C\"\n"
               "or \"device 17\"), \"zones\", \"groupsDay\", \"groupsNight\", \"diverts\" and\n"
               "\"outputs\", each an ascending array of zone, group or device numbers.\n"
               "Exit status: 0 listed, 1 the file cannot be read, 2 not a Kelvane Programming\n"
               "Tools file, 64 wrong command line.\n";
    }

    int List(const TData& data, bool json, CommandIo& io) const override {
        const RoutingMap map(data);
        if (json) {
            QJsonArray array;
            for (const Route& route : map.Routes()) array.append(RouteJson(route));
            PrintJson(array, io);
        } else {
            for (const Route& route : map.Routes()) io.out << RouteLine(route);
        }
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeRoutesCommand() {
    return std::make_unique<RoutesCommand>();
}

}  // namespace kelvane::cli
