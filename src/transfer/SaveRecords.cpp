#include "transfer/SaveRecords.h"

#include <array>
#include <utility>

namespace kelvane {

namespace {

const std::array<std::pair<const char*, SaveRecordKind>, 16> kSitePackets{{
    {"AttackCode", SaveRecordKind::AttackCode},
    {"AL2Code", SaveRecordKind::AccessCodes},
    {"AL3Code", SaveRecordKind::AccessCodes},
    {"CallCode", SaveRecordKind::CallCode},
    {"NightModeTime", SaveRecordKind::NightMode},
    {"DayModeTime", SaveRecordKind::NightMode},
    {"NightModeAutoEnable", SaveRecordKind::NightMode},
    {"HTM2015Enable", SaveRecordKind::NightMode},
    {"AccTimeout", SaveRecordKind::Timeouts},
    {"DivTimeout", SaveRecordKind::Timeouts},
    {"LoggerSetting", SaveRecordKind::Logger},
    {"SurveyorEnable", SaveRecordKind::Logger},
    {"PagerEnabled", SaveRecordKind::Pager},
    {"PagerLevel", SaveRecordKind::Pager},
    {"EmergState", SaveRecordKind::Emergency},
    {"AttackState", SaveRecordKind::Emergency},
}};

}  // namespace

std::optional<SaveRecordKind> SitePacketCarrying(const std::string& field) {
    for (const auto& [name, kind] : kSitePackets)
        if (field == name) return kind;
    return std::nullopt;
}

bool SiteFieldTravels(const std::string& field, bool controllerHas64Zones) {
    // An older controller answers the HTM2015 and surveyor bytes, but the
    // load takes them as off.
    if (field == "HTM2015Enable" || field == "SurveyorEnable") return controllerHas64Zones;
    return SitePacketCarrying(field).has_value();
}

}  // namespace kelvane
