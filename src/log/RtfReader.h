#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Progress.h"

namespace kelvane {

// Whether `bytes` begins as a rich-text document: after any blanks, "{" and
// the control word \rtf (with or without its version number).
bool IsRtf(std::string_view bytes);

// The paragraphs of a rich-text document as 8-bit lines (Windows-1252, as
// word processors write them). Reads groups and control words; passes over
// the destinations that hold no text (font, colour and style tables, the
// document information, pictures, headers and footers, and every {\*...}
// group); ends a line at \par and \line; turns \'hh into its byte, \tab
// into a tab, \uN into its character when it has one byte (otherwise its
// fallback text stays), and the escaped and named symbols into their bytes.
// Text after the last paragraph mark is a line of its own when it is not
// empty. What follows the document's closing brace (such as a trailing NUL)
// is ignored, and a document cut short gives the lines read so far.
std::vector<std::string> ReadRtfLines(std::string_view bytes);

// The paragraphs of `bytes` (as ReadRtfLines reads them) when it is a
// rich-text document: it begins as one, and nothing but blanks, line breaks
// and NULs follows the document's closing brace. Nothing when it is not
// one; the bytes are then plain text. `progress` is told of the bytes read;
// when it stops the reading, what was read comes back.
std::optional<std::vector<std::string>> ReadRtfDocument(std::string_view bytes, Progress* progress = nullptr);

}  // namespace kelvane
