#include "log/RtfWriter.h"

namespace kelvane {

namespace {

// Courier at 9 points, the log's 12 pixels on a 96 dpi screen.
constexpr const char* kHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang2057"
    "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier;}}\r\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs18 ";
constexpr const char* kParagraphEnd = "\\par\r\n";
constexpr const char* kTrailer = "}\r\n";
constexpr char kHexDigits[] = "0123456789abcdef";

void AppendEscaped(std::string& out, const std::string& line) {
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += c;
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (byte < 0x20 || byte > 0x7f) {
            out += "\\'";
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0x0f];
        } else {
            out += c;
        }
    }
}

}  // namespace

std::string WriteRtfLog(const std::vector<std::string>& lines, Progress* progress) {
    std::size_t size = 64;
    for (const std::string& line : lines) size += line.size() + 8;
    std::string out;
    out.reserve(size);
    out += kHeader;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (progress && !progress->At(index, lines.size())) break;
        AppendEscaped(out, lines[index]);
        out += kParagraphEnd;
    }
    out += kTrailer;
    return out;
}

}  // namespace kelvane
