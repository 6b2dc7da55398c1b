#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kelvane {

// A private-profile (INI) text held in memory: parsed once, read and updated
// by section and key, and turned back into text once.
//
// Section and key names match without regard to letter case. A value is the
// text after the first "=" with blanks trimmed and one matching pair of quotes
// removed, cut at 2047 characters. Writing updates an existing key on its own
// line, adds a missing key after the last entry of its section and a missing
// section at the end; every other line keeps its bytes, line ending included.
class IniFile {
public:
    static constexpr std::size_t kMaxValueLength = 2047;

    IniFile() = default;
    explicit IniFile(std::string_view text);

    // The value of `key`, or `defaultValue` when the key is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The value as a decimal, "$" hex or "0x" hex integer; `defaultValue`
    // when the key is missing or its value is not such a number.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Read as an integer: true when it is not 0.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    bool HasSection(std::string_view section) const;
    bool HasKey(std::string_view section, std::string_view key) const;

    // The text `written` goes up to its first line break, since a line break would
    // end the entry and start a new one. A text that begins or ends with a
    // blank, or that begins and ends with the same quote, is written inside a
    // pair of double quotes, which the reader removes, so that it reads back
    // exactly; any other text is written as it is.
    void WriteString(std::string_view section, std::string_view key, std::string_view written);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // The whole file as text.
    std::string Text() const;

    // What ReadString would give for `key` in `section` of the INI text
    // `text` (nothing for a missing key), found by scanning the text without
    // holding its lines: for testing a file before it is read whole.
    static std::optional<std::string_view> ValueIn(std::string_view text, std::string_view section,
                                                   std::string_view key);

    // Decimal with an optional sign, or hex after "$", "0x" or "0X"; nothing
    // for any other text or a number out of the 32-bit range.
    static std::optional<int> ParseInteger(std::string_view text);

private:
    struct Line {
        std::string text;    // without its line ending
        std::string ending;  // "\r\n", "\n" or empty for an unterminated last line
    };
    struct CaseInsensitiveHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct CaseInsensitiveEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    template <typename T>
    using NameMap = std::unordered_map<std::string, T, CaseInsensitiveHash, CaseInsensitiveEqual>;

    // The lines of one section: its heading line first (none for the lines
    // before the first heading), then its entries, blanks and other lines.
    struct Block {
        std::vector<Line> lines;
        NameMap<std::size_t> keys;  // key -> index in lines (first occurrence)
    };

    // The value of an entry as ReadString gives it, or nothing when missing.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
    const Line* FindEntry(std::string_view section, std::string_view key) const;
    Block& SectionForWriting(std::string_view section);
    void TerminateLastLine(Block& block);

    std::vector<Block> blocks_;
    NameMap<std::size_t> sections_;  // section -> index in blocks_ (first occurrence)
    std::string newline_ = "\r\n";
};

}  // namespace kelvane
