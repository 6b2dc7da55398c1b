#include "log/RtfReader.h"

#include <algorithm>
#include <charconv>

namespace kelvane {

namespace {

// Destinations whose content is not document text.
constexpr std::string_view kSkippedDestinations[] = {"fonttbl",
                                                     "colortbl",
                                                     "stylesheet",
                                                     "info",
                                                     "pict",
                                                     "object",
                                                     "header",
                                                     "headerl",
                                                     "headerr",
                                                     "headerf",
                                                     "footer",
                                                     "footerl",
                                                     "footerr",
                                                     "footerf",
                                                     "footnote",
                                                     "listtable",
                                                     "listoverridetable",
                                                     "revtbl",
                                                     "rsidtbl",
                                                     "filetbl",
                                                     "xmlnstbl",
                                                     "generator",
                                                     "themedata",
                                                     "colorschememapping",
                                                     "datastore",
                                                     "latentstyles",
                                                     "pgdsctbl"};

struct NamedSymbol {
    std::string_view word;
    char byte;
};

// Control words that stand for one character (Windows-1252 bytes).
constexpr NamedSymbol kNamedSymbols[] = {
    {"tab", '\t'},         {"emdash", '\x97'},    {"endash", '\x96'}, {"lquote", '\x91'}, {"rquote", '\x92'},
    {"ldblquote", '\x93'}, {"rdblquote", '\x94'}, {"bullet", '\x95'}, {"emspace", ' '},   {"enspace", ' '},
};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsSkippedDestination(std::string_view word) {
    for (std::string_view skipped : kSkippedDestinations) {
        if (word == skipped) return true;
    }
    return false;
}

// One pass over the document, keeping the state of the group being read.
class RtfParser {
public:
    RtfParser(std::string_view bytes, Progress* progress) : in_(bytes), progress_(progress) {}

    std::vector<std::string> Lines() {
        while (pos_ < in_.size() && !finished_) {
            Step();
            if (progress_ && !progress_->At(pos_, in_.size())) break;
        }
        if (!line_.empty()) lines_.push_back(std::move(line_));
        return std::move(lines_);
    }

    // Once the document is read: what follows its closing brace (nothing
    // when it was cut short).
    std::string_view Rest() const { return in_.substr(pos_); }

private:
    struct GroupState {
        bool skipping = false;
        int fallbackLength = 1;  // \ucN: characters after \uN that stand in for it
    };

    void Step() {
        const char c = in_[pos_++];
        switch (c) {
            case '{':
                groups_.push_back(state_);
                break;
            case '}':
                if (groups_.empty()) {
                    finished_ = true;
                    return;
                }
                state_ = groups_.back();
                groups_.pop_back();
                // The closing brace of the document ends it.
                if (groups_.empty()) finished_ = true;
                break;
            case '\\':
                ControlSequence();
                break;
            case '\r':
            case '\n':
                break;
            default:
                Character(c);
                break;
        }
    }

    void Character(char c) {
        if (pendingFallback_ > 0) {
            --pendingFallback_;
            return;
        }
        if (!state_.skipping) line_ += c;
    }

    void EndLine() {
        pendingFallback_ = 0;
        if (state_.skipping) return;
        lines_.push_back(std::move(line_));
        line_.clear();
    }

    void ControlSequence() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (IsLetter(c)) {
            ControlWord();
            return;
        }
        ++pos_;
        switch (c) {
            case '\'':
                HexByte();
                break;
            case '*':
                state_.skipping = true;
                break;
            case '\\':
            case '{':
            case '}':
                Character(c);
                break;
            case '~':
                Character('\xa0');
                break;
            case '_':
                Character('-');
                break;
            case '\r':
            case '\n':
                EndLine();
                break;  // a backslash before a line break is \par
            default:
                break;  // \- (optional hyphen), \| and \: carry no text
        }
    }

    // \'hh; a malformed one (fewer than two hex digits) stands for nothing.
    void HexByte() {
        int value = 0;
        int digits = 0;
        for (; digits < 2 && pos_ < in_.size(); ++digits, ++pos_) {
            const int digit = HexValue(in_[pos_]);
            if (digit < 0) break;
            value = value * 16 + digit;
        }
        if (digits == 2) Character(static_cast<char>(value));
    }

    void ControlWord() {
        const std::size_t start = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);
        bool hasParameter = false;
        long parameter = 0;
        const std::size_t numberStart = pos_;
        if (pos_ < in_.size() && in_[pos_] == '-') ++pos_;
        while (pos_ < in_.size() && IsDigit(in_[pos_])) ++pos_;
        if (pos_ > numberStart && IsDigit(in_[pos_ - 1])) {
            hasParameter = true;
            std::from_chars(in_.data() + numberStart, in_.data() + pos_, parameter);
        } else {
            pos_ = numberStart;
        }
        // One blank after a control word belongs to it.
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        Apply(word, hasParameter, parameter);
    }

    void Apply(std::string_view word, bool hasParameter, long parameter) {
        if (word == "par" || word == "line") {
            EndLine();
        } else if (word == "bin") {
            // Binary data: skipped whole, whatever bytes it holds.
            const std::size_t length =
                hasParameter && parameter > 0 ? static_cast<std::size_t>(parameter) : 0;
            pos_ = length < in_.size() - pos_ ? pos_ + length : in_.size();
        } else if (word == "uc") {
            // No word processor writes more than a few fallback characters.
            if (hasParameter && parameter >= 0)
                state_.fallbackLength = static_cast<int>(std::min(parameter, 16L));
        } else if (word == "u" && hasParameter) {
            Unicode(parameter);
        } else if (IsSkippedDestination(word)) {
            state_.skipping = true;
        } else {
            for (const NamedSymbol& symbol : kNamedSymbols) {
                if (word == symbol.word) {
                    Character(symbol.byte);
                    return;
                }
            }
        }
    }

    // \uN: the character itself when it is one byte; otherwise the fallback
    // text that follows stands for it.
    void Unicode(long code) {
        if (code < 0) code += 65536;
        if (code < 0 || code > 0xff) return;
        Character(static_cast<char>(code));
        pendingFallback_ = state_.fallbackLength;
    }

    std::string_view in_;
    Progress* progress_;
    std::size_t pos_ = 0;
    bool finished_ = false;
    GroupState state_;
    std::vector<GroupState> groups_;
    int pendingFallback_ = 0;
    std::string line_;
    std::vector<std::string> lines_;
};

}  // namespace

bool IsRtf(std::string_view bytes) {
    std::size_t at = 0;
    while (at < bytes.size() &&
           (bytes[at] == ' ' || bytes[at] == '\t' || bytes[at] == '\r' || bytes[at] == '\n'))
        ++at;
    // "{\rtf1", "{\rtf\ansi", "{\rtf}", but not the control word "{\rtfx".
    return bytes.substr(at, 5) == "{\\rtf" && (at + 5 == bytes.size() || !IsLetter(bytes[at + 5]));
}

std::vector<std::string> ReadRtfLines(std::string_view bytes) {
    return RtfParser(bytes, nullptr).Lines();
}

std::optional<std::vector<std::string>> ReadRtfDocument(std::string_view bytes, Progress* progress) {
    if (!IsRtf(bytes)) return std::nullopt;
    bytes.remove_prefix(bytes.find('{'));
    RtfParser parser(bytes, progress);
    std::vector<std::string> lines = parser.Lines();
    for (const char c : parser.Rest()) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\0') return std::nullopt;
    }
    return lines;
}

}  // namespace kelvane
