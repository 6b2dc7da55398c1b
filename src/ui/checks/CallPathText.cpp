#include "ui/checks/CallPathText.h"

#include <cctype>
#include <vector>

#include "routing/RoutingMatrix.h"
#include "routing/SiteWords.h"

namespace kelvane {
namespace {

std::string DeviceLines(const TData& data, const DeviceSet& devices) {
    const std::vector<int> members = SetMembers(devices);
    if (members.empty()) return "    (no fitted device)\n";
    std::string lines;
    for (const int n : members) lines += "    " + std::to_string(n) + " " + DeviceWords(data, n) + "\n";
    return lines;
}

DeviceSet DisplaysOf(const RoutingMap& map, const GroupSet& groups) {
    DeviceSet displays;
    for (const int g : SetMembers(groups)) displays |= map.GroupDisplays(g);
    return displays;
}

// "- by day on the displays of Groups 2 and 5:" and the devices below it, or
// "- by day on the displays of no group".
std::string Section(const std::string& heading, const std::string& noun, const std::vector<int>& numbers,
                    const std::string& devices) {
    if (numbers.empty()) return heading + " no " + noun + "\n";
    std::string named = noun;
    named[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(named[0])));
    if (numbers.size() > 1) named += "s";
    return heading + " " + named + " " + NumberList(numbers) + ":\n" + devices;
}

std::string SourceLines(const TData& data, const std::vector<CallSource>& sources) {
    if (sources.empty()) return "    (no call)\n";
    std::string lines;
    for (const CallSource& source : sources) lines += "    " + SourceWords(data, source) + "\n";
    return lines;
}

std::vector<CallSource> SourcesDivertedTo(const RoutingMap& map, int group) {
    std::vector<CallSource> sources;
    for (const Route& route : map.Routes())
        if (route.diverts.test(static_cast<std::size_t>(group))) sources.push_back(route.source);
    return sources;
}

}  // namespace

std::string CallPathText(const TData& data, const RoutingMap& map, const Route& route) {
    DeviceSet lights;
    for (const int z : SetMembers(route.zones)) lights |= map.ZoneOutputs(z);
    std::string text = "A call from " + SourceWords(data, route.source) + " shows\n";
    text += Section("- day and night on the over-door lights and sounders of", "zone",
                    SetMembers(route.zones), DeviceLines(data, lights));
    text += Section("- by day on the displays of", "group", SetMembers(route.groupsDay),
                    DeviceLines(data, DisplaysOf(map, route.groupsDay)));
    text += Section("- at night on the displays of", "group", SetMembers(route.groupsNight),
                    DeviceLines(data, DisplaysOf(map, route.groupsNight)));
    text += Section("- after a divert on the displays of", "group", SetMembers(route.diverts),
                    DeviceLines(data, DisplaysOf(map, route.diverts)));
    return text;
}

std::string ShownByDeviceText(const TData& data, const RoutingMap& map, int address) {
    std::string text = std::to_string(address) + " " + DeviceWords(data, address) + " shows the calls of\n" +
                       SourceLines(data, map.SourcesShownByDevice(address));
    const int allocation = data.Loop.Device(address).Allocation;
    if (data.Loop.IsGroupDevice(address) && allocation >= 0 && allocation < kGroupCount)
        text += "and after a divert to Group " + std::to_string(allocation + 1) + "\n" +
                SourceLines(data, SourcesDivertedTo(map, allocation + 1));
    return text;
}

std::string ShownByZoneText(const TData& data, const RoutingMap& map, int zone) {
    return ZoneWords(data, zone) + " shows the calls of\n" + SourceLines(data, map.SourcesShownByZone(zone));
}

std::string ShownByGroupText(const TData& data, const RoutingMap& map, int group) {
    const std::string name = "Group " + std::to_string(group);
    return name + " shows by day or at night the calls of\n" +
           SourceLines(data, map.SourcesShownByGroup(group)) + "and after a divert to " + name + "\n" +
           SourceLines(data, SourcesDivertedTo(map, group));
}

}  // namespace kelvane
