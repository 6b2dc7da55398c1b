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

// A key or text made of a prefix and a number, and optionally a letter and a
// second number ("D17", "Z5A1").
inline std::string Numbered(const char* prefix, int number) {
    std::string text(prefix);
    text += std::to_string(number);
    return text;
}
inline std::string Numbered(const char* prefix, int number, char letter, int entry) {
    std::string text = Numbered(prefix, number);
    text += letter;
    text += std::to_string(entry);
    return text;
}

inline std::string DeviceKey(int n) {
    return Numbered("D", n);
}
inline std::string SuffixKey(int n) {
    return Numbered("DS", n);
}
inline std::string ZoneNameKey(int z) {
    return Numbered("Zone", z);
}
// "Z5A1": zone 5, area entry 1; "Z5Z1": zone 5, device entry 1.
inline std::string ZoneEntryKey(int z, char equation, int n) {
    return Numbered("Z", z, equation, n);
}
// "G12P3", "G12N3", "G12D3": group 12, entry 3 of the primary, night or divert equation.
inline std::string GroupEntryKey(int g, char equation, int n) {
    return Numbered("G", g, equation, n);
}
inline std::string CustomNameKey(int n) {
    return Numbered("C", n);
}
inline std::string RepeaterKey(int n) {
    return Numbered("Repeater", n);
}

}  // namespace kelvane::config
