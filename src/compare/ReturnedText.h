#pragma once
#include <string>

namespace kelvane {

// A text as the controller returns it: cut to the `width` bytes of its
// answer (none for a text the answer carries whole) and without the padding
// blanks or zero bytes after it.
inline std::string ReturnedText(const std::string& text, std::size_t width = std::string::npos) {
    std::string returned = text.substr(0, width);
    returned.erase(returned.find_last_not_of(std::string(" \0", 2)) + 1);
    return returned;
}

}  // namespace kelvane
