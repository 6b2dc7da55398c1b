#include "compare/SiteComparison.h"

#include <algorithm>

#include "compare/DifferenceList.h"
#include "compare/ReturnedText.h"
#include "model/DeviceCatalogue.h"
#include "model/DeviceSummaryRow.h"
#include "model/EquationText.h"
#include "transfer/SaveRecords.h"

namespace kelvane {

namespace {

// The members of an equation in slot order, its empty entries left out.
std::vector<int> Members(const Equation& equation, int emptyMarker) {
    std::vector<int> members;
    for (int n = 1; n <= kEquationTerms; ++n) {
        if (equation[static_cast<std::size_t>(n)] < emptyMarker)
            members.push_back(equation[static_cast<std::size_t>(n)]);
    }
    return members;
}

// The equation's text on the tabs, without the spacing around it.
std::string Trimmed(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

void CompareEquation(DifferenceList& list, const char* field, const Equation& a, const Equation& b,
                     int emptyMarker, std::string (*text)(const Equation&)) {
    if (Members(a, emptyMarker) != Members(b, emptyMarker))
        list.Add(field, Trimmed(text(a)), Trimmed(text(b)));
}

std::string TypeWords(int type) {
    const std::string name = DeviceTypeShortName(type);
    return name.empty() ? "Type " + std::to_string(type) : name;
}

std::string PlaceWords(const TData& data, int n) {
    const std::string name = data.DevicePlaceName(n);
    return name.empty() ? "Place name " + std::to_string(data.Loop.Device(n).PlaceNameIndex) : name;
}

void CompareDevice(const TData& a, const TData& b, int n, bool controllerOnly, DifferenceList& list) {
    const TKDeviceType& deviceA = a.Loop.Device(n);
    const TKDeviceType& deviceB = b.Loop.Device(n);
    list.Record(DifferenceSection::Device, n);
    list.Number("DeviceType", deviceA.DeviceType, deviceB.DeviceType, TypeWords);
    // Each site's allocation and place name read by its own device type and custom names.
    if (deviceA.Allocation != deviceB.Allocation) {
        list.Described("Allocation", deviceA.Allocation, deviceB.Allocation, DeviceAllocationText(a.Loop, n),
                       DeviceAllocationText(b.Loop, n));
    }
    if (deviceA.PlaceNameIndex != deviceB.PlaceNameIndex) {
        list.Described("PlaceNameIndex", deviceA.PlaceNameIndex, deviceB.PlaceNameIndex, PlaceWords(a, n),
                       PlaceWords(b, n));
    }
    if (controllerOnly) {
        list.Text("Suffix", ReturnedText(deviceA.Suffix, kSuffixAnswerWidth),
                  ReturnedText(deviceB.Suffix, kSuffixAnswerWidth));
    } else {
        list.Text("Suffix", deviceA.Suffix, deviceB.Suffix);
    }
    list.Number("Enabled", deviceA.Enabled, deviceB.Enabled,
                [](int enabled) { return std::string(enabled != 0 ? "YES" : "NO"); });
}

void CompareZone(const TKZone& a, const TKZone& b, int z, bool controllerOnly, DifferenceList& list) {
    list.Record(DifferenceSection::Zone, z);
    if (!controllerOnly) list.Text("Name", a.Name, b.Name);
    CompareEquation(list, "AreaEquation", a.AreaEquation, b.AreaEquation, kAreaEmpty, AreaEquationText);
    CompareEquation(list, "DeviceEquation", a.DeviceEquation, b.DeviceEquation, kDeviceEmpty,
                    DeviceEquationText);
}

void CompareGroup(const TKGroup& a, const TKGroup& b, int g, DifferenceList& list) {
    list.Record(DifferenceSection::Group, g);
    CompareEquation(list, "PrimaryAreaEquation", a.PrimaryAreaEquation, b.PrimaryAreaEquation, kAreaEmpty,
                    AreaEquationText);
    CompareEquation(list, "NightAreaEquation", a.NightAreaEquation, b.NightAreaEquation, kAreaEmpty,
                    AreaEquationText);
    CompareEquation(list, "DivertEquation", a.DivertEquation, b.DivertEquation, kGroupEmpty,
                    DivertEquationText);
}

std::string CustomName(const TCustomNameList& names, int k) {
    return k <= names.Count() ? names.Item(k - 1).Name : std::string();
}

void CompareCustomNames(const TData& a, const TData& b, bool controllerOnly, DifferenceList& list) {
    for (int k = 1; k <= kCustomPlaceNameCount; ++k) {
        list.Record(DifferenceSection::CustomName, k);
        const std::string nameA = CustomName(a.CustomNames, k);
        const std::string nameB = CustomName(b.CustomNames, k);
        if (controllerOnly) {
            list.Text("Name", ReturnedText(nameA), ReturnedText(nameB));
        } else {
            list.Text("Name", nameA, nameB);
        }
    }
}

void CompareNetwork(const TRepeaterList& a, const TRepeaterList& b, DifferenceList& list) {
    list.Record(DifferenceSection::Network, 0);
    list.Text("PanelName", a.PanelName, b.PanelName);
    list.Number("Segment", a.Segment, b.Segment, [](int segment) { return std::to_string(segment); });
    for (int n = 1; n <= kRepeaterCount; ++n) {
        list.Record(DifferenceSection::Repeater, n);
        list.Text("Name", a.Repeater(n).Name, b.Repeater(n).Name);
        list.Flag("Fitted", a.Repeater(n).Fitted, b.Repeater(n).Fitted);
    }
}

void CompareComments(const std::vector<std::string>& a, const std::vector<std::string>& b,
                     DifferenceList& list) {
    const std::size_t lines = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < lines; ++i) {
        list.Record(DifferenceSection::CommentLine, static_cast<int>(i + 1));
        list.Text("Text", i < a.size() ? a[i] : std::string(), i < b.size() ? b[i] : std::string());
    }
}

}  // namespace

ComparisonScope ComparisonScope::EveryField() {
    return {};
}

ComparisonScope ComparisonScope::Controller(const TData& controller) {
    ComparisonScope scope;
    scope.ControllerOnly = true;
    scope.ZoneLimit = controller.SiteConfig.ZoneLimit();
    scope.Has64Zones = controller.Supports64Zones();
    return scope;
}

std::vector<SiteDifference> CompareSites(const TData& a, const TData& b, const ComparisonScope& scope) {
    std::vector<SiteDifference> differences;
    DifferenceList list(differences);
    const bool controllerOnly = scope.ControllerOnly;
    const int lastDevice = controllerOnly ? kLastSavedDevice : kLoopDeviceCount;
    for (int n = 1; n <= lastDevice; ++n) CompareDevice(a, b, n, controllerOnly, list);
    const int lastZone = controllerOnly ? std::clamp(scope.ZoneLimit, 0, kZoneCount) : kZoneCount;
    for (int z = 1; z <= lastZone; ++z) {
        CompareZone(a.ZoneList.Zones[static_cast<std::size_t>(z)],
                    b.ZoneList.Zones[static_cast<std::size_t>(z)], z, controllerOnly, list);
    }
    for (int g = 1; g <= kGroupCount; ++g) {
        CompareGroup(a.GroupList.Groups[static_cast<std::size_t>(g)],
                     b.GroupList.Groups[static_cast<std::size_t>(g)], g, list);
    }
    CompareSiteSettings(a.SiteConfig, b.SiteConfig, scope, list);
    CompareCustomNames(a, b, controllerOnly, list);
    if (!controllerOnly) {
        CompareNetwork(a.RepeaterList, b.RepeaterList, list);
        CompareComments(a.Comments, b.Comments, list);
    }
    return differences;
}

}  // namespace kelvane
