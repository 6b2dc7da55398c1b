#include "log/LogConverter.h"

#include <iterator>

#include "log/LogFields.h"
#include "model/DeviceCatalogue.h"

namespace kelvane {

namespace {

// A device entry that is not an address 1..256 reads as 257, a divert entry
// that is not a group 1..32 as 33: both empty.
struct NumberEntries {
    int highest;
    int missing;
};
constexpr NumberEntries kDeviceEntries{kLoopDeviceCount, kDeviceEmpty + 1};
constexpr NumberEntries kDivertEntries{kGroupCount, kGroupEmpty + 1};

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string OutOfRange(const char* what, int number, int low, int high) {
    return "the " + std::string(what) + " " + std::to_string(number) + " is not between " +
           std::to_string(low) + " and " + std::to_string(high);
}

// Entry `k` (1..8) of equation field `field`, trimmed.
std::string EquationEntry(const std::string& field, int k) {
    return TrimLogText(GetLogField(field, k - 1, kLogEntrySeparator));
}

void ReadAreaEquation(const std::string& field, Equation& equation) {
    for (int k = 1; k <= kEquationTerms; ++k)
        equation[static_cast<std::size_t>(k)] = LetterPosition(kEquationLetters, EquationEntry(field, k)) - 1;
}

void ReadNumberEquation(const std::string& field, NumberEntries entries, Equation& equation) {
    for (int k = 1; k <= kEquationTerms; ++k) {
        const std::optional<int> number = ParseWholeNumber(EquationEntry(field, k));
        const bool inRange = number && *number >= 1 && *number <= entries.highest;
        equation[static_cast<std::size_t>(k)] = (inRange ? *number : entries.missing) - 1;
    }
}

bool IsNumbered(const std::string& line) {
    return GetRecordNumber(line) != kNoRecordNumber;
}

// The first numbered line from `from` on, or the line count.
std::size_t FirstNumberedLine(const std::vector<std::string>& lines, std::size_t from) {
    while (from < lines.size() && !IsNumbered(lines[from])) ++from;
    return from;
}

}  // namespace

int TLogConverter::FindPlaceNameCode(std::string_view text) const {
    if (text.empty()) return 0;
    // Code 0 ("Unnamed") never counts as found.
    static const std::vector<std::string> standardNames = [] {
        std::vector<std::string> names;
        for (int code = 0; code < kStandardPlaceNameCount; ++code) names.push_back(StandardPlaceName(code));
        return names;
    }();
    for (int code = 1; code < kStandardPlaceNameCount; ++code) {
        if (standardNames[static_cast<std::size_t>(code)].find(text) != std::string::npos) return code;
    }
    for (int index = 0; index < data_.CustomNames.Count(); ++index) {
        if (data_.CustomNames.Item(index).Name.find(text) != std::string::npos)
            return kFirstCustomPlaceNameIndex + index;
    }
    return 0;
}

std::string TLogConverter::ConvertDeviceRecord(const std::string& line) {
    const int n = GetRecordNumber(line);
    if (n < 1 || n > kLoopDeviceCount) return OutOfRange("device address", n, 1, kLoopDeviceCount);
    TKDeviceType& device = data_.Loop.Device(n);

    const int type = LetterPosition(kDeviceTypeLetters, TrimLogText(GetLogField(line, 1)));
    int allocation = device.Allocation;
    switch (DeviceAllocationClass(type)) {
        case AllocationClass::Area:
            allocation = LetterPosition(kDeviceAreaLetters, TrimLogText(GetLogField(line, 2))) - 1;
            break;
        case AllocationClass::Zone:
        case AllocationClass::Group: {
            const bool zone = DeviceAllocationClass(type) == AllocationClass::Zone;
            const std::string field = TrimLogText(GetLogField(line, zone ? 4 : 3));
            const std::string what = "the " + std::string(zone ? "zone" : "group") + " " + Quoted(field);
            const std::optional<int> number = ParseWholeNumber(field);
            if (!number) return what + " is not a whole number";
            // The site's zones: 32, or 64 on a controller that has them.
            const int highest = zone ? data_.SiteConfig.ZoneLimit() : kGroupCount;
            if (*number < 1 || *number > highest)
                return what + " is not between 1 and " + std::to_string(highest);
            allocation = *number - 1;
            break;
        }
        case AllocationClass::None:
            break;
    }

    const std::string placeName = TrimLogText(GetLogField(line, 5));
    int placeNameIndex = FindPlaceNameCode(placeName);
    const bool newCustomName = updateCustomNames_ && placeNameIndex == 0;
    if (newCustomName) {
        if (CustomNamesAdded >= data_.CustomNames.Count())
            return "all " + std::to_string(data_.CustomNames.Count()) +
                   " custom place names are taken, and the place name " + Quoted(placeName) +
                   " is not one of them";
        placeNameIndex = kFirstCustomPlaceNameIndex + CustomNamesAdded;
    }

    if (newCustomName) data_.CustomNames.Item(CustomNamesAdded++).Name = placeName;
    device.DeviceType = type;
    device.Allocation = allocation;
    device.PlaceNameIndex = placeNameIndex;
    device.Suffix = GetLogField(line, 6);
    device.Enabled = 1;
    return {};
}

std::string TLogConverter::ConvertGroupRecord(const std::string& line) {
    const int g = GetRecordNumber(line);
    if (g < 0 || g > kGroupCount) return OutOfRange("group number", g, 0, kGroupCount);
    TKGroup& group = data_.GroupList.Groups[static_cast<std::size_t>(g)];
    ReadAreaEquation(GetLogField(line, 1), group.PrimaryAreaEquation);
    ReadAreaEquation(GetLogField(line, 2), group.NightAreaEquation);
    ReadNumberEquation(GetLogField(line, 3), kDivertEntries, group.DivertEquation);
    return {};
}

std::string TLogConverter::ConvertZoneRecord(const std::string& line) {
    const int z = GetRecordNumber(line);
    if (z < 0 || z > kZoneCount) return OutOfRange("zone number", z, 0, kZoneCount);
    TKZone& zone = data_.ZoneList.Zones[static_cast<std::size_t>(z)];
    ReadAreaEquation(GetLogField(line, 1), zone.AreaEquation);
    ReadNumberEquation(GetLogField(line, 2), kDeviceEntries, zone.DeviceEquation);
    return {};
}

TLogConverter::SectionEnd TLogConverter::ConvertSection(const std::vector<std::string>& lines,
                                                        std::size_t first, RecordConverter convert,
                                                        int& converted) {
    for (std::size_t i = first; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        // Lines of one character or none are passed over.
        if (line.size() <= 1) continue;
        const int number = GetRecordNumber(line);
        if (number == kNoRecordNumber) return {i, {}};
        // Numbers from 1000 up are passed over without ending the section.
        if (number > kNoRecordNumber) continue;
        std::string error = (this->*convert)(line);
        if (!error.empty()) return {i, std::move(error), i};
        ++converted;
    }
    return {lines.size(), {}};
}

ConvertResult TLogConverter::ConvertLog(const std::vector<std::string>& lines) {
    CustomNamesAdded = 0;
    ConvertResult result;
    if (lines.empty()) {
        result.Outcome = ConvertOutcome::NoData;
        result.Message = kNoDataToConvert;
        return result;
    }
    std::size_t start = FirstNumberedLine(lines, 0);
    if (start == lines.size()) {
        result.Outcome = ConvertOutcome::NotFormatted;
        result.Message = kDataIncorrectlyFormatted;
        return result;
    }

    const RecordConverter sections[] = {&TLogConverter::ConvertDeviceRecord,
                                        &TLogConverter::ConvertGroupRecord,
                                        &TLogConverter::ConvertZoneRecord};
    int* counts[] = {&result.Devices, &result.Groups, &result.Zones};
    for (std::size_t s = 0; s < std::size(sections) && start < lines.size(); ++s) {
        const SectionEnd end = ConvertSection(lines, start, sections[s], *counts[s]);
        result.CustomNamesAdded = CustomNamesAdded;
        if (!end.Error.empty()) {
            result.Outcome = ConvertOutcome::Stopped;
            result.StopReport = "The data could not be converted at line " +
                                std::to_string(end.ErrorLine + 1) + ": " + end.Error + ".\n" +
                                lines[end.ErrorLine];
            result.Message = result.StopReport + "\n" +
                             (result.ModelChanged() ? "The records before that line have been converted."
                                                    : "Nothing has been converted.");
            return result;
        }
        start = end.EndingLine >= lines.size() ? lines.size() : FirstNumberedLine(lines, end.EndingLine + 1);
    }
    result.Message = kDataConverted;
    return result;
}

ConvertResult ConvertLog(const std::vector<std::string>& lines, TData& data, bool updateCustomNames) {
    return TLogConverter(data, updateCustomNames).ConvertLog(lines);
}

}  // namespace kelvane
