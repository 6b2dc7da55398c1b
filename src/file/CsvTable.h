#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// Comma-separated values as RFC 4180 has them, the form spreadsheets read
// and write.

// One field and where it starts.
struct CsvField {
    std::string Bytes;
    int Line = 1;    // the text's line, from 1
    int Column = 1;  // the field's place in its record, from 1
};

struct CsvRecord {
    std::vector<CsvField> Fields;
    // A syntax error was found in it (see CsvTable::Errors).
    bool Faulty = false;
    int Line() const { return Fields.front().Line; }
    // True when every field is empty: a spreadsheet's empty row.
    bool Blank() const;
};

// A fault in the text itself, where it starts.
struct CsvSyntaxError {
    int Line = 1;
    int Column = 1;
    std::string Message;
};

struct CsvTable {
    std::vector<CsvRecord> Records;  // every record has one field at least
    std::vector<CsvSyntaxError> Errors;
};

// Splits `text` into records and fields. A record ends at CR LF, LF or CR;
// `separator` separates its fields. A field that begins with a double quote
// runs to the next lone double quote and may hold separators and line
// breaks; a doubled quote in it stands for one. Text after the closing
// quote, and a quote that is never closed, are errors; a quote inside a
// field that did not begin with one is kept as it is.
CsvTable ReadCsvTable(std::string_view text, char separator);

// `field` as a record holds it: enclosed in double quotes (its own doubled)
// when it holds the separator, a double quote or a line break, or begins or
// ends with a blank, which some spreadsheets would drop.
std::string CsvFieldText(std::string_view field, char separator = ',');

}  // namespace kelvane
