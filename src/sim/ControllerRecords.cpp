#include "sim/ControllerRecords.h"

#include <algorithm>
#include <cctype>

#include "model/DeviceCatalogue.h"

namespace kelvane::sim {

namespace {

constexpr int kHighestPlaceNameIndex = kFirstCustomPlaceNameIndex + kCustomPlaceNameCount - 1;
constexpr int kHighestPagerLevelByte = 5;
constexpr std::size_t kEquationRecordBytes = 25;
constexpr std::size_t kResetCodeLength = 4;

int At(const std::string& payload, std::size_t i) {
    return static_cast<unsigned char>(payload[i]);
}

char Byte(int value) {
    return static_cast<char>(std::clamp(value, 0, 255));
}

std::string Packet(unsigned char command, const std::string& payload) {
    return std::string(1, static_cast<char>(command)) + static_cast<char>(payload.size()) + payload;
}

std::string Fixed(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string WithoutPadding(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

bool IsFlag(int value) {
    return value == 0 || value == 1;
}

std::string TwoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

// Hour and minute of an "HH:MM" text; 0 where the text has no digits.
int TimeField(const std::string& time, std::size_t at) {
    if (time.size() < at + 2 || !std::isdigit(static_cast<unsigned char>(time[at])) ||
        !std::isdigit(static_cast<unsigned char>(time[at + 1])))
        return 0;
    return (time[at] - '0') * 10 + (time[at + 1] - '0');
}

// Reads the eight entries at `first`; false when one is beyond `emptyMarker`.
bool ReadEntries(Equation& entries, const std::string& payload, std::size_t first, int emptyMarker) {
    for (int n = 1; n <= kEquationTerms; ++n) {
        entries[n] = At(payload, first + static_cast<std::size_t>(n - 1));
        if (entries[n] > emptyMarker) return false;
    }
    return true;
}

void AppendEntries(std::string& payload, const Equation& entries, int emptyMarker) {
    for (int n = 1; n <= kEquationTerms; ++n) payload += Byte(std::clamp(entries[n], 0, emptyMarker));
}

}  // namespace

std::optional<std::string> ControllerRecords::AnswerRequest(unsigned char command,
                                                            const std::string& payload) {
    const TKSiteConfig1& site = store_.SiteConfig;
    switch (command) {
        case 'I':
            if (payload.size() < 2) return std::nullopt;
            return DeviceAnswer(At(payload, 1) == 0 ? kLoopDeviceCount : At(payload, 1));
        case 't':
            if (payload.empty()) return std::nullopt;
            return ZoneAnswer(At(payload, 0));
        case 'r':
            if (payload.empty()) return std::nullopt;
            return GroupAnswer(At(payload, 0));
        case 'O':
            return Packet('O', site.CallCode + '\0');
        case 'Q':
            return Packet('Q', site.AttackCode + '\0');
        case 'S':
            return Packet('S', Fixed(site.AL2Code, 4) + Fixed(site.AL3Code, 4));
        case 'x':
            return NightModeAnswer();
        case 0x80:
            return Packet(0x80, {Byte(site.AccTimeout), Byte(site.DivTimeout)});
        case 'z':
            return LoggerAnswer();
        case 0x7C:
            return PagerAnswer();
        case '~':
            return Packet('~', {Byte(site.EmergState), Byte(site.AttackState)});
        case 'p':
            if (payload.empty()) return std::nullopt;
            return CustomNameAnswer(At(payload, 0));
        default:
            return std::nullopt;
    }
}

std::optional<bool> ControllerRecords::StoreSavePacket(unsigned char command, const std::string& payload) {
    TKSiteConfig1& site = store_.SiteConfig;
    switch (command) {
        case 'J':
            return StoreDevice(payload);
        case 'u':
            return StoreZone(payload);
        case 's':
            return StoreGroup(payload);
        case 'R':
            // A reset code may be short: the tool lets the engineer keep one.
            if (payload.size() > kResetCodeLength) return false;
            site.AttackCode = payload;
            return true;
        case 'T':
            if (payload.size() != 8) return false;
            site.AL2Code = payload.substr(0, 4);
            site.AL3Code = payload.substr(4);
            return true;
        case 'P':
            if (payload.size() > kResetCodeLength) return false;
            site.CallCode = payload;
            return true;
        case 'U':
            return StoreTime(payload);
        case 'y':
            return StoreNightMode(payload);
        case 0x81:
            if (payload.size() != 2) return false;
            site.AccTimeout = At(payload, 0);
            site.DivTimeout = At(payload, 1);
            return true;
        case '{':
            return StoreLogger(payload);
        case '}':
            return StorePager(payload);
        case 0x7F:
            if (payload.size() != 2 || !IsFlag(At(payload, 0)) || !IsFlag(At(payload, 1))) return false;
            site.EmergState = At(payload, 0) == 1;
            site.AttackState = At(payload, 1) == 1;
            return true;
        case 'q':
            return StoreCustomName(payload);
        default:
            return std::nullopt;
    }
}

// The controller numbers device types one lower than the tool and marks an
// empty address with 0xFF.
std::string ControllerRecords::DeviceAnswer(int n) const {
    const TKDeviceType& device = store_.Loop.Device(n);
    const bool fitted = device.DeviceType >= 1 && device.DeviceType <= 256;
    std::string payload;
    payload += static_cast<char>(fitted ? device.DeviceType - 1 : 0xFF);
    payload += Byte(device.Allocation);
    payload += '\0';
    payload += Byte(device.Enabled);
    payload += '\0';
    payload += Byte(device.PlaceNameIndex);
    payload += Fixed(device.Suffix, 4);
    return Packet('I', payload);
}

std::string ControllerRecords::ZoneAnswer(int z) const {
    static const TKZone kEmptyZone;
    const TKZone& zone =
        z >= 1 && z <= ZoneCount() ? store_.ZoneList.Zones[static_cast<std::size_t>(z)] : kEmptyZone;
    std::string payload(1, Byte(z));
    AppendEntries(payload, zone.AreaEquation, kAreaEmpty);
    for (int n = 1; n <= kEquationTerms; ++n) {
        const int entry = std::clamp(zone.DeviceEquation[n], 0, kDeviceEmpty);
        payload += static_cast<char>(entry & 0xFF);
        payload += static_cast<char>(entry >> 8);
    }
    return Packet('t', payload);
}

std::string ControllerRecords::GroupAnswer(int g) const {
    TKGroup empty;
    empty.PrimaryAreaEquation = empty.NightAreaEquation = FilledEquation(kAreaEmpty);
    empty.DivertEquation = FilledEquation(kGroupEmpty);
    const TKGroup& group =
        g >= 1 && g <= kGroupCount ? store_.GroupList.Groups[static_cast<std::size_t>(g)] : empty;
    std::string payload(1, Byte(g));
    AppendEntries(payload, group.PrimaryAreaEquation, kAreaEmpty);
    AppendEntries(payload, group.NightAreaEquation, kAreaEmpty);
    AppendEntries(payload, group.DivertEquation, kGroupEmpty);
    return Packet('r', payload);
}

std::string ControllerRecords::NightModeAnswer() const {
    const TKSiteConfig1& site = store_.SiteConfig;
    const bool newController = store_.Supports64Zones();
    return Packet('x', {Byte(TimeField(site.NightModeTime, 0)), Byte(TimeField(site.NightModeTime, 3)),
                        Byte(TimeField(site.DayModeTime, 0)), Byte(TimeField(site.DayModeTime, 3)),
                        Byte(site.NightModeAutoEnable), Byte(newController && site.HTM2015Enable)});
}

// The log is on or off, then the event count step less 2 (as a byte), then
// the mode: 0 disabled, 1 manual only, 2 on every event or after a count.
std::string ControllerRecords::LoggerAnswer() const {
    const TKSiteConfig1& site = store_.SiteConfig;
    const int setting = std::max(site.LoggerSetting, 0);
    return Packet('z', {Byte(setting > 0), static_cast<char>((setting - 2) & 0xFF),
                        Byte(std::min(setting, 2)), Byte(store_.Supports64Zones() && site.SurveyorEnable)});
}

// Pager levels from 2 up are one higher on the wire.
std::string ControllerRecords::PagerAnswer() const {
    const int level = std::max(store_.SiteConfig.PagerLevel, 0);
    return Packet(0x7C, {Byte(store_.SiteConfig.PagerEnabled), Byte(level < 2 ? level : level + 1)});
}

std::string ControllerRecords::CustomNameAnswer(int k) const {
    const TCustomNameList& names = store_.CustomNames;
    const std::string name =
        k >= 1 && k <= names.Count() ? WithoutPadding(names.Item(k - 1).Name) : std::string();
    return Packet('p', Byte(k) + name);
}

bool ControllerRecords::StoreDevice(const std::string& payload) {
    // Number, type, allocation, 0, enabled, 0, place name, suffix (4 or more), 0x00.
    if (payload.size() < 12 || payload.back() != '\0') return false;
    const int n = At(payload, 0);
    const int type = At(payload, 1);
    const int placeName = At(payload, 6);
    if (n < 1 || n >= kLoopDeviceCount || type >= kDeviceTypeCount || placeName > kHighestPlaceNameIndex)
        return false;
    TKDeviceType& device = store_.Loop.Device(n);
    device.DeviceType = type;
    device.Allocation = At(payload, 2);
    device.Enabled = At(payload, 4);
    device.PlaceNameIndex = placeName;
    device.Suffix = WithoutPadding(payload.substr(7, payload.size() - 8));
    return true;
}

bool ControllerRecords::StoreZone(const std::string& payload) {
    if (payload.size() != kEquationRecordBytes) return false;
    const int z = At(payload, 0);
    if (z < 1 || z > ZoneCount()) return false;
    TKZone zone = store_.ZoneList.Zones[static_cast<std::size_t>(z)];
    if (!ReadEntries(zone.AreaEquation, payload, 1, kAreaEmpty)) return false;
    for (int n = 1; n <= kEquationTerms; ++n) {
        const std::size_t low = 9 + 2 * static_cast<std::size_t>(n - 1);
        zone.DeviceEquation[n] = At(payload, low) | (At(payload, low + 1) << 8);
        if (zone.DeviceEquation[n] > kDeviceEmpty) return false;
    }
    store_.ZoneList.Zones[static_cast<std::size_t>(z)] = zone;
    return true;
}

bool ControllerRecords::StoreGroup(const std::string& payload) {
    if (payload.size() != kEquationRecordBytes) return false;
    const int g = At(payload, 0);
    if (g < 1 || g > kGroupCount) return false;
    TKGroup group;
    if (!ReadEntries(group.PrimaryAreaEquation, payload, 1, kAreaEmpty) ||
        !ReadEntries(group.NightAreaEquation, payload, 9, kAreaEmpty) ||
        !ReadEntries(group.DivertEquation, payload, 17, kGroupEmpty))
        return false;
    store_.GroupList.Groups[static_cast<std::size_t>(g)] = group;
    return true;
}

bool ControllerRecords::StoreTime(const std::string& payload) {
    // Year less 2000, month, day, hour, minute, second.
    if (payload.size() != 6) return false;
    std::tm time{};
    time.tm_year = At(payload, 0) + 100;
    time.tm_mon = At(payload, 1) - 1;
    time.tm_mday = At(payload, 2);
    time.tm_hour = At(payload, 3);
    time.tm_min = At(payload, 4);
    time.tm_sec = At(payload, 5);
    if (time.tm_mon < 0 || time.tm_mon > 11 || time.tm_mday < 1 || time.tm_mday > 31 || time.tm_hour > 23 ||
        time.tm_min > 59 || time.tm_sec > 59)
        return false;
    clock_ = time;
    return true;
}

bool ControllerRecords::StoreNightMode(const std::string& payload) {
    // Night hour, night minute, day hour, day minute, auto enable, HTM2015.
    if (payload.size() != 6 || At(payload, 0) > 23 || At(payload, 1) > 59 || At(payload, 2) > 23 ||
        At(payload, 3) > 59 || !IsFlag(At(payload, 4)) || !IsFlag(At(payload, 5)))
        return false;
    TKSiteConfig1& site = store_.SiteConfig;
    site.NightModeTime = TwoDigits(At(payload, 0)) + ":" + TwoDigits(At(payload, 1));
    site.DayModeTime = TwoDigits(At(payload, 2)) + ":" + TwoDigits(At(payload, 3));
    site.NightModeAutoEnable = At(payload, 4) == 1;
    site.HTM2015Enable = At(payload, 5) == 1;
    return true;
}

bool ControllerRecords::StoreLogger(const std::string& payload) {
    // On/off, count step less 2, mode 0..2, surveyor.
    if (payload.size() != 4 || At(payload, 2) > 2 || !IsFlag(At(payload, 3))) return false;
    const int mode = At(payload, 2);
    store_.SiteConfig.LoggerSetting = mode < 2 ? mode : At(payload, 1) + 2;
    store_.SiteConfig.SurveyorEnable = At(payload, 3) == 1;
    return true;
}

bool ControllerRecords::StorePager(const std::string& payload) {
    if (payload.size() != 2 || !IsFlag(At(payload, 0)) || At(payload, 1) > kHighestPagerLevelByte)
        return false;
    const int level = At(payload, 1);
    store_.SiteConfig.PagerEnabled = At(payload, 0) == 1;
    store_.SiteConfig.PagerLevel = level <= 2 ? level : level - 1;
    return true;
}

bool ControllerRecords::StoreCustomName(const std::string& payload) {
    // Name number, the name padded with blanks, 0x00.
    if (payload.size() < 2 || payload.back() != '\0') return false;
    const int k = At(payload, 0);
    if (k < 1 || k > kCustomPlaceNameCount) return false;
    TCustomNameList& names = store_.CustomNames;
    while (names.Count() < k) names.AddCustomName();
    names.Item(k - 1).Name = WithoutPadding(payload.substr(1, payload.size() - 2));
    return true;
}

}  // namespace kelvane::sim
