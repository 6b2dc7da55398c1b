#include <algorithm>

#include "model/DeviceCatalogue.h"
#include "routing/CheckParts.h"
#include "routing/SiteWords.h"

namespace kelvane {
namespace {

std::string MemberWords(EquationKind kind, int member) {
    switch (kind) {
        case EquationKind::Area:
            return AreaListName(member);
        case EquationKind::Device:
            return "Device " + OneBasedNumber(member);
        case EquationKind::Group:
            break;
    }
    return GroupListName(member);
}

std::string Times(std::size_t count) {
    return count == 2 ? "twice" : std::to_string(count) + " times";
}

}  // namespace

EquationMembers DistinctMembers(EquationKind kind, const Equation& equation) {
    EquationMembers members;
    for (int slot = 1; slot <= kEquationTerms; ++slot) {
        const int value = equation[static_cast<std::size_t>(slot)];
        if (IsMember(kind, value)) members.values[members.count++] = value;
    }
    const auto first = members.values.begin();
    std::sort(first, first + static_cast<std::ptrdiff_t>(members.count));
    members.count = static_cast<std::size_t>(
        std::unique(first, first + static_cast<std::ptrdiff_t>(members.count)) - first);
    return members;
}

bool HasMember(EquationKind kind, const Equation& equation) {
    return std::any_of(equation.begin() + 1, equation.end(),
                       [kind](int value) { return IsMember(kind, value); });
}

void CheckDuplicates(EquationKind kind, const Equation& equation, const std::string& what,
                     FindingRecord record, std::vector<SiteFinding>& findings) {
    for (const int member : DistinctMembers(kind, equation)) {
        if (std::count(equation.begin() + 1, equation.end(), member) < 2) continue;
        std::vector<int> slots;
        for (int slot = 1; slot <= kEquationTerms; ++slot)
            if (equation[static_cast<std::size_t>(slot)] == member) slots.push_back(slot);
        findings.push_back({Severity::Warning, "duplicate-member", record,
                            MemberWords(kind, member) + " appears " + Times(slots.size()) + " in " + what +
                                " (slots " + NumberList(slots) +
                                "), taking slots that other members could use"});
    }
}

void CheckZones(const TData& data, const RoutingMap& map, std::vector<SiteFinding>& findings) {
    for (int z = 1; z <= map.ZoneLimit(); ++z) {
        const TKZone& zone = data.ZoneList.Zones[static_cast<std::size_t>(z)];
        const FindingRecord record{FindingRecord::Kind::Zone, z};
        const std::string name = ZoneWords(data, z);
        if ((HasMember(EquationKind::Area, zone.AreaEquation) ||
             HasMember(EquationKind::Device, zone.DeviceEquation)) &&
            map.ZoneOutputs(z).none()) {
            findings.push_back({Severity::Warning, "zone-no-outputs", record,
                                "No fitted over-door light or sounder is allocated to " + name +
                                    ": the calls its equations route to it light nothing"});
        }
        for (const int value : DistinctMembers(EquationKind::Device, zone.DeviceEquation)) {
            const int address = value + 1;
            const bool fitted = data.Loop.Device(address).DeviceType != dtNotFitted;
            if (fitted && data.Loop.IsAreaDevice(address)) continue;
            std::string message =
                "The Device Equation of " + name + " names device " + std::to_string(address);
            if (!fitted) {
                message += ", but no device is fitted at address " + std::to_string(address);
            } else {
                message += " (" + DeviceWords(data, address) + "), which never calls";
            }
            findings.push_back({fitted ? Severity::Warning : Severity::Error,
                                fitted ? "equation-not-a-caller" : "equation-unfitted", record,
                                message + ": that entry routes no call"});
        }
        CheckDuplicates(EquationKind::Area, zone.AreaEquation, "the Area Equation of " + name, record,
                        findings);
        CheckDuplicates(EquationKind::Device, zone.DeviceEquation, "the Device Equation of " + name, record,
                        findings);
    }
}

void CheckGroups(const TData& data, const RoutingMap& map, std::vector<SiteFinding>& findings) {
    for (int g = 1; g <= kGroupCount; ++g) {
        const TKGroup& group = data.GroupList.Groups[static_cast<std::size_t>(g)];
        const FindingRecord record{FindingRecord::Kind::Group, g};
        const std::string name = "Group " + std::to_string(g);
        if ((HasMember(EquationKind::Area, group.PrimaryAreaEquation) ||
             HasMember(EquationKind::Area, group.NightAreaEquation)) &&
            map.GroupDisplays(g).none()) {
            findings.push_back({Severity::Warning, "group-no-displays", record,
                                "No fitted corridor display or network controller is allocated to " + name +
                                    ": the calls of its Primary Areas and Night Areas show on no display"});
        }
        for (const int value : DistinctMembers(EquationKind::Group, group.DivertEquation)) {
            const int target = value + 1;
            if (target == g) {
                findings.push_back({Severity::Warning, "divert-self", record,
                                    "The Divert to Groups of " + name + " names " + name +
                                        " itself: its unanswered calls divert to no other display"});
            } else if (map.GroupDisplays(target).none()) {
                findings.push_back({Severity::Warning, "divert-no-displays", record,
                                    name + " diverts to Group " + std::to_string(target) +
                                        ", which has no fitted corridor display or network controller: "
                                        "calls diverted there show on no display"});
            }
        }
        CheckDuplicates(EquationKind::Area, group.PrimaryAreaEquation, "the Primary Areas of " + name, record,
                        findings);
        CheckDuplicates(EquationKind::Area, group.NightAreaEquation, "the Night Areas of " + name, record,
                        findings);
        CheckDuplicates(EquationKind::Group, group.DivertEquation, "the Divert to Groups of " + name, record,
                        findings);
    }
}

}  // namespace kelvane
