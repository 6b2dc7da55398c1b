#pragma once
#include <array>
#include <string>
#include <string_view>

namespace kelvane::cli {

// Site texts (8-bit, Latin-1, from a file or the controller) as a terminal
// is given them: in the terminal's character set, and with every control
// character written as an escape ("\x1b"), so that no text can move the
// cursor, recolour or retitle the terminal. A character the terminal's
// character set lacks is written as an escape too.
class TerminalText {
public:
    // `codeset`: the terminal's character set as the locale names it
    // ("UTF-8", "ISO-8859-1", "ANSI_X3.4-1968" for plain ASCII).
    explicit TerminalText(const std::string& codeset = "UTF-8");

    // The character set of the user's locale (LC_ALL, LC_CTYPE, LANG).
    static TerminalText ForLocale();

    // One text, its line breaks escaped too.
    std::string Text(std::string_view latin1) const;
    // A text made of lines: as Text, but each line feed stays a line feed.
    std::string Lines(std::string_view latin1) const;

private:
    std::string Written(std::string_view latin1, bool keepLineFeeds) const;

    // What each byte is written as.
    std::array<std::string, 256> shown_;
};

}  // namespace kelvane::cli
