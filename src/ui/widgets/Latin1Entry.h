#pragma once
#include <QString>
#include <optional>
#include <string>

namespace kelvane {

// What the user types, pastes or drops into a text the site keeps, made
// into Latin-1 text (ToLatin1Text) in place; `pos`, a place in `input`,
// keeps its place in the converted text. On a character the site cannot
// keep, `input` is left as it was and that character is returned.
std::optional<char32_t> TakeLatin1Entry(QString& input, int& pos);

// The warning that names a character the site cannot keep.
std::string RefusedEntryMessage(char32_t character);

}  // namespace kelvane
