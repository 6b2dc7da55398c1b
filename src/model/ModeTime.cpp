#include "model/ModeTime.h"

namespace kelvane {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<ModeTime> ParseModeTime(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon != 1 && colon != 2) return std::nullopt;
    if (text.size() != colon + 3) return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != colon && !IsDigit(text[i])) return std::nullopt;
    }
    const int hour = colon == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
    const int minute = (text[colon + 1] - '0') * 10 + (text[colon + 2] - '0');
    if (hour > 23 || minute > 59) return std::nullopt;
    return ModeTime{hour, minute};
}

}  // namespace kelvane
