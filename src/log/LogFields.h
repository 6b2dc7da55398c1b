#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// Reading the fields of a configuration printout line: the controller prints
// one record a line, its fields separated by "|", the first field the record
// number; equation fields hold eight entries separated by ",".

inline constexpr char kLogFieldSeparator = '|';
inline constexpr char kLogEntrySeparator = ',';
// The record number of a line that has none (a header, a blank or an event line).
inline constexpr int kNoRecordNumber = 999;

// The letter tables of the printout: position 1 is the first letter.
inline constexpr std::string_view kDeviceTypeLetters = "CAUDBMZ*";
inline constexpr std::string_view kDeviceAreaLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// "!" (the 27th) stands for no area.
inline constexpr std::string_view kEquationLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ!";
// What a missing field or entry reads as.
inline constexpr std::string_view kMissingField = "!";

// `text` without the blanks and control characters (bytes up to 0x20) at either end.
std::string TrimLogText(std::string_view text);

// Field `index` (from 0) of `text` split at `separator`, untrimmed. A missing
// field, and every field of a line that holds at most one character besides
// blanks and control characters, reads as "!".
std::string GetLogField(std::string_view text, int index, char separator = kLogFieldSeparator);

// `text` as a signed whole number (an optional sign and decimal digits, no
// blanks), or nothing when it is not one or does not fit.
std::optional<int> ParseWholeNumber(std::string_view text);

// The record number of a line: the text before the first "|" (the whole line
// when there is none), trimmed, as a whole number; 999 when it is not one.
int GetRecordNumber(std::string_view text);

// Where `text` first occurs in `letters`, counting from 1; 0 when it does
// not occur or is empty.
int LetterPosition(std::string_view letters, std::string_view text);

}  // namespace kelvane
