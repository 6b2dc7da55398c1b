// The Devices tab inside the main window over real configuration files:
// what is changed there is the model that the Device Summary lists and that
// Save writes.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "DocumentFakes.h"
#include "FileWindowFixture.h"
#include "LoopFrameFixture.h"
#include "WindowControls.h"
#include "core/SystemClock.h"
#include "file/ConfigFileStore.h"
#include "model/DeviceSummaryRow.h"
#include "support/MemorySettings.h"
#include "ui/HelpContexts.h"
#include "ui/Pages.h"
#include "ui/devices/DeviceSummaryTab.h"
#include "ui/devices/DeviceTableModel.h"
#include "ui/devices/DevicesTab.h"
#include "ui/window/HelpWindow.h"
#include "ui/window/MainWindow.h"

namespace kelvane::test {
namespace {

class IntegrationDevicesTabTest : public FileWindowTest {
protected:
    void SetUp() override {
        FileWindowTest::SetUp();
        window->resize(900, 760);
    }

    TfrmLoop& Loop() const { return *Child<DevicesTab>(*window, "tabLoop1")->frmLoop1; }
    QWidget* Viewport() const { return Loop().dwgLoop->viewport(); }
    QPoint ShownCentre(int address) const {
        Loop().dwgLoop->SetSelectedAddress(address);
        const QPoint centre = Loop().dwgLoop->CellRect(address).center();
        QTest::mouseMove(Viewport(), centre);
        return centre;
    }
    // Moving the mouse lets queued work run: a menu or dialog driver is
    // queued after it, right before the click.
    void ClickCell(int address, const std::function<void()>& beforeClick = {}) {
        const QPoint at = ShownCentre(address);
        if (beforeClick) beforeClick();
        QTest::mouseClick(Viewport(), Qt::LeftButton, {}, at);
    }
    void RightClickCell(int address, const std::function<void()>& beforeClick) {
        const QPoint at = ShownCentre(address);
        beforeClick();
        RightClick(Viewport(), at);
    }
    void PressTool(int tag) {
        DeviceTypeToolBar& tools = *Loop().DeviceToolBar;
        QTest::mouseClick(tag == dtNotFitted ? tools.ToolButtonRemove : tools.ToolButton(tag),
                          Qt::LeftButton);
    }
    std::string SummaryCell(int n, int column) const {
        return Child<DeviceSummaryTab>(*window, "tabLoopSummary")
            ->Table()
            .index(n - 1, column)
            .data()
            .toString()
            .toStdString();
    }
};

TEST_F(IntegrationDevicesTabTest, EveryChangeMadeHereIsListedByTheSummaryAndWrittenBySave) {
    TKDeviceType& callpoint = data.Loop.Device(7);
    callpoint = {dtCallpoint, 2, 12, "7", 1};
    data.Loop.Device(9) = {dtOverDoorLight, 5, 14, "X", 1};
    window->FillAllTabs();

    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageDevices);
    EXPECT_EQ(Child<QPushButton>(*window, "btnLoadFromPanel")->text(), "Load Device Data From Controller");
    EXPECT_EQ(Child<QPushButton>(*window, "btnSavetoPanel")->text(), "Save Device Data To Controller");
    EXPECT_TRUE(Child<QPushButton>(*window, "btnLoadFromPanel")->isVisible());
    EXPECT_EQ(window->HelpContext(), 20);
    EXPECT_GE(Loop().dwgLoop->ColCount(), 10);
    EXPECT_EQ(Loop().DeviceToolBar->ToolButtonRemove->toolTip(), "Remove device");
    EXPECT_FALSE(document.Modified());

    // Place two displays, replace the callpoint, remove one display again.
    PressTool(dtCorridorDisplay);
    ClickCell(20);
    ClickCell(21);
    prompts.Queue(PromptAnswer::Yes);
    ClickCell(7, [] { WhenPopup("Replace device"); });
    PressTool(dtNotFitted);
    prompts.Queue(PromptAnswer::Yes);
    ClickCell(21);
    // Reset the light's parameters from the right-button menu.
    RightClickCell(9, [] { WhenPopup("Reset Parameters"); });
    // Suffix, group and enabled state of the first display in the dialog.
    const QPoint firstDisplay = ShownCentre(20);
    WhenDeviceConfig([](TDeviceConfig& dialog) {
        QTest::keyClicks(dialog.txtSuffix, "20A");
        dialog.lstZone->setCurrentRow(6);
        dialog.BtnDisable->click();
        dialog.AcceptButton->click();
    });
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, firstDisplay);
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(prompts.PendingAnswers(), 0u);

    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageDeviceSummary);
    EXPECT_EQ(SummaryCell(7, dcDeviceType), "Display");
    EXPECT_EQ(SummaryCell(7, dcAllocation), "Group 3");
    EXPECT_EQ(SummaryCell(7, dcSuffix), "7");
    EXPECT_EQ(SummaryCell(20, dcDeviceType), "Display");
    EXPECT_EQ(SummaryCell(20, dcAllocation), "Group 7");
    EXPECT_EQ(SummaryCell(20, dcSuffix), "20A");
    EXPECT_EQ(SummaryCell(20, dcEnabled), "NO");
    EXPECT_EQ(SummaryCell(21, dcDeviceType), "Not fitted");
    EXPECT_EQ(SummaryCell(9, dcDeviceType), "OD Light/Sounder");
    EXPECT_EQ(SummaryCell(9, dcAllocation), "Zone 1");
    EXPECT_EQ(SummaryCell(9, dcPlaceName), "Unnamed");
    EXPECT_EQ(SummaryCell(9, dcSuffix), "");

    const std::string path = PathOf("Loop.KCF");
    dialogs.QueueSave(path);
    window->SaveDocumentAs();
    ASSERT_FALSE(document.Modified());
    prompts.Queue(PromptAnswer::Yes);
    window->NewDocument();
    ASSERT_EQ(data.Loop.Device(20).DeviceType, dtNotFitted);
    dialogs.QueueOpen(path);
    window->OpenDocument();
    const TKDeviceType& display = data.Loop.Device(20);
    EXPECT_EQ(display.DeviceType, dtCorridorDisplay);
    EXPECT_EQ(display.Allocation, 6);
    EXPECT_EQ(display.Suffix, "20A");
    EXPECT_EQ(display.Enabled, 0);
    EXPECT_EQ(data.Loop.Device(7).DeviceType, dtCorridorDisplay);
    EXPECT_EQ(data.Loop.Device(7).PlaceNameIndex, 12);
    EXPECT_EQ(data.Loop.Device(21).DeviceType, dtNotFitted);
    EXPECT_EQ(data.Loop.Device(9).Suffix, "");
    EXPECT_EQ(data.Loop.Device(9).PlaceNameIndex, 0);
    EXPECT_EQ(data.Loop.Device(9).Allocation, 0);
}

TEST_F(IntegrationDevicesTabTest, HelpFromTheDeviceDialogOpensItsContext) {
    emit Loop().DeviceConfig->helpRequested(kHelpDeviceConfig);
    EXPECT_EQ(window->HelpViewer().CurrentContext(), 22);
    window->HelpViewer().close();
}

}  // namespace
}  // namespace kelvane::test
