#include "app/cli/TerminalText.h"

#include <iconv.h>
#include <langinfo.h>

#include <clocale>
#include <cstdio>

namespace kelvane::cli {

namespace {

std::string Escaped(unsigned char byte) {
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\x%02x", byte);
    return escape;
}

bool IsControl(unsigned char byte) {
    return byte < 0x20 || (byte >= 0x7F && byte < 0xA0);
}

// The Latin-1 character `byte` in `codeset`, or nothing when it has none.
class Latin1Converter {
public:
    explicit Latin1Converter(const std::string& codeset)
        : converter_(::iconv_open(codeset.c_str(), "ISO-8859-1")) {}
    ~Latin1Converter() {
        if (Usable()) ::iconv_close(converter_);
    }
    Latin1Converter(const Latin1Converter&) = delete;
    Latin1Converter& operator=(const Latin1Converter&) = delete;

    std::string Convert(unsigned char byte) const {
        if (!Usable()) return {};
        char in = static_cast<char>(byte);
        char out[8];
        char* inPointer = &in;
        char* outPointer = out;
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        ::iconv(converter_, nullptr, nullptr, nullptr, nullptr);
        if (::iconv(converter_, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1))
            return {};
        return std::string(out, sizeof out - outLeft);
    }

private:
    bool Usable() const { return converter_ != reinterpret_cast<iconv_t>(-1); }

    iconv_t converter_;
};

}  // namespace

TerminalText::TerminalText(const std::string& codeset) {
    const Latin1Converter converter(codeset);
    for (int value = 0; value < 256; ++value) {
        const auto byte = static_cast<unsigned char>(value);
        std::string& shown = shown_[byte];
        if (IsControl(byte)) {
            shown = Escaped(byte);
        } else if (byte < 0x80) {
            shown = std::string(1, static_cast<char>(byte));
        } else {
            shown = converter.Convert(byte);
            if (shown.empty()) shown = Escaped(byte);
        }
    }
}

TerminalText TerminalText::ForLocale() {
    // The character type of the user's locale, as every terminal program takes it.
    std::setlocale(LC_CTYPE, "");
    return TerminalText(::nl_langinfo(CODESET));
}

std::string TerminalText::Text(std::string_view latin1) const {
    return Written(latin1, false);
}

std::string TerminalText::Lines(std::string_view latin1) const {
    return Written(latin1, true);
}

std::string TerminalText::Written(std::string_view latin1, bool keepLineFeeds) const {
    std::string text;
    text.reserve(latin1.size());
    for (const char c : latin1) {
        if (keepLineFeeds && c == '\n')
            text += c;
        else
            text += shown_[static_cast<unsigned char>(c)];
    }
    return text;
}

}  // namespace kelvane::cli
