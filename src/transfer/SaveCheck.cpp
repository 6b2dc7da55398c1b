#include "transfer/SaveCheck.h"

#include "model/DeviceCatalogue.h"
#include "model/ModeTime.h"
#include "transfer/TransferState.h"

namespace kelvane {

namespace {

constexpr int kHighestPlaceNameIndex = kFirstCustomPlaceNameIndex + kCustomPlaceNameCount - 1;
constexpr int kHighestPagerLevel = 4;
constexpr int kHighestByte = 255;
// The logger sends its setting less 2 in one byte.
constexpr int kHighestLoggerSetting = kHighestByte + 2;
constexpr std::size_t kAccessCodeLength = 4;
constexpr std::size_t kResetCodeLength = 4;
// At most this many problems are listed; the rest are counted.
constexpr std::size_t kListedProblems = 10;

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

void CheckRange(std::vector<std::string>& problems, const std::string& field, int value, int low, int high,
                const std::string& what) {
    if (value >= low && value <= high) return;
    problems.push_back(field + " holds " + std::to_string(value) + ", which is not " + what + " (" +
                       std::to_string(low) + " to " + std::to_string(high) + ")");
}

void CheckDevice(std::vector<std::string>& problems, const TData& data, int n) {
    const TKDeviceType& device = data.Loop.Device(n);
    const std::string name = "Device " + std::to_string(n);
    CheckRange(problems, name + " type", device.DeviceType, 0, kDeviceTypeCount - 1, "a device type");
    CheckRange(problems, name + " place name", device.PlaceNameIndex, 0, kHighestPlaceNameIndex,
               "a place name");
    CheckRange(problems, name + " allocation", device.Allocation, 0, kHighestByte,
               "an allocation that fits in a byte");
}

void CheckAccessCode(std::vector<std::string>& problems, const char* label, const std::string& code) {
    if (code.size() == kAccessCodeLength) return;
    problems.push_back(Quoted(label) + " holds " + Quoted(code) + ", which is not 4 digits");
}

void CheckResetCode(std::vector<std::string>& problems, const char* label, const std::string& code) {
    if (code.size() <= kResetCodeLength) return;
    problems.push_back(Quoted(label) + " holds " + Quoted(code) + ", which is longer than 4 characters");
}

void CheckModeTime(std::vector<std::string>& problems, const char* label, const std::string& time) {
    if (ParseModeTime(time)) return;
    problems.push_back(Quoted(label) + " holds " + Quoted(time) +
                       ", which is not a time from 00:00 to 23:59");
}

void CheckRecord(std::vector<std::string>& problems, const TData& data, const SaveRecord& record) {
    const TKSiteConfig1& site = data.SiteConfig;
    switch (record.Kind) {
        case SaveRecordKind::Device:
            CheckDevice(problems, data, record.Number);
            break;
        case SaveRecordKind::AccessCodes:
            CheckAccessCode(problems, "User (AL2) Code", site.AL2Code);
            CheckAccessCode(problems, "Engineer (AL3) Code", site.AL3Code);
            break;
        case SaveRecordKind::CallCode:
            CheckResetCode(problems, "Call Reset Code", site.CallCode);
            break;
        case SaveRecordKind::AttackCode:
            CheckResetCode(problems, "Attack Reset Code", site.AttackCode);
            break;
        case SaveRecordKind::NightMode:
            CheckModeTime(problems, "Night Mode starts at", site.NightModeTime);
            CheckModeTime(problems, "Night Mode ends at", site.DayModeTime);
            break;
        case SaveRecordKind::Timeouts:
            CheckRange(problems, Quoted("Call Accept Timeout"), site.AccTimeout, 0, kHighestByte,
                       "a timeout that fits in a byte");
            CheckRange(problems, Quoted("Divert Timeout"), site.DivTimeout, 0, kHighestByte,
                       "a timeout that fits in a byte");
            break;
        case SaveRecordKind::Logger:
            // A setting below 0 goes as "Disabled".
            if (site.LoggerSetting > kHighestLoggerSetting)
                CheckRange(problems, Quoted("Print Log"), site.LoggerSetting, 0, kHighestLoggerSetting,
                           "a print log setting");
            break;
        case SaveRecordKind::Pager:
            CheckRange(problems, Quoted("RadioPager") + " level", site.PagerLevel, 0, kHighestPagerLevel,
                       "a pager level");
            break;
        case SaveRecordKind::Zone:
        case SaveRecordKind::Group:
        case SaveRecordKind::CustomName:
        case SaveRecordKind::Emergency:
            // Equation entries travel as members or as the empty marker, names
            // and flags as they are: nothing of them can be refused.
            break;
    }
}

void AppendCounted(std::vector<SaveRecord>& records, SaveRecordKind kind, int last) {
    for (int n = 1; n <= last; ++n) records.push_back({kind, n});
}

void AppendSite(std::vector<SaveRecord>& records) {
    for (SaveRecordKind kind : {SaveRecordKind::AttackCode, SaveRecordKind::AccessCodes,
                                SaveRecordKind::CallCode, SaveRecordKind::NightMode, SaveRecordKind::Timeouts,
                                SaveRecordKind::Logger, SaveRecordKind::Pager, SaveRecordKind::Emergency})
        records.push_back({kind, 0});
}

}  // namespace

std::vector<SaveRecord> WholeSaveRecords() {
    std::vector<SaveRecord> records;
    for (int step : {kStepSaveDevices, kStepSaveZones, kStepSaveGroups, kStepSaveSite, kStepSavePlaceNames}) {
        const std::vector<SaveRecord> section = SectionSaveRecords(step);
        records.insert(records.end(), section.begin(), section.end());
    }
    return records;
}

std::vector<SaveRecord> SectionSaveRecords(int step) {
    std::vector<SaveRecord> records;
    switch (step) {
        case kStepSaveDevices:
            AppendCounted(records, SaveRecordKind::Device, kLastSavedDevice);
            break;
        case kStepSaveZones:
            AppendCounted(records, SaveRecordKind::Zone, kZoneCount);
            break;
        case kStepSaveGroups:
            AppendCounted(records, SaveRecordKind::Group, kGroupCount);
            break;
        case kStepSaveSite:
            AppendSite(records);
            break;
        case kStepSavePlaceNames:
            AppendCounted(records, SaveRecordKind::CustomName, kCustomPlaceNameCount);
            break;
        default:
            break;
    }
    return records;
}

std::vector<std::string> SaveProblems(const TData& data, const std::vector<SaveRecord>& records) {
    std::vector<std::string> problems;
    for (const SaveRecord& record : records) CheckRecord(problems, data, record);
    return problems;
}

std::optional<std::string> SaveRefusal(const TData& data, const std::vector<SaveRecord>& records) {
    const std::vector<std::string> problems = SaveProblems(data, records);
    if (problems.empty()) return std::nullopt;
    if (problems.size() == 1)
        return "Cannot save to the Network Controller: " + problems.front() + ". Nothing has been sent.";
    std::string text = "Cannot save to the Network Controller. Nothing has been sent, because:";
    for (std::size_t i = 0; i < problems.size() && i < kListedProblems; ++i) text += "\n" + problems[i] + ".";
    if (problems.size() > kListedProblems)
        text += "\nand " + std::to_string(problems.size() - kListedProblems) + " more.";
    return text;
}

}  // namespace kelvane
