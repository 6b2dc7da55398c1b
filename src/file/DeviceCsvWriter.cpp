#include "file/DeviceCsvWriter.h"

#include "file/CsvTable.h"
#include "file/Utf8Text.h"

namespace kelvane {

namespace {

template <typename Texts>
void AppendRecord(std::string& csv, const Texts& texts) {
    for (std::size_t column = 0; column < texts.size(); ++column) {
        if (column > 0) csv += ',';
        csv += CsvFieldText(Latin1ToUtf8(texts[column]));
    }
    csv += "\r\n";
}

}  // namespace

std::string DeviceCsvText(const TData& data) {
    std::string csv(kUtf8ByteOrderMark);
    AppendRecord(csv, kDeviceCsvHeadings);
    for (int n = 1; n <= data.Loop.NoLoopDevices(); ++n) AppendRecord(csv, DeviceSummaryRow(data, n));
    return csv;
}

}  // namespace kelvane
