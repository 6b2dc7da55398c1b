#pragma once
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "FittedDevice.h"
#include "file/Document.h"
#include "model/Data.h"
#include "model/DeviceCatalogue.h"
#include "model/DeviceSummaryRow.h"
#include "support/ScriptedPrompts.h"
#include "ui/devices/DeviceImages.h"
#include "ui/devices/DeviceSummaryGrid.h"
#include "ui/devices/DeviceSummaryTab.h"
#include "ui/devices/DeviceTableModel.h"
#include "ui/devices/DeviceTypeToolBar.h"
#include "ui/placenames/TNamesForm.h"

namespace kelvane::test {

// One Device Summary tab over a new site, shown, with scripted prompts, a
// counted beep and a model tester watching the table.
class DeviceSummaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        data.ResetToDefaults();
        picker = std::make_unique<TNamesForm>(data, document);
        tab = std::make_unique<DeviceSummaryTab>(data, document, prompts, images, *picker);
        tab->Beep = [this] { ++beeps; };
        tester = std::make_unique<QAbstractItemModelTester>(
            &tab->Table(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        tab->resize(800, 520);
        tab->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(tab.get()));
        tab->RebuildZoneList();
        tab->RefreshDeviceTable();
    }

    void TearDown() override {
        tester.reset();
        tab.reset();
        picker.reset();
    }

    void Fit(int n, int code, int allocation = 0) { FitDevice(data, n, code, allocation); }

    // Text of a table cell (0-based row under the heading).
    std::string Cell(int row, int column) const {
        return tab->Table().index(row, column).data().toString().toStdString();
    }
    int Rows() const { return tab->Table().rowCount(); }
    int RowOf(int device) const {
        for (int row = 0; row < Rows(); ++row)
            if (tab->DeviceOfRow(row) == device) return row;
        return -1;
    }

    QPoint CellCentre(int row, int column) const {
        return tab->sgrdLoop->visualRect(tab->Table().index(row, column)).center();
    }
    void ClickCell(int row, int column) {
        tab->sgrdLoop->scrollTo(tab->Table().index(row, column));
        QTest::mouseClick(tab->sgrdLoop->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    }
    // A double-click as the window system delivers it: press, release,
    // double-click, release (QTest's own sends the double-click alone).
    void DoubleClickCell(int row, int column) {
        tab->sgrdLoop->scrollTo(tab->Table().index(row, column));
        QWidget* viewport = tab->sgrdLoop->viewport();
        const QPoint centre = CellCentre(row, column);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, centre);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, centre);
    }
    void ClickRadio(const char* caption) {
        for (QAbstractButton* button : tab->radgrpZoneGroup->findChildren<QAbstractButton*>())
            if (button->text() == QLatin1String(caption))
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    // Clicks a check box on its indicator, as the user does.
    static void ClickBox(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    void TickEnableChanges() {
        if (!tab->chkEnableZoneChanges->isChecked()) ClickBox(tab->chkEnableZoneChanges);
    }
    void PressTool(QToolButton* tool) { QTest::mouseClick(tool, Qt::LeftButton); }
    // Chooses the sort box item as the user does.
    void SortBy(int item) {
        tab->cboReportType->setFocus();
        while (tab->cboReportType->currentIndex() < item) QTest::keyClick(tab->cboReportType, Qt::Key_Down);
        while (tab->cboReportType->currentIndex() > item) QTest::keyClick(tab->cboReportType, Qt::Key_Up);
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& shown : prompts.ShownMessages()) texts.push_back(shown.text);
        return texts;
    }

    TData data;
    Document document;
    ScriptedPrompts prompts;
    DeviceImages images;
    std::unique_ptr<TNamesForm> picker;
    std::unique_ptr<DeviceSummaryTab> tab;
    std::unique_ptr<QAbstractItemModelTester> tester;
    int beeps = 0;
};

// Runs `action` on the next modal window once it is up (for dialogs shown
// with exec()).
inline void WhenModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 2000));
        action(QApplication::activeModalWidget());
    });
}

}  // namespace kelvane::test
