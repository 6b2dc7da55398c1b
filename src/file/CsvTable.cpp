#include "file/CsvTable.h"

#include <algorithm>

namespace kelvane {

bool CsvRecord::Blank() const {
    return std::all_of(Fields.begin(), Fields.end(),
                       [](const CsvField& field) { return field.Bytes.empty(); });
}

namespace {

bool LineBreak(char c) {
    return c == '\r' || c == '\n';
}

// Reads the text one field at a time, counting lines.
class CsvScanner {
public:
    CsvScanner(std::string_view text, char separator) : text_(text), separator_(separator) {}

    CsvTable Table() {
        CsvTable table;
        while (at_ < text_.size()) table.Records.push_back(Record(table.Errors));
        return table;
    }

private:
    CsvRecord Record(std::vector<CsvSyntaxError>& errors) {
        CsvRecord record;
        const std::size_t errorsBefore = errors.size();
        for (;;) {
            CsvField field{"", line_, static_cast<int>(record.Fields.size()) + 1};
            if (Peek() == '"') {
                Quoted(field, errors);
            } else {
                while (at_ < text_.size() && text_[at_] != separator_ && !LineBreak(text_[at_])) {
                    field.Bytes += text_[at_++];
                }
            }
            record.Fields.push_back(std::move(field));
            if (Peek() != separator_) break;
            ++at_;
        }
        SkipLineBreak();
        record.Faulty = errors.size() > errorsBefore;
        return record;
    }

    void Quoted(CsvField& field, std::vector<CsvSyntaxError>& errors) {
        ++at_;
        for (;;) {
            if (at_ >= text_.size()) {
                errors.push_back(
                    {field.Line, field.Column, "the quote that opens this field is never closed"});
                return;
            }
            const char c = text_[at_];
            if (c == '"' && Peek(1) == '"') {
                field.Bytes += '"';
                at_ += 2;
            } else if (c == '"') {
                ++at_;
                break;
            } else {
                if (c == '\n' || (c == '\r' && Peek(1) != '\n')) ++line_;
                field.Bytes += c;
                ++at_;
            }
        }
        if (at_ < text_.size() && text_[at_] != separator_ && !LineBreak(text_[at_])) {
            errors.push_back({line_, field.Column, "there is text after the closing quote"});
            while (at_ < text_.size() && text_[at_] != separator_ && !LineBreak(text_[at_]))
                field.Bytes += text_[at_++];
        }
    }

    void SkipLineBreak() {
        if (Peek() == '\r') ++at_;
        if (Peek() == '\n') ++at_;
        ++line_;
    }

    char Peek(std::size_t ahead = 0) const { return at_ + ahead < text_.size() ? text_[at_ + ahead] : '\0'; }

    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
    int line_ = 1;
};

}  // namespace

CsvTable ReadCsvTable(std::string_view text, char separator) {
    return CsvScanner(text, separator).Table();
}

std::string CsvFieldText(std::string_view field, char separator) {
    const bool quoted =
        field.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos ||
        (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quoted) return std::string(field);
    std::string text = "\"";
    for (const char c : field) {
        if (c == '"') text += '"';
        text += c;
    }
    return text + '"';
}

}  // namespace kelvane
