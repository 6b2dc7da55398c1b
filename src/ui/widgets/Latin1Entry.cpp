#include "ui/widgets/Latin1Entry.h"

#include "model/Latin1Text.h"
#include "qt/Latin1.h"

namespace kelvane {

std::optional<char32_t> TakeLatin1Entry(QString& input, int& pos) {
    const std::u32string characters = input.toStdU32String();
    Latin1Text text = ToLatin1Text(characters);
    if (text.Refused) return text.Refused;
    const std::u32string before = input.left(pos).toStdU32String();
    pos = static_cast<int>(ToLatin1Text(before).Bytes.size());
    input = Latin1(text.Bytes);
    return std::nullopt;
}

std::string RefusedEntryMessage(char32_t character) {
    return "The character " + CharacterName(character) +
           " cannot be kept in the site configuration, which holds Latin-1 text only. The text was not "
           "changed.";
}

}  // namespace kelvane
