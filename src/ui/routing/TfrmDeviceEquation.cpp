#include "ui/routing/TfrmDeviceEquation.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

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
    int listWidth = 2 * List->frameWidth() + List->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kDeviceSummaryColumnCount; ++column) {
        List->setColumnWidth(column, kColumnWidths[static_cast<std::size_t>(column)]);
        listWidth += kColumnWidths[static_cast<std::size_t>(column)];
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
}

}  // namespace kelvane
