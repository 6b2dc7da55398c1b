#include "ui/routing/TfrmDeviceEquation.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>

#include "model/DeviceSummaryRow.h"
#include "qt/Latin1.h"
#include "ui/HelpContexts.h"

namespace kelvane {

namespace {

constexpr EquationEditorTexts kDeviceTexts{
    "Edit Device Equation",
    "ZoneNo",
    "sgrdLoop1",
    "That Device has already been selected!",
    "Select the required Device by",
    "Select from the list on the right",
    kHelpDeviceEquation,
};

constexpr std::array<int, kDeviceSummaryColumnCount> kColumnWidths{42, 71, 91, 62, 35, 46};
constexpr double kCompactFontScale = 0.8;
// The width a column of `view` needs for the heading `text`: the style's
// margin on either side, and a little to spare so that it is never elided.
int TextWidth(const QWidget& view, const QFontMetrics& metrics, const QString& text) {
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    return metrics.horizontalAdvance(text) + 2 * margin + 6;
}

}  // namespace

TfrmDeviceEquation::TfrmDeviceEquation(TData& data, Document& document, QWidget* parent)
    : StoringEquationEditor(EquationKind::Device, kDeviceTexts, data, document, parent) {
    setObjectName(QStringLiteral("frmDeviceEquation"));
    // The six narrow columns of the device table take its compact font.
    QFont compact = List->font();
    compact.setPointSizeF(compact.pointSizeF() * kCompactFontScale);
    List->setFont(compact);
    List->horizontalHeader()->setFont(compact);
    List->setColumnCount(kDeviceSummaryColumnCount);
    FitColumns();
}

// Each column takes the width the device table gives it, or more where its
// heading or a text would be cut ("Radio Receiver" in the narrow type column).
void TfrmDeviceEquation::FitColumns() {
    int listWidth = 2 * List->frameWidth() + List->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kDeviceSummaryColumnCount; ++column) {
        const QTableWidgetItem* heading = List->horizontalHeaderItem(column);
        int width = std::max(
            kColumnWidths[static_cast<std::size_t>(column)],
            heading ? TextWidth(*List, List->horizontalHeader()->fontMetrics(), heading->text()) : 0);
        // What the cells' delegate asks for (public on the base view).
        width = std::max(width, static_cast<const QAbstractItemView*>(List)->sizeHintForColumn(column));
        List->setColumnWidth(column, width);
        listWidth += width;
    }
    List->setMinimumWidth(listWidth);
}

void TfrmDeviceEquation::EditZone(int z) {
    ShowForRecord("Edit Device Equation", "For Zone", z,
                  data_.ZoneList.Zones.at(static_cast<std::size_t>(z)).DeviceEquation,
                  "Edit Zone " + std::to_string(z) + " Device Equation");
}

void TfrmDeviceEquation::FillList() {
    QStringList headings;
    for (const std::string& heading : DeviceSummaryHeadings()) headings << Latin1(heading);
    List->setHorizontalHeaderLabels(headings);
    List->setRowCount(0);
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        // Area-class types are all fitted devices: callpoints, doorbells,
        // monitoring points and radio receivers.
        if (!data_.Loop.IsAreaDevice(n)) continue;
        const int row = List->rowCount();
        List->insertRow(row);
        const DeviceSummaryTexts texts = DeviceSummaryRow(data_, n);
        for (int column = 0; column < kDeviceSummaryColumnCount; ++column) {
            List->setItem(row, column, new QTableWidgetItem(Latin1(texts[static_cast<std::size_t>(column)])));
        }
    }
    FitColumns();
}

}  // namespace kelvane
