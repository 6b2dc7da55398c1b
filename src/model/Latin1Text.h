#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// Text from outside the site (typed, pasted, dropped or imported) made into
// the site's 8-bit Latin-1 text. The typographic characters that mail and
// word processors put into text take their Latin-1 look-alikes: dashes and
// the minus sign become "-", curly quotes straight ones, the ellipsis "...",
// and the no-break and other fixed-width spaces a plain space. Any other
// character outside Latin-1 cannot be kept.
struct Latin1Text {
    // The Latin-1 bytes; meaningful only when nothing was refused.
    std::string Bytes;
    // The first character that cannot be kept.
    std::optional<char32_t> Refused;
};

Latin1Text ToLatin1Text(std::u32string_view text);

// How a message names a character: "U+20AC".
std::string CharacterName(char32_t character);

}  // namespace kelvane
