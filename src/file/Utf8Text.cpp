#include "file/Utf8Text.h"

namespace kelvane {

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

namespace {

// What a lead byte starts: the sequence's length and the smallest code it
// may carry (a smaller one is over-long); length 0 for a byte no sequence
// starts with.
struct Utf8Lead {
    std::size_t length;
    char32_t smallest;
};

Utf8Lead LeadOf(unsigned char byte) {
    if (byte < 0x80) return {1, 0};
    if (byte >= 0xC0 && byte < 0xE0) return {2, 0x80};
    if (byte >= 0xE0 && byte < 0xF0) return {3, 0x800};
    if (byte >= 0xF0 && byte < 0xF8) return {4, 0x10000};
    return {0, 0};
}

}  // namespace

std::optional<std::u32string> Utf8Characters(std::string_view bytes) {
    std::u32string characters;
    characters.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const Utf8Lead lead = LeadOf(byte);
        if (lead.length == 0 || bytes.size() - i < lead.length) return std::nullopt;
        char32_t code = lead.length == 1 ? byte : byte & (0x7F >> lead.length);
        for (std::size_t k = 1; k < lead.length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            code = (code << 6) | (next & 0x3F);
        }
        const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
        if (code < lead.smallest || surrogate || code > 0x10FFFF) return std::nullopt;
        characters += code;
        i += lead.length;
    }
    return characters;
}

}  // namespace kelvane
