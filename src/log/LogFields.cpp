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
    // The fields are those of `text` with `separator` appended; a line that
    // is a single character once its separator is appended holds none.
    auto at = [&](std::size_t i) { return i < text.size() ? text[i] : separator; };
    std::size_t first = 0;
    std::size_t last = text.size() + 1;
    while (first < last && IsBlankOrControl(at(first))) ++first;
    while (last > first && IsBlankOrControl(at(last - 1))) --last;
    if (last - first == 1) return std::string(kMissingField);

    std::size_t start = 0;
    for (int n = 0;; ++n) {
        const std::size_t end = text.find(separator, start);
        const bool appended = end == std::string_view::npos;  // the separator appended at the end
        if (n == index) return std::string(text.substr(start, (appended ? text.size() : end) - start));
        if (appended) return std::string(kMissingField);
        start = end + 1;
    }
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
