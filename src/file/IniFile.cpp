#include "file/IniFile.h"

#include <cstdint>

namespace kelvane {
namespace {

constexpr std::string_view kBlanks = " \t";

unsigned char FoldCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// The section name of a heading line "[name]", or nothing for any other line.
std::optional<std::string_view> SectionHeading(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    const auto close = trimmed.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(trimmed.substr(1, close - 1));
}

// The key of an entry line "key=value", or nothing for any other line.
std::optional<std::string_view> EntryKey(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = Trim(line.substr(0, equals));
    if (key.empty()) return std::nullopt;
    return key;
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

// The value of an entry line as the reader gives it: the text after the
// first "=", blanks trimmed, one matching pair of quotes removed, cut at
// the longest value.
std::string_view EntryText(std::string_view line) {
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value.substr(0, IniFile::kMaxValueLength);
}

// The line of `text` that begins at `start`, without its line ending (CR LF
// or LF, or none for an unterminated last line), which goes to `ending`;
// `start` moves to the next line.
std::string_view NextLine(std::string_view text, std::size_t& start, std::string_view& ending) {
    const std::size_t begin = start;
    const auto newline = text.find('\n', begin);
    if (newline == std::string_view::npos) {
        start = text.size();
        ending = {};
        return text.substr(begin);
    }
    std::size_t end = newline;
    if (end > begin && text[end - 1] == '\r') --end;
    start = newline + 1;
    ending = text.substr(end, newline + 1 - end);
    return text.substr(begin, end - begin);
}

// A value that the reader would change: blanks at either end (trimmed) or
// a matching pair of quotes around it (removed).
bool NeedsQuotes(std::string_view value) {
    if (value.empty()) return false;
    if (kBlanks.find(value.front()) != std::string_view::npos ||
        kBlanks.find(value.back()) != std::string_view::npos)
        return true;
    return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

// The value written for `text`: up to its first line break, quoted when
// the reader would change it otherwise.
std::string EntryValue(std::string_view text) {
    text = text.substr(0, text.find_first_of("\r\n"));
    if (!NeedsQuotes(text)) return std::string(text);
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append("\"").append(text).append("\"");
    return quoted;
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(kBlanks) == std::string_view::npos;
}

std::optional<std::uint64_t> ParseDigits(std::string_view digits, unsigned base) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        unsigned digit;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else {
            return std::nullopt;
        }
        if (digit >= base) return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    return value;
}

}  // namespace

std::size_t IniFile::CaseInsensitiveHash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037ull;  // FNV-1a over the folded bytes
    for (const char c : name) {
        hash ^= FoldCase(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

bool IniFile::CaseInsensitiveEqual::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
}

IniFile::IniFile(std::string_view text) {
    blocks_.emplace_back();  // the lines before the first heading
    bool endingSeen = false;
    std::size_t start = 0;
    std::string_view ending;
    while (start < text.size()) {
        Line line;
        line.text = std::string(NextLine(text, start, ending));
        line.ending = std::string(ending);
        if (!endingSeen && !ending.empty()) {
            newline_ = line.ending;
            endingSeen = true;
        }
        if (const auto section = SectionHeading(line.text)) {
            sections_.emplace(std::string(*section), blocks_.size());
            blocks_.emplace_back();
        } else if (const auto key = EntryKey(line.text)) {
            blocks_.back().keys.emplace(std::string(*key), blocks_.back().lines.size());
        }
        blocks_.back().lines.push_back(std::move(line));
    }
}

std::optional<std::string_view> IniFile::ValueIn(std::string_view text, std::string_view section,
                                                 std::string_view key) {
    const CaseInsensitiveEqual same;
    // Only the first section of that name counts, and in it the first entry for the key.
    bool inSection = false;
    std::size_t start = 0;
    std::string_view ending;
    while (start < text.size()) {
        const std::string_view line = NextLine(text, start, ending);
        if (const auto heading = SectionHeading(line)) {
            if (inSection) return std::nullopt;
            inSection = same(*heading, section);
        } else if (inSection) {
            if (const auto entry = EntryKey(line); entry && same(*entry, key)) return EntryText(line);
        }
    }
    return std::nullopt;
}

const IniFile::Line* IniFile::FindEntry(std::string_view section, std::string_view key) const {
    const auto block = sections_.find(section);
    if (block == sections_.end()) return nullptr;
    const Block& lines = blocks_[block->second];
    const auto entry = lines.keys.find(key);
    if (entry == lines.keys.end()) return nullptr;
    return &lines.lines[entry->second];
}

bool IniFile::HasSection(std::string_view section) const {
    return sections_.contains(section);
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
    return FindEntry(section, key) != nullptr;
}

std::optional<std::string_view> IniFile::Value(std::string_view section, std::string_view key) const {
    const Line* entry = FindEntry(section, key);
    if (!entry) return std::nullopt;
    return EntryText(entry->text);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    return std::string(Value(section, key).value_or(defaultValue));
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = Value(section, key);
    if (!value) return defaultValue;
    return ParseInteger(*value).value_or(defaultValue);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::optional<int> IniFile::ParseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.starts_with('$') || text.starts_with("0x") || text.starts_with("0X")) {
        // Hex spells the 32 bits of the number, so $FFFFFFFF is -1.
        const auto bits = ParseDigits(text.substr(text.front() == '$' ? 1 : 2), 16);
        if (!bits) return std::nullopt;
        const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(*bits));
        return negative ? static_cast<int>(0u - static_cast<std::uint32_t>(value)) : value;
    }
    const auto magnitude = ParseDigits(text, 10);
    if (!magnitude) return std::nullopt;
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(*magnitude) : static_cast<std::int64_t>(*magnitude);
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int>(value);
}

void IniFile::TerminateLastLine(Block& block) {
    if (!block.lines.empty() && block.lines.back().ending.empty()) block.lines.back().ending = newline_;
}

IniFile::Block& IniFile::SectionForWriting(std::string_view section) {
    if (const auto found = sections_.find(section); found != sections_.end()) return blocks_[found->second];
    if (blocks_.empty()) blocks_.emplace_back();
    for (auto block = blocks_.rbegin(); block != blocks_.rend(); ++block) {
        if (!block->lines.empty()) {
            TerminateLastLine(*block);
            break;
        }
    }
    sections_.emplace(std::string(section), blocks_.size());
    Block& added = blocks_.emplace_back();
    std::string heading = "[";
    heading.append(section).append("]");
    added.lines.push_back({std::move(heading), newline_});
    return added;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view written) {
    const std::string value = EntryValue(written);
    Block& block = SectionForWriting(section);
    if (const auto found = block.keys.find(key); found != block.keys.end()) {
        std::string& text = block.lines[found->second].text;
        text.resize(text.find('=') + 1);
        text += value;
        return;
    }
    // After the last line that is not blank, so that blank lines that
    // separate this section from the next stay where they are.
    std::size_t position = block.lines.size();
    while (position > 1 && IsBlank(block.lines[position - 1].text)) --position;
    if (position > 0 && block.lines[position - 1].ending.empty()) block.lines[position - 1].ending = newline_;
    std::string text;
    text.reserve(key.size() + 1 + value.size());
    text.append(key).append("=").append(value);
    block.lines.insert(block.lines.begin() + static_cast<std::ptrdiff_t>(position),
                       Line{std::move(text), newline_});
    // Only blank lines follow the new entry, so no indexed entry moved.
    block.keys.emplace(std::string(key), position);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::string IniFile::Text() const {
    std::size_t size = 0;
    for (const Block& block : blocks_) {
        for (const Line& line : block.lines) size += line.text.size() + line.ending.size();
    }
    std::string text;
    text.reserve(size);
    for (const Block& block : blocks_) {
        for (const Line& line : block.lines) text.append(line.text).append(line.ending);
    }
    return text;
}

}  // namespace kelvane
