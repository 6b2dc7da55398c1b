#pragma once
#include <optional>
#include <string>

namespace kelvane {

// What a whole save writes into the controller and a whole load reads back
// of it, record by record: the devices (never device 256), the zones the
// controller has, the groups, the custom place names and the site packets.
// The repeaters, the panel name, the segment, the zone names, the client and
// installer details, the dates, the printer flag and the main version never
// travel.

// Device 256 is never written to the controller.
inline constexpr int kLastSavedDevice = 255;
// The device answer carries the suffix in four bytes.
inline constexpr std::size_t kSuffixAnswerWidth = 4;
// The access codes answer carries each code in four bytes.
inline constexpr std::size_t kAccessCodeAnswerWidth = 4;

// One packet of a save. The counted records carry their number.
enum class SaveRecordKind {
    Device,
    Zone,
    Group,
    CustomName,
    AttackCode,   // "R": AttackCode
    AccessCodes,  // "T": AL2Code, AL3Code
    CallCode,     // "P": CallCode
    NightMode,    // "y": NightModeTime, DayModeTime, NightModeAutoEnable, HTM2015Enable
    Timeouts,     // 0x81: AccTimeout, DivTimeout
    Logger,       // "{": LoggerSetting, SurveyorEnable
    Pager,        // "}": PagerEnabled, PagerLevel
    Emergency,    // 0x7F: EmergState, AttackState
};

struct SaveRecord {
    SaveRecordKind Kind = SaveRecordKind::Device;
    int Number = 0;  // device, zone, group or custom name number; 0 for a site packet
    bool operator==(const SaveRecord&) const = default;
};

// The site packet that carries the site field named `field` (its model
// name), or nothing when the field does not travel.
std::optional<SaveRecordKind> SitePacketCarrying(const std::string& field);

// Whether the controller keeps and returns the site field `field` (its model
// name): the HTM2015 and surveyor modes only a controller with 64 zones does.
bool SiteFieldTravels(const std::string& field, bool controllerHas64Zones);

}  // namespace kelvane
