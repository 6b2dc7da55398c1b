#include "sim/ConfigurationPrintout.h"

#include "log/LogFields.h"
#include "model/DeviceCatalogue.h"

namespace kelvane::sim {

namespace {

constexpr std::size_t kPlaceNameWidth = 11;
constexpr char kRadioReceiverLetter = 'R';

std::string RightAligned(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string LeftAligned(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string Number(int value, std::size_t width) {
    return RightAligned(std::to_string(value), width);
}

char TypeLetter(int type) {
    if (type >= 1 && type <= static_cast<int>(kDeviceTypeLetters.size()))
        return kDeviceTypeLetters[static_cast<std::size_t>(type - 1)];
    return kRadioReceiverLetter;
}

std::string DeviceLine(const TData& site, int n) {
    const TKDeviceType& device = site.Loop.Device(n);
    std::string area;
    std::string group;
    std::string zone;
    switch (DeviceAllocationClass(device.DeviceType)) {
        case AllocationClass::Area:
            area = AreaLetter(device.Allocation);
            break;
        case AllocationClass::Group:
            group = std::to_string(device.Allocation + 1);
            break;
        case AllocationClass::Zone:
            zone = std::to_string(device.Allocation + 1);
            break;
        case AllocationClass::None:
            break;
    }
    return Number(n, 4) + "|" + TypeLetter(device.DeviceType) + "|" + LeftAligned(area, 1) + "|" +
           RightAligned(group, 3) + "|" + RightAligned(zone, 3) + "|" +
           LeftAligned(site.DevicePlaceName(n), kPlaceNameWidth) + "|" + device.Suffix;
}

// An area entry: its letter, "!" for the empty marker, blank for an empty entry (-1).
std::string AreaEntry(int value) {
    if (value >= 0 && value < kAreaCount) return AreaLetter(value);
    return value == -1 ? " " : std::string(kMissingField);
}

// A device or group entry: its number from 1, blank when empty.
std::string NumberEntry(int value, int emptyMarker, std::size_t width) {
    return value >= -1 && value < emptyMarker ? Number(value + 1, width) : std::string(width, ' ');
}

template <typename Entry>
std::string EquationField(const Equation& equation, Entry entry) {
    std::string field;
    for (int k = 1; k <= kEquationTerms; ++k) {
        if (k > 1) field += kLogEntrySeparator;
        field += entry(equation[static_cast<std::size_t>(k)]);
    }
    return field;
}

std::string Areas(const Equation& equation) {
    return EquationField(equation, AreaEntry);
}

std::string Numbers(const Equation& equation, int emptyMarker, std::size_t width) {
    return EquationField(equation, [&](int value) { return NumberEntry(value, emptyMarker, width); });
}

std::string Printed(const std::tm& time) {
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, "%d/%m/%Y %H:%M", &time);
    return std::string(text, length);
}

}  // namespace

std::vector<std::string> ConfigurationPrintout(const TData& site, const std::tm& printedAt) {
    std::vector<std::string> lines{
        "KELVANE NETWORK CONTROLLER - CONFIGURATION PRINTOUT",
        "Panel: " + site.RepeaterList.PanelName + "   Software: " + site.GetMainVersion() +
            "   Printed: " + Printed(printedAt),
        "",
        "DEVICE CONFIGURATION",
        "Addr|T|A|Grp|Zne|Place Name |Sfx",
    };
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        if (site.Loop.Device(n).DeviceType != dtNotFitted) lines.push_back(DeviceLine(site, n));
    }
    lines.push_back(" 999|END OF DEVICES");
    lines.push_back("");
    lines.push_back("GROUP CONFIGURATION");
    lines.push_back("Grp|Primary Areas  |Night Areas    |Divert Groups");
    for (int g = 1; g <= kGroupCount; ++g) {
        const TKGroup& group = site.GroupList.Groups[static_cast<std::size_t>(g)];
        lines.push_back(Number(g, 3) + "|" + Areas(group.PrimaryAreaEquation) + "|" +
                        Areas(group.NightAreaEquation) + "|" + Numbers(group.DivertEquation, kGroupEmpty, 2));
    }
    lines.push_back("999|END OF GROUPS");
    lines.push_back("");
    lines.push_back("ZONE CONFIGURATION");
    lines.push_back("Zne|Areas          |Devices");
    for (int z = 1; z <= site.SiteConfig.ZoneLimit(); ++z) {
        const TKZone& zone = site.ZoneList.Zones[static_cast<std::size_t>(z)];
        lines.push_back(Number(z, 3) + "|" + Areas(zone.AreaEquation) + "|" +
                        Numbers(zone.DeviceEquation, kDeviceEmpty, 3));
    }
    lines.push_back("999|END OF ZONES");
    lines.push_back("END OF PRINTOUT");
    return lines;
}

}  // namespace kelvane::sim
