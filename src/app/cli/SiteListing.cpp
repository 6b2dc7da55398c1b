#include "app/cli/SiteListing.h"

#include <sstream>

#include "file/SiteFields.h"
#include "model/DeviceCatalogue.h"
#include "model/EquationText.h"
#include "model/SiteSettingLists.h"

namespace kelvane::cli {
namespace {

std::string Padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

std::string RightAligned(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string YesNo(bool value) {
    return value ? "Yes" : "No";
}

// The list entry at `index`, or a note of the stored value that names none.
std::string EntryText(const std::vector<const char*>& entries, int index) {
    const std::string entry = ListEntry(entries, index);
    return entry.empty() ? "Unknown (" + std::to_string(index) + ")" : entry;
}

std::string LoggerSettingText(int setting) {
    return EntryText(LoggerSettingEntries(), setting);
}

std::string PagerText(const TKSiteConfig1& site) {
    if (!site.PagerEnabled) return ListEntry(PagerLevelEntries(), 0);
    return EntryText(PagerLevelEntries(), site.PagerLevel);
}

std::string AllocationText(const TKLoop& loop, int n) {
    const int allocation = loop.Device(n).Allocation;
    if (loop.IsGroupDevice(n)) return GroupListName(allocation);
    if (loop.IsAreaDevice(n)) {
        const std::string letter = AreaLetter(allocation);
        return letter.empty() ? "Area ?" + std::to_string(allocation) : "Area " + letter;
    }
    return ZoneListName(allocation);
}

void ListSite(const TKSiteConfig1& site, std::ostream& out) {
    constexpr std::size_t kLabelWidth = 28;
    out << "Site settings\n";
    for (const SiteTextField& field : kSiteTextFields) {
        out << "  " << Padded(std::string(field.label) + ":", kLabelWidth) << site.*field.member << "\n";
    }
    for (const SiteBoolField& field : kSiteBoolFields) {
        out << "  " << Padded(std::string(field.label) + ":", kLabelWidth) << YesNo(site.*field.member)
            << "\n";
    }
    for (const SiteIntField& field : kSiteIntFields) {
        const int value = site.*field.member;
        std::string text = std::to_string(value);
        if (field.member == &TKSiteConfig1::LoggerSetting) text = LoggerSettingText(value);
        if (field.member == &TKSiteConfig1::PagerLevel) text = PagerText(site);
        out << "  " << Padded(std::string(field.label) + ":", kLabelWidth) << text << "\n";
    }
}

void ListDevices(const TData& data, std::ostream& out) {
    out << "\nDevices (fitted)\n  Addr  " << Padded("Type", 20) << Padded("Allocation", 12)
        << Padded("Place name", 14) << Padded("Suffix", 8) << "Enabled\n";
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        const TKDeviceType& device = data.Loop.Device(n);
        if (device.DeviceType == dtNotFitted) continue;
        std::string type = TKLoop::DeviceTypeShortName(device.DeviceType);
        if (type.empty()) type = "Type " + std::to_string(device.DeviceType);
        out << "  " << RightAligned(std::to_string(n), 4) << "  " << Padded(type, 20)
            << Padded(AllocationText(data.Loop, n), 12) << Padded(data.DevicePlaceName(n), 14)
            << Padded(device.Suffix, 8) << YesNo(device.Enabled != 0) << "\n";
    }
}

void ListEquations(const TData& data, std::ostream& out) {
    out << "\nZones            areas / devices\n";
    for (int z = 1; z <= kZoneCount; ++z) {
        const TKZone& zone = data.ZoneList.Zones[static_cast<std::size_t>(z)];
        out << "  " << Padded("Zone " + std::to_string(z), 9) << "[" << AreaEquationText(zone.AreaEquation)
            << "]  [" << DeviceEquationText(zone.DeviceEquation) << "]  " << zone.Name << "\n";
    }
    out << "\nGroups           primary areas / night areas / divert groups\n";
    for (int g = 1; g <= kGroupCount; ++g) {
        const TKGroup& group = data.GroupList.Groups[static_cast<std::size_t>(g)];
        out << "  " << Padded("Group " + std::to_string(g), 9) << "["
            << AreaEquationText(group.PrimaryAreaEquation) << "]  ["
            << AreaEquationText(group.NightAreaEquation) << "]  [" << DivertEquationText(group.DivertEquation)
            << "]\n";
    }
}

void ListNames(const TData& data, std::ostream& out) {
    out << "\nCustom place names\n";
    for (int i = 0; i < data.CustomNames.Count(); ++i) {
        out << "  " << RightAligned(std::to_string(i + 1), 2) << "  " << data.CustomNames.Item(i).Name
            << "\n";
    }
    const TRepeaterList& network = data.RepeaterList;
    out << "\nNetwork\n  Panel name:     " << network.PanelName << "\n  Segment number: " << network.Segment
        << "\n";
    for (int n = 1; n <= kRepeaterCount; ++n) {
        out << "  Repeater " << RightAligned(std::to_string(n), 2) << ":    "
            << Padded(network.Repeater(n).Name, 16) << (network.Repeater(n).Fitted ? "fitted" : "not fitted")
            << "\n";
    }
}

}  // namespace

std::string SiteListing(const TData& data) {
    std::ostringstream out;
    out << "Main version: " << data.SiteConfig.MainVersion << "\n\n";
    ListSite(data.SiteConfig, out);
    ListDevices(data, out);
    ListEquations(data, out);
    ListNames(data, out);
    out << "\nComments\n";
    for (const std::string& line : data.Comments) out << "  " << line << "\n";
    return out.str();
}

}  // namespace kelvane::cli
