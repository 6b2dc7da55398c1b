#include "transfer/LoadAnswers.h"

#include "model/DeviceCatalogue.h"
#include "transfer/SaveRecords.h"
#include "transfer/TransferPacket.h"

namespace kelvane {

namespace {

constexpr int kNotFittedOnWire = 0xFF;
constexpr std::size_t kDeviceAnswerBytes = 10;
constexpr std::size_t kEquationAnswerBytes = 25;

// The controller pads its fixed-width texts with blanks; what it sends is the
// text without them (blanks inside a text stay).
std::string WithoutPadding(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

void ReadEntries(Equation& equation, const std::string& payload, std::size_t first) {
    for (int n = 1; n <= kEquationTerms; ++n)
        equation[n] = PayloadByte(payload, first + static_cast<std::size_t>(n - 1));
}

}  // namespace

bool LoadAnswers::Device(int n, const std::string& payload) {
    if (n < 1 || n > kLoopDeviceCount || payload.size() < kDeviceAnswerBytes) return false;
    TKDeviceType& device = data_.Loop.Device(n);
    const int type = PayloadByte(payload, 0);
    device.DeviceType = type == kNotFittedOnWire ? dtNotFitted : type + 1;
    device.Allocation = PayloadByte(payload, 1);
    device.Enabled = PayloadByte(payload, 3);
    device.PlaceNameIndex = PayloadByte(payload, 5);
    device.Suffix = WithoutPadding(payload.substr(6, kSuffixAnswerWidth));
    return true;
}

bool LoadAnswers::Zone(const std::string& payload) {
    if (payload.size() < kEquationAnswerBytes) return false;
    const int z = PayloadByte(payload, 0);
    if (z < 1 || z > kZoneCount) return false;
    TKZone& zone = data_.ZoneList.Zones[static_cast<std::size_t>(z)];
    ReadEntries(zone.AreaEquation, payload, 1);
    for (int n = 1; n <= kEquationTerms; ++n) {
        const std::size_t low = 9 + 2 * static_cast<std::size_t>(n - 1);
        zone.DeviceEquation[n] = PayloadByte(payload, low) | (PayloadByte(payload, low + 1) << 8);
    }
    return true;
}

bool LoadAnswers::Group(const std::string& payload) {
    if (payload.size() < kEquationAnswerBytes) return false;
    const int g = PayloadByte(payload, 0);
    if (g < 1 || g > kGroupCount) return false;
    TKGroup& group = data_.GroupList.Groups[static_cast<std::size_t>(g)];
    ReadEntries(group.PrimaryAreaEquation, payload, 1);
    ReadEntries(group.NightAreaEquation, payload, 9);
    ReadEntries(group.DivertEquation, payload, 17);
    return true;
}

bool LoadAnswers::CallCode(const std::string& payload) {
    // The code is followed by one terminating byte.
    if (payload.empty()) return false;
    data_.SiteConfig.CallCode = WithoutPadding(payload.substr(0, payload.size() - 1));
    return true;
}

bool LoadAnswers::AttackCode(const std::string& payload) {
    if (payload.empty()) return false;
    data_.SiteConfig.AttackCode = WithoutPadding(payload.substr(0, payload.size() - 1));
    return true;
}

bool LoadAnswers::AccessCodes(const std::string& payload) {
    if (payload.size() < 2 * kAccessCodeAnswerWidth) return false;
    data_.SiteConfig.AL2Code = WithoutPadding(payload.substr(0, kAccessCodeAnswerWidth));
    data_.SiteConfig.AL3Code = WithoutPadding(payload.substr(kAccessCodeAnswerWidth, kAccessCodeAnswerWidth));
    return true;
}

bool LoadAnswers::NightMode(const std::string& payload) {
    const bool newController = data_.Supports64Zones();
    if (payload.size() < (newController ? 6u : 5u)) return false;
    TKSiteConfig1& site = data_.SiteConfig;
    site.NightModeTime = TwoDigits(PayloadByte(payload, 0)) + ":" + TwoDigits(PayloadByte(payload, 1));
    site.DayModeTime = TwoDigits(PayloadByte(payload, 2)) + ":" + TwoDigits(PayloadByte(payload, 3));
    site.NightModeAutoEnable = PayloadByte(payload, 4) == 1;
    site.HTM2015Enable = newController && PayloadByte(payload, 5) == 1;
    return true;
}

bool LoadAnswers::Timeouts(const std::string& payload) {
    if (payload.size() < 2) return false;
    data_.SiteConfig.AccTimeout = PayloadByte(payload, 0);
    data_.SiteConfig.DivTimeout = PayloadByte(payload, 1);
    return true;
}

bool LoadAnswers::Logger(const std::string& payload) {
    // Byte 1 (whether the log is on at all) is not read.
    const bool newController = data_.Supports64Zones();
    if (payload.size() < (newController ? 4u : 3u)) return false;
    TKSiteConfig1& site = data_.SiteConfig;
    const int mode = PayloadByte(payload, 2);
    site.LoggerSetting = mode > 1 ? PayloadByte(payload, 1) + 2 : mode;
    site.SurveyorEnable = newController && PayloadByte(payload, 3) == 1;
    return true;
}

bool LoadAnswers::Pager(const std::string& payload) {
    if (payload.size() < 2) return false;
    const int level = PayloadByte(payload, 1);
    data_.SiteConfig.PagerEnabled = PayloadByte(payload, 0) != 0;
    data_.SiteConfig.PagerLevel = level > 2 ? level - 1 : level;
    return true;
}

bool LoadAnswers::Emergency(const std::string& payload) {
    if (payload.size() < 2) return false;
    data_.SiteConfig.EmergState = PayloadByte(payload, 0) != 0;
    data_.SiteConfig.AttackState = PayloadByte(payload, 1) != 0;
    return true;
}

bool LoadAnswers::CustomName(const std::string& payload) {
    if (payload.empty()) return false;
    const int k = PayloadByte(payload, 0);
    if (k < 1 || k > kCustomPlaceNameCount) return false;
    TCustomNameList& names = data_.CustomNames;
    while (names.Count() < k) names.AddCustomName();
    names.Item(k - 1).Name = WithoutPadding(payload.substr(1));
    return true;
}

}  // namespace kelvane
