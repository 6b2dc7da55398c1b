#pragma once
#include <string>

namespace kelvane::config {

// Sections and keys of the configuration file.

inline constexpr const char* kHeaderSection = "Kelvane Header";
inline constexpr const char* kFileTypeKey = "FileType";
inline constexpr const char* kFileTypeMark = "Prog Tools";
inline constexpr const char* kMainVersionKey = "Main Version";

inline constexpr const char* kDetectorNamesSection = "Detector Names";
inline constexpr const char* kDetectorTypeSection = "Detector Type";
inline constexpr const char* kDetectorZoneSection = "Detector Zone";
inline constexpr const char* kDetectorEnabledSection = "Detector Enabled";
inline constexpr const char* kZoneConfigSection = "Zone Config";
inline constexpr const char* kGroupConfigSection = "Group Config";
inline constexpr const char* kCustomNamesSection = "Custom Names";
inline constexpr const char* kRepeaterNameSection = "Repeater Name";
inline constexpr const char* kRepeaterFittedSection = "Repeater Fitted";
inline constexpr const char* kNetworkConfigSection = "Network Config";
inline constexpr const char* kPanelNameKey = "Panel Name";
inline constexpr const char* kSegmentNumberKey = "Segment Number";
inline constexpr const char* kLoopSection = "Loop";
inline constexpr const char* kLoopTypeKey = "Type";

inline std::string DeviceKey(int n) { return "D" + std::to_string(n); }
inline std::string SuffixKey(int n) { return "DS" + std::to_string(n); }
inline std::string ZoneNameKey(int z) { return "Zone" + std::to_string(z); }
// "Z5A1": zone 5, area entry 1; "Z5Z1": zone 5, device entry 1.
inline std::string ZoneEntryKey(int z, char equation, int n) {
    return "Z" + std::to_string(z) + equation + std::to_string(n);
}
// "G12P3", "G12N3", "G12D3": group 12, entry 3 of the primary, night or divert equation.
inline std::string GroupEntryKey(int g, char equation, int n) {
    return "G" + std::to_string(g) + equation + std::to_string(n);
}
inline std::string CustomNameKey(int n) { return "C" + std::to_string(n); }
inline std::string RepeaterKey(int n) { return "Repeater" + std::to_string(n); }

}  // namespace kelvane::config
