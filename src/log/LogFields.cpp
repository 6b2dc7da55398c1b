#include "log/LogFields.h"

#include <charconv>

namespace kelvane {

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

}  // namespace

std::string TrimLogText(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlankOrControl(text[first])) ++first;
    while (last > first && IsBlankOrControl(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

std::string GetLogField(std::string_view text, int index, char separator) {
    std::string working(text);
    working += separator;
    // A line of a single character and its separator holds no fields.
    if (TrimLogText(working).size() == 1) working.clear();
    std::string_view rest = working;
    std::string field(kMissingField);
    for (int n = 0; n <= index; ++n) {
        const std::size_t at = rest.find(separator);
        if (at == std::string_view::npos) return std::string(kMissingField);
        field.assign(rest.substr(0, at));
        rest.remove_prefix(at + 1);
    }
    return field;
}

std::optional<int> ParseWholeNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stopped, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stopped != end) return std::nullopt;
    return value;
}

int GetRecordNumber(std::string_view text) {
    const std::size_t bar = text.find(kLogFieldSeparator);
    const std::string number = TrimLogText(bar == std::string_view::npos ? text : text.substr(0, bar));
    return ParseWholeNumber(number).value_or(kNoRecordNumber);
}

int LetterPosition(std::string_view letters, std::string_view text) {
    if (text.empty()) return 0;
    const std::size_t at = letters.find(text);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

}  // namespace kelvane
