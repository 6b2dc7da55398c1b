#pragma once
#include <optional>
#include <string>

namespace kelvane {

// A night or day mode time of the site.
struct ModeTime {
    int Hour = 0;    // 0..23
    int Minute = 0;  // 0..59
};

// A mode time as the file holds it: "HH:MM", or "H:MM" as a hand-edited
// file may have it. Nothing for any other text, or for an hour above 23 or
// a minute above 59.
std::optional<ModeTime> ParseModeTime(const std::string& text);

}  // namespace kelvane
