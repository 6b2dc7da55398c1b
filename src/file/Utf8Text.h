#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// What may stand before UTF-8 text to say that it is UTF-8.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The UTF-8 form of the site's 8-bit Latin-1 texts, for files that other
// programs read.
std::string Latin1ToUtf8(std::string_view latin1);

// The characters of UTF-8 `bytes`; nothing when they are not well-formed
// UTF-8 (a stray continuation byte, a cut-off or over-long sequence, a
// surrogate or a code beyond U+10FFFF).
std::optional<std::u32string> Utf8Characters(std::string_view bytes);

}  // namespace kelvane
