#include "model/Latin1Text.h"

#include <cstdio>

namespace kelvane {

namespace {

constexpr char32_t kLastLatin1 = 0xFF;
constexpr char32_t kNoBreakSpace = 0xA0;

// The Latin-1 look-alike of a typographic character; null for any other.
const char* LookAlike(char32_t character) {
    switch (character) {
        case kNoBreakSpace:
        case 0x2002:  // en space
        case 0x2003:  // em space
        case 0x2007:  // figure space
        case 0x2009:  // thin space
        case 0x202F:  // narrow no-break space
            return " ";
        case 0x2010:  // hyphen
        case 0x2011:  // non-breaking hyphen
        case 0x2012:  // figure dash
        case 0x2013:  // en dash
        case 0x2014:  // em dash
        case 0x2015:  // horizontal bar
        case 0x2212:  // minus sign
            return "-";
        case 0x2018:  // left single quotation mark
        case 0x2019:  // right single quotation mark, the typographic apostrophe
        case 0x201A:  // single low-9 quotation mark
        case 0x201B:  // single high-reversed-9 quotation mark
            return "'";
        case 0x201C:  // left double quotation mark
        case 0x201D:  // right double quotation mark
        case 0x201E:  // double low-9 quotation mark
        case 0x201F:  // double high-reversed-9 quotation mark
            return "\"";
        case 0x2026:  // horizontal ellipsis
            return "...";
        default:
            return nullptr;
    }
}

}  // namespace

Latin1Text ToLatin1Text(std::u32string_view text) {
    Latin1Text result;
    result.Bytes.reserve(text.size());
    for (const char32_t character : text) {
        if (const char* lookAlike = LookAlike(character)) {
            result.Bytes += lookAlike;
        } else if (character <= kLastLatin1) {
            result.Bytes += static_cast<char>(character);
        } else {
            result.Refused = character;
            return result;
        }
    }
    return result;
}

std::string CharacterName(char32_t character) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
    return name;
}

}  // namespace kelvane
