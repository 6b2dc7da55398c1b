#include "model/DeviceSummaryRow.h"
#include "report/ReportDocument.h"
#include "report/ReportTexts.h"

namespace kelvane {
namespace {

// The type codes the type order walks through.
constexpr int kLastListedType = 13;

bool Listed(const TData& data, int n, bool fittedOnly) {
    return !fittedOnly || data.Loop.Device(n).DeviceType >= 1;
}

// How many rows the list holds in `order`: in type order only fitted devices.
int ListedRows(const TData& data, TDeviceOrder order, bool fittedOnly) {
    int rows = 0;
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        const int type = data.Loop.Device(n).DeviceType;
        if (order == doDeviceType ? type >= 1 && type <= kLastListedType : Listed(data, n, fittedOnly))
            ++rows;
    }
    return rows;
}

}  // namespace

// The device list: a title, two header rows and a frame with a line for
// every column. The frame is as tall as the rows the page will hold (at
// least one), so that it ends above the footer.
void TfrmReports::DrawDeviceHeader(int rowsLeft) {
    StartTitledSection("Loop Configuration");
    // "Zone/Group" stands over "Area", the column it names.
    DrawHeaderRow({{"", 6, false}, {"", 17, false}, {"Zone/Group", 8, true}});
    CurrentY += RowHeight;
    DrawHeaderRow({{"Device", 6, true},
                   {"Type", 17, true},
                   {"Area", 8, true},
                   {"Place Name", 19, true},
                   {"Suffix", 8, true},
                   {"Enabled", 7, true}});
    CurrentY += 2 * RowHeight;

    SetFont(12, 0);
    const int rowHeight = Canvas().TextHeight("W");
    const int rowsThatFit = std::max((BreakY - CurrentY + rowHeight - 1) / rowHeight, 1);
    DrawTableFrame(std::clamp(rowsLeft, 1, rowsThatFit));
}

void TfrmReports::PrintDeviceList(const TData& data, TDeviceOrder order) {
    const int rows = ListedRows(data, order, FittedOnly);
    int drawn = 0;
    DrawDeviceHeader(rows);
    // The page break is tested for every device number, listed or not.
    const auto visit = [&](int n, bool listed) {
        if (CurrentY >= BreakY) {
            DrawFooter();
            DrawDeviceHeader(rows - drawn);
        }
        if (!listed) return;
        DeviceSummaryTexts texts = DeviceSummaryRow(data, n);
        texts[dcAllocation] = ReportAllocationText(data.Loop, n);
        DrawTableRow(std::vector<std::string>(texts.begin(), texts.end()));
        ++drawn;
    };
    if (order == doDeviceNumber) {
        for (int n = 1; n <= kLoopDeviceCount; ++n) visit(n, Listed(data, n, FittedOnly));
    } else {
        for (int type = 1; type <= kLastListedType; ++type)
            for (int n = 1; n <= kLoopDeviceCount; ++n) visit(n, data.Loop.Device(n).DeviceType == type);
    }
    DrawFooter();
}

}  // namespace kelvane
