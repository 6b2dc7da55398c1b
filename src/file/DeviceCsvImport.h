#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "file/CsvTable.h"
#include "model/Data.h"

namespace kelvane {

// No device list comes near this size; a larger file is refused unread.
inline constexpr std::uint64_t kMaxDeviceCsvBytes = 4u * 1024 * 1024;

// A fault of one field of a device list, where it is.
struct DeviceCsvError {
    int Line = 1;    // of the file, from 1
    int Column = 1;  // the field's place in its row, from 1
    std::string Message;

    // "line 7, column 3 (Allocation): " and the message.
    std::string Text() const;
};

// A device list read back from CSV (as DeviceCsvText writes it, or as a
// spreadsheet saves it again) and checked, whole, against one site; the
// site changes only when every row is good.
//
// The header row names the columns Address, Type, Allocation, Place Name,
// Suffix and Enabled in that order (any case); its separator, a comma or a
// semicolon, is the file's. A UTF-8 byte-order mark may come first. Each
// further row describes the device at its address (each address once at
// most); empty rows are skipped and addresses without a row stay as they
// are. See DeviceCsvFields for what each column takes.
class DeviceCsvImport {
public:
    // At most this many errors are kept, the first ones of the file.
    static constexpr std::size_t kErrorsKept = 20;

    // Reads `bytes` and checks every row against `data`.
    DeviceCsvImport(std::string_view bytes, const TData& data);

    bool Good() const { return errorCount_ == 0; }
    const std::vector<DeviceCsvError>& Errors() const { return errors_; }
    // Every error found, kept or not.
    std::size_t ErrorCount() const { return errorCount_; }

    // The rows in file order: each device as it will be.
    struct Row {
        int Address;
        TKDeviceType Device;
    };
    const std::vector<Row>& Rows() const { return rows_; }

    // Gives the devices of the site the file was checked against their new
    // fields; nothing when the file is not good. Returns how many devices
    // changed.
    int ApplyTo(TData& data) const;

private:
    void Fail(int line, int column, std::string message);
    void CheckHeader(const CsvRecord& header);
    void ReadRow(const CsvRecord& record, const TData& data, std::vector<int>& addressLines);

    std::vector<DeviceCsvError> errors_;
    std::size_t errorCount_ = 0;
    std::vector<Row> rows_;
};

}  // namespace kelvane
