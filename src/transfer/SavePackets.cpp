#include "transfer/SavePackets.h"

#include "model/DeviceCatalogue.h"
#include "model/ModeTime.h"
#include "transfer/TransferPacket.h"

namespace kelvane {

namespace {

constexpr std::size_t kSuffixWidth = 4;
constexpr std::size_t kCustomNameWidth = 11;

// An entry as the controller takes it: members as they are, every empty
// entry as the kind's marker (a cleared divert entry, 33, goes as 32).
int WireEntry(EquationKind kind, int value) {
    return IsMember(kind, value) ? value : EmptyMarker(kind);
}

// Eight entries of one byte each.
void AppendEntryBytes(std::string& payload, EquationKind kind, const Equation& equation) {
    for (int n = 1; n <= kEquationTerms; ++n) payload += static_cast<char>(WireEntry(kind, equation[n]));
}

// A device entry as 16 bits, low byte first.
std::string DeviceEntryBytes(int value) {
    const int entry = WireEntry(EquationKind::Device, value);
    return {static_cast<char>(entry & 0xFF), static_cast<char>(entry >> 8)};
}

std::string PaddedText(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

char Flag(bool value) {
    return value ? 1 : 0;
}

// Hour and minute of a mode time. A save that sends them has checked both
// times first (SaveRefusal), so every time here reads.
void AppendHourMinute(std::string& payload, const std::string& text) {
    const ModeTime time = ParseModeTime(text).value_or(ModeTime{});
    payload += static_cast<char>(time.Hour);
    payload += static_cast<char>(time.Minute);
}

}  // namespace

std::string SavePackets::Device(int n) const {
    const TKDeviceType& device = data_.Loop.Device(n);
    const bool typeFits = device.DeviceType >= 0 && device.DeviceType <= 255;
    std::string payload;
    payload += ByteOf(n);
    payload += static_cast<char>(typeFits ? device.DeviceType : dtNotFitted);
    payload += ByteOf(device.Allocation);
    payload += '\0';
    payload += ByteOf(device.Enabled);
    payload += '\0';
    payload += ByteOf(device.PlaceNameIndex);
    payload += PaddedText(TextFitting(device.Suffix, 8), kSuffixWidth);
    payload += '\0';
    return MakePacket('J', payload);
}

std::string SavePackets::Zone(int z) const {
    const TKZone& zone = data_.ZoneList.Zones.at(static_cast<std::size_t>(z));
    std::string payload(1, ByteOf(z));
    AppendEntryBytes(payload, EquationKind::Area, zone.AreaEquation);
    for (int n = 1; n <= kEquationTerms; ++n) payload += DeviceEntryBytes(zone.DeviceEquation[n]);
    return MakePacket('u', payload);
}

std::string SavePackets::Group(int g) const {
    const TKGroup& group = data_.GroupList.Groups.at(static_cast<std::size_t>(g));
    std::string payload(1, ByteOf(g));
    AppendEntryBytes(payload, EquationKind::Area, group.PrimaryAreaEquation);
    AppendEntryBytes(payload, EquationKind::Area, group.NightAreaEquation);
    AppendEntryBytes(payload, EquationKind::Group, group.DivertEquation);
    return MakePacket('s', payload);
}

std::string SavePackets::AttackCode() const {
    return MakePacket('R', TextFitting(data_.SiteConfig.AttackCode, 0));
}

std::string SavePackets::AccessCodes() const {
    const std::string level2 = TextFitting(data_.SiteConfig.AL2Code, 128);
    return MakePacket('T', level2 + TextFitting(data_.SiteConfig.AL3Code, level2.size()));
}

std::string SavePackets::CallCode() const {
    return MakePacket('P', TextFitting(data_.SiteConfig.CallCode, 0));
}

std::string SavePackets::Time(const std::tm& local) {
    std::string payload;
    payload += ByteOf(local.tm_year + 1900 - 2000);
    payload += ByteOf(local.tm_mon + 1);
    payload += ByteOf(local.tm_mday);
    payload += ByteOf(local.tm_hour);
    payload += ByteOf(local.tm_min);
    payload += ByteOf(local.tm_sec);
    return MakePacket('U', payload);
}

std::string SavePackets::NightMode() const {
    const TKSiteConfig1& site = data_.SiteConfig;
    std::string payload;
    AppendHourMinute(payload, site.NightModeTime);
    AppendHourMinute(payload, site.DayModeTime);
    payload += Flag(site.NightModeAutoEnable);
    payload += Flag(site.HTM2015Enable);
    return MakePacket('y', payload);
}

std::string SavePackets::Timeouts() const {
    return MakePacket(0x81, {ByteOf(data_.SiteConfig.AccTimeout), ByteOf(data_.SiteConfig.DivTimeout)});
}

std::string SavePackets::Logger() const {
    const int setting = data_.SiteConfig.LoggerSetting;
    std::string payload;
    if (setting <= 0) {
        // Disabled; a negative setting from a hand-edited file is sent as disabled too.
        payload = {0x00, static_cast<char>(0xFE), 0x00};
    } else if (setting == 1) {
        payload = {0x01, static_cast<char>(0xFF), 0x01};
    } else {
        payload = {0x01, ByteOf(setting - 2), 0x02};
    }
    payload += Flag(data_.SiteConfig.SurveyorEnable);
    return MakePacket('{', payload);
}

std::string SavePackets::Pager() const {
    const int level = data_.SiteConfig.PagerLevel;
    return MakePacket('}', {Flag(data_.SiteConfig.PagerEnabled), ByteOf(level < 2 ? level : level + 1)});
}

std::string SavePackets::Emergency() const {
    return MakePacket(0x7F, {Flag(data_.SiteConfig.EmergState), Flag(data_.SiteConfig.AttackState)});
}

std::string SavePackets::CustomName(int k) const {
    const TCustomNameList& names = data_.CustomNames;
    const std::string name = k >= 1 && k <= names.Count() ? names.Item(k - 1).Name : std::string();
    return MakePacket('q', ByteOf(k) + PaddedText(TextFitting(name, 2), kCustomNameWidth) + '\0');
}

}  // namespace kelvane
