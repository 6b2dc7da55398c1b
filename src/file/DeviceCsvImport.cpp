#include "file/DeviceCsvImport.h"

#include <algorithm>
#include <optional>

#include "file/DeviceCsvFields.h"
#include "file/DeviceCsvWriter.h"
#include "file/Utf8Text.h"
#include "model/Latin1Text.h"

namespace kelvane {

std::string DeviceCsvError::Text() const {
    std::string text = "line " + std::to_string(Line) + ", column " + std::to_string(Column);
    if (Column >= 1 && Column <= static_cast<int>(kDeviceCsvHeadings.size()))
        text += " (" + std::string(kDeviceCsvHeadings[static_cast<std::size_t>(Column - 1)]) + ")";
    return text + ": " + Message;
}

namespace {

// The header row's separator: a semicolon when it has one and no comma.
char SeparatorOf(std::string_view text) {
    const std::string_view header = text.substr(0, text.find_first_of("\r\n"));
    return header.find(';') != std::string_view::npos && header.find(',') == std::string_view::npos ? ';'
                                                                                                    : ',';
}

std::string HeadingList() {
    std::string list;
    for (const std::string_view heading : kDeviceCsvHeadings)
        list += (list.empty() ? "" : ", ") + std::string(heading);
    return list;
}

bool SameDevice(const TKDeviceType& a, const TKDeviceType& b) {
    return a.DeviceType == b.DeviceType && a.Allocation == b.Allocation &&
           a.PlaceNameIndex == b.PlaceNameIndex && a.Suffix == b.Suffix && a.Enabled == b.Enabled;
}

// `bytes` as the site's Latin-1 text in `text`; returns why they cannot be
// one, empty when they can.
std::string ReadLatin1(const std::string& bytes, std::string& text) {
    const std::optional<std::u32string> characters = Utf8Characters(bytes);
    if (!characters) return "the text is not UTF-8";
    Latin1Text latin1 = ToLatin1Text(*characters);
    if (latin1.Refused) return "the character " + CharacterName(*latin1.Refused) + " is not in Latin-1";
    text = std::move(latin1.Bytes);
    return "";
}

constexpr int kColumnCount = static_cast<int>(kDeviceCsvHeadings.size());

}  // namespace

DeviceCsvImport::DeviceCsvImport(std::string_view bytes, const TData& data) {
    if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
    const CsvTable table = ReadCsvTable(bytes, SeparatorOf(bytes));
    for (const CsvSyntaxError& error : table.Errors) Fail(error.Line, error.Column, error.Message);
    if (table.Records.empty()) {
        Fail(1, 1, "the file is empty; its first row must be the header " + HeadingList());
        return;
    }
    const std::size_t syntaxErrors = errorCount_;
    CheckHeader(table.Records.front());
    // Under a wrong header every row would be read wrongly.
    if (errorCount_ > syntaxErrors) return;
    std::vector<int> addressLines(static_cast<std::size_t>(data.Loop.NoLoopDevices()) + 1, 0);
    for (std::size_t r = 1; r < table.Records.size(); ++r) ReadRow(table.Records[r], data, addressLines);
    if (!Good()) rows_.clear();
}

void DeviceCsvImport::Fail(int line, int column, std::string message) {
    if (errors_.size() < kErrorsKept) errors_.push_back({line, column, std::move(message)});
    ++errorCount_;
}

void DeviceCsvImport::CheckHeader(const CsvRecord& header) {
    for (int column = 1; column <= kColumnCount; ++column) {
        const std::string_view heading = kDeviceCsvHeadings[static_cast<std::size_t>(column - 1)];
        if (column > static_cast<int>(header.Fields.size())) {
            Fail(1, column,
                 "the header has no column " + std::string(heading) + " (the header is " + HeadingList() +
                     ")");
            return;
        }
        std::string text;
        if (const std::string fault =
                ReadLatin1(header.Fields[static_cast<std::size_t>(column - 1)].Bytes, text);
            !fault.empty())
            Fail(1, column, fault);
        else if (!DeviceCsvFields::SameText(text, heading))
            Fail(1, column,
                 "the header reads \"" + text + "\" where " + std::string(heading) + " is expected");
    }
    if (header.Fields.size() > kDeviceCsvHeadings.size())
        Fail(1, kColumnCount + 1, "the header has more than " + std::to_string(kColumnCount) + " columns");
}

void DeviceCsvImport::ReadRow(const CsvRecord& record, const TData& data, std::vector<int>& addressLines) {
    // A row with a syntax error has been reported already.
    if (record.Blank() || record.Faulty) return;
    const int line = record.Line();
    const int fieldCount = static_cast<int>(record.Fields.size());
    if (fieldCount != kColumnCount) {
        const int column = std::min(fieldCount + 1, kColumnCount + 1);
        Fail(line, column,
             fieldCount < kColumnCount
                 ? "the row ends before this column"
                 : "the row has more than " + std::to_string(kColumnCount) + " columns");
        return;
    }
    // Each field as the site's Latin-1 text, or why it cannot be one.
    std::vector<std::string> texts(record.Fields.size());
    std::vector<std::string> unreadable(record.Fields.size());
    for (std::size_t column = 0; column < record.Fields.size(); ++column)
        unreadable[column] = ReadLatin1(record.Fields[column].Bytes, texts[column]);

    const DeviceCsvFields fields(data);
    // Reports the field's fault, if it has one; true when it has none.
    const auto check = [&](int column, const std::string& error) {
        const auto index = static_cast<std::size_t>(column);
        const std::string& fault = unreadable[index].empty() ? error : unreadable[index];
        if (fault.empty()) return true;
        Fail(record.Fields[index].Line, record.Fields[index].Column, fault);
        return false;
    };
    int address = 0;
    if (!check(dcDevNo, fields.Address(texts[dcDevNo], address))) return;
    int& firstLine = addressLines[static_cast<std::size_t>(address)];
    if (firstLine != 0) {
        Fail(line, 1, "address " + std::to_string(address) + " is also on line " + std::to_string(firstLine));
        return;
    }
    firstLine = line;

    TKDeviceType device = data.Loop.Device(address);
    // The allocation is read by the row's type; under an unknown type it
    // cannot be checked.
    bool good = check(dcDeviceType, fields.Type(texts[dcDeviceType], address, device.DeviceType));
    if (good)
        good =
            check(dcAllocation, fields.Allocation(texts[dcAllocation], device.DeviceType, device.Allocation));
    good = check(dcPlaceName, fields.PlaceName(texts[dcPlaceName], device.PlaceNameIndex)) && good;
    good = check(dcSuffix, fields.Suffix(texts[dcSuffix], device.Suffix)) && good;
    good = check(dcEnabled, fields.Enabled(texts[dcEnabled], device.DeviceType, device.Enabled)) && good;
    if (good) rows_.push_back({address, device});
}

int DeviceCsvImport::ApplyTo(TData& data) const {
    if (!Good()) return 0;
    int changed = 0;
    for (const Row& row : rows_) {
        TKDeviceType& device = data.Loop.Device(row.Address);
        if (SameDevice(device, row.Device)) continue;
        device = row.Device;
        ++changed;
    }
    return changed;
}

}  // namespace kelvane
