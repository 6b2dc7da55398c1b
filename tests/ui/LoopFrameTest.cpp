// The loop frame of the Devices tab: placing, replacing and removing with
// the tools, its menus, its information bar and how the grid is laid out
// and drawn.
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>

#include "LoopFrameFixture.h"
#include "model/LoopInfoTexts.h"

namespace kelvane::test {
namespace {

const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

TEST_F(LoopFrameTest, BeforeAnyToolIsChosenAClickOnADeviceAsksToRemoveIt) {
    Fit(5, dtCallpoint);
    EXPECT_EQ(frame->ToolCode(), dtNotFitted);
    EXPECT_FALSE(frame->NoTool());

    prompts.Queue(PromptAnswer::No);
    ClickCell(5);
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.ShownMessages()[0].text, " Are you sure that you want to remove this device ?");
    EXPECT_EQ(prompts.ShownMessages()[0].kind, PromptKind::Warning);
    EXPECT_EQ(prompts.ShownMessages()[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(data.Loop.Device(5).DeviceType, dtCallpoint);
    EXPECT_FALSE(document.Modified());

    prompts.Queue(PromptAnswer::Yes);
    ClickCell(5);
    EXPECT_EQ(data.Loop.Device(5).DeviceType, dtNotFitted);
    EXPECT_EQ(data.Loop.Device(5).Enabled, 0);
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(CellPicture(5).pixelColor(0, 0), kRed);

    // The controller at address 1 is never removed, and nobody is asked.
    prompts.Clear();
    ClickCell(1);
    EXPECT_EQ(data.Loop.Device(1).DeviceType, dtNetworkController);
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

TEST_F(LoopFrameTest, TheDisplayToolPlacesAtOnceOnAnEmptyAddressAndOffersToReplaceAnother) {
    Fit(7, dtCallpoint, 3);
    data.Loop.Device(7).Suffix = "7A";
    PressTool(dtCorridorDisplay);
    EXPECT_EQ(frame->ToolCode(), dtCorridorDisplay);
    EXPECT_FALSE(frame->NoTool());
    const TKDeviceType before = data.Loop.Device(20);

    ClickCell(20);
    const TKDeviceType& placed = data.Loop.Device(20);
    EXPECT_EQ(placed.DeviceType, dtCorridorDisplay);
    EXPECT_EQ(placed.Enabled, 1);
    EXPECT_EQ(placed.Allocation, before.Allocation);
    EXPECT_EQ(placed.PlaceNameIndex, before.PlaceNameIndex);
    EXPECT_TRUE(document.Modified());
    EXPECT_TRUE(prompts.ShownMessages().empty());
    EXPECT_EQ(CellPicture(20).pixelColor(0, 0), kGreen);
    EXPECT_EQ(CellPicture(20).pixelColor(52, 52), kGreen);
    EXPECT_EQ(Panel(0), "Device Type=Display");

    // A callpoint: the replace menu, and the question before replacing.
    QStringList captions;
    WhenPopup("Replace device", &captions);
    prompts.Queue(PromptAnswer::No);
    ClickCell(7);
    EXPECT_EQ(captions, (QStringList{"Replace device", "Edit device properties"}));
    EXPECT_EQ(prompts.LastText(),
              " Are you sure that you want to change the current device to this new type ?");
    EXPECT_EQ(data.Loop.Device(7).DeviceType, dtCallpoint);

    WhenPopup("Replace device");
    prompts.Queue(PromptAnswer::Yes);
    ClickCell(7);
    EXPECT_EQ(data.Loop.Device(7).DeviceType, dtCorridorDisplay);
    EXPECT_EQ(data.Loop.Device(7).Allocation, 3);
    EXPECT_EQ(data.Loop.Device(7).Suffix, "7A");

    // Address 1 is not offered for replacing.
    prompts.Clear();
    ClickCell(1);
    EXPECT_EQ(data.Loop.Device(1).DeviceType, dtNetworkController);
    EXPECT_TRUE(prompts.ShownMessages().empty());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(LoopFrameTest, EditDevicePropertiesFromTheReplaceMenuOpensTheDialog) {
    Fit(7, dtCallpoint);
    PressTool(dtMonitoringPoint);
    int shown = 0;
    WhenPopup("Edit device properties");
    WhenDeviceConfig([&shown](TDeviceConfig& dialog) {
        shown = dialog.Device();
        dialog.CancelButton->click();
    });
    ClickCell(7);
    EXPECT_EQ(shown, 7);
    EXPECT_EQ(data.Loop.Device(7).DeviceType, dtCallpoint);
}

TEST_F(LoopFrameTest, RaisingTheToolAgainMakesAClickOpenTheDialog) {
    PressTool(dtCallpoint);
    PressTool(dtCallpoint);
    EXPECT_TRUE(frame->NoTool());
    int shown = 0;
    WhenDeviceConfig([&shown](TDeviceConfig& dialog) {
        shown = dialog.Device();
        dialog.CancelButton->click();
    });
    ClickCell(30);
    EXPECT_EQ(shown, 30);
    EXPECT_EQ(data.Loop.Device(30).DeviceType, dtNotFitted);
    EXPECT_FALSE(document.Modified());
}

TEST_F(LoopFrameTest, A630PixelGridHas10ColumnsAnd26RowsWithTheCellsPast256Blank) {
    ASSERT_EQ(Grid().width(), 630);
    EXPECT_EQ(Grid().ColCount(), 10);
    EXPECT_EQ(Grid().RowCount(), 26);
    Grid().verticalScrollBar()->setValue(Grid().verticalScrollBar()->maximum());
    const QColor face = Grid().palette().color(QPalette::Button);
    for (int address = 257; address <= 260; ++address) {
        const QImage cell = CellPicture(address);
        ASSERT_FALSE(cell.isNull());
        for (int y = 0; y < cell.height(); y += 3)
            for (int x = 0; x < cell.width(); x += 3)
                ASSERT_EQ(cell.pixelColor(x, y), face) << address << " at " << x << "," << y;
    }
    // Address 256 is the sixth cell of the last row, drawn in full.
    EXPECT_EQ(Grid().AddressAt(CellCentre(256)), 256);
    EXPECT_EQ(CellPicture(256).pixelColor(0, 0), kRed);

    // A click on a blank cell does nothing.
    ClickCell(258);
    EXPECT_TRUE(prompts.ShownMessages().empty());
    EXPECT_FALSE(document.Modified());
}

TEST_F(LoopFrameTest, TheResizeRuleKeepsAtLeastOneColumn) {
    // The tool bar holds the frame wider than this; the grid itself can be.
    Grid().resize(60, 400);
    EXPECT_EQ(Grid().ColCount(), 1);
    EXPECT_EQ(Grid().RowCount(), 256);
    EXPECT_EQ(Grid().AddressAt(Grid().CellRect(256).center()), 256);

    // 16 columns: 16 rows of addresses and one more, as 257 does not divide.
    frame->resize(16 * 61 + 20 + kLoopFrameSideMargins, 400);
    QApplication::processEvents();
    EXPECT_EQ(Grid().ColCount(), 16);
    EXPECT_EQ(Grid().RowCount(), 17);
}

TEST_F(LoopFrameTest, TheCellShowsTheDevicesStateInItsFrameAndPicture) {
    Fit(3, dtMonitoringPoint);
    Fit(4, dtMonitoringPoint);
    data.Loop.Device(4).Enabled = 0;
    Grid().RepaintAll();
    const QImage enabled = CellPicture(3);
    const QImage disabled = CellPicture(4);
    EXPECT_EQ(enabled.pixelColor(1, 1), kGreen);
    EXPECT_EQ(disabled.pixelColor(1, 1), kRed);
    // The pictures differ (enabled and disabled lists), the frames around them do not move.
    EXPECT_NE(enabled.copy(2, 2, 50, 50), disabled.copy(2, 2, 50, 50));
    EXPECT_EQ(enabled.copy(2, 2, 50, 50),
              images.imglstApollo.Pixmap(dtMonitoringPoint).toImage().convertToFormat(enabled.format()));
    // Outside the frame the cell is button face.
    EXPECT_EQ(enabled.pixelColor(58, 5), Grid().palette().color(QPalette::Button));
}

TEST_F(LoopFrameTest, AnEmptyAddressShowsTheBarePlateInARedFrameNotTheRemoveTool) {
    Grid().RepaintAll();
    const QImage empty = CellPicture(9);
    EXPECT_EQ(empty.pixelColor(1, 1), kRed);
    const QImage plate = empty.copy(2, 2, 50, 50);
    EXPECT_NE(plate, images.imglstApollo.Pixmap(dtNotFitted).toImage().convertToFormat(empty.format()));
    // Silver with a grey outline: no strong colour anywhere in the picture.
    for (int y = 0; y < plate.height(); ++y)
        for (int x = 0; x < plate.width(); ++x)
            ASSERT_LT(plate.pixelColor(x, y).hsvSaturation(), 40) << x << "," << y;
}

TEST_F(LoopFrameTest, TheArrowKeysMoveTheSelectionAndEnterSelects) {
    Grid().setFocus();
    PressTool(dtCallpoint);
    EXPECT_EQ(Grid().SelectedAddress(), 1);
    QTest::keyClick(&Grid(), Qt::Key_Right);
    QTest::keyClick(&Grid(), Qt::Key_Down);
    EXPECT_EQ(Grid().SelectedAddress(), 12);
    EXPECT_EQ(data.Loop.Device(12).DeviceType, dtNotFitted);
    QTest::keyClick(&Grid(), Qt::Key_Return);
    EXPECT_EQ(data.Loop.Device(12).DeviceType, dtCallpoint);
    EXPECT_EQ(frame->CurrentAddress(), 12);
    QTest::keyClick(&Grid(), Qt::Key_Right);
    QTest::keyClick(&Grid(), Qt::Key_Space);
    EXPECT_EQ(data.Loop.Device(13).DeviceType, dtCallpoint);
    // The selection stays within the loop.
    QTest::keyClick(&Grid(), Qt::Key_End);
    QTest::keyClick(&Grid(), Qt::Key_Down);
    QTest::keyClick(&Grid(), Qt::Key_Right);
    EXPECT_EQ(Grid().SelectedAddress(), 256);
    // A click moves the selection mark too.
    ClickCell(40);
    EXPECT_EQ(Grid().SelectedAddress(), 40);
}

TEST_F(LoopFrameTest, TheRightButtonMenuEditsResetsAndRemovesTheDeviceUnderTheMouse) {
    Fit(9, dtOverDoorLight, 12);
    data.Loop.Device(9).Suffix = "B";
    data.Loop.Device(9).PlaceNameIndex = 14;
    QStringList captions;
    MoveOver(9);
    WhenPopup("Reset Parameters", &captions);
    RightClickCell(9);
    EXPECT_EQ(captions, (QStringList{"Edit Device", "Reset Parameters", "Remove Device"}));
    const TKDeviceType& device = data.Loop.Device(9);
    EXPECT_EQ(device.Suffix, "");
    EXPECT_EQ(device.Allocation, 0);
    EXPECT_EQ(device.PlaceNameIndex, 0);
    EXPECT_EQ(device.DeviceType, dtOverDoorLight);
    EXPECT_EQ(device.Enabled, 1);
    EXPECT_TRUE(document.Modified());

    PressTool(dtRadioReceiver);
    prompts.Queue(PromptAnswer::Yes);
    WhenPopup("Remove Device");
    RightClickCell(9);
    EXPECT_EQ(prompts.LastText(), " Are you sure that you want to remove the current device?");
    EXPECT_EQ(device.DeviceType, dtNotFitted);
    EXPECT_EQ(frame->ToolCode(), dtRadioReceiver);

    // With no type tool down the tool code goes back to removing.
    PressTool(dtRadioReceiver);
    Fit(10, dtCallpoint);
    MoveOver(10);
    prompts.Queue(PromptAnswer::No);
    WhenPopup("Remove Device");
    RightClickCell(10);
    EXPECT_EQ(data.Loop.Device(10).DeviceType, dtCallpoint);
    EXPECT_EQ(frame->ToolCode(), dtNotFitted);

    int shown = 0;
    MoveOver(10);
    WhenPopup("Edit Device");
    WhenDeviceConfig([&shown](TDeviceConfig& dialog) {
        shown = dialog.Device();
        dialog.CancelButton->click();
    });
    RightClickCell(10);
    EXPECT_EQ(shown, 10);
}

TEST_F(LoopFrameTest, TheMenuCannotRemoveAddressOneNorActOnABlankCell) {
    QStringList captions;
    MoveOver(1);
    WhenPopup("Remove Device");
    RightClickCell(1);
    EXPECT_EQ(data.Loop.Device(1).DeviceType, dtNetworkController);
    EXPECT_TRUE(prompts.ShownMessages().empty());

    Grid().verticalScrollBar()->setValue(Grid().verticalScrollBar()->maximum());
    MoveOver(259);
    EXPECT_EQ(frame->CurrentAddress(), 259);
    WhenPopup("Edit Device");
    RightClickCell(259);
    EXPECT_FALSE(frame->Edit1->isEnabled());
    EXPECT_FALSE(frame->ResetParameters1->isEnabled());
    // A double-click there opens nothing either.
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, CellCentre(259));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(LoopFrameTest, ADoubleClickOpensTheDialogForTheDeviceUnderTheMouse) {
    Fit(15, dtRadioReceiver);
    PressTool(dtRadioReceiver);
    int shown = 0;
    WhenDeviceConfig([&shown](TDeviceConfig& dialog) {
        shown = dialog.Device();
        dialog.CancelButton->click();
    });
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(15));
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, CellCentre(15));
    EXPECT_EQ(shown, 15);
}

TEST_F(LoopFrameTest, TheInformationBarFollowsTheMouseAndShowsToolHints) {
    EXPECT_EQ(Panel(0), "Device Type=");
    EXPECT_EQ(Panel(1), "Name=");
    EXPECT_EQ(Panel(2), "Zone No=");
    EXPECT_EQ(Panel(3), "Enabled");

    Fit(6, dtCorridorDisplay, 4);
    data.Loop.Device(6).Suffix = "12";
    data.Loop.Device(6).PlaceNameIndex = 9;
    Fit(8, dtCallpoint, 2);
    data.Loop.Device(8).Enabled = 0;
    MoveOver(6);
    EXPECT_EQ(frame->CurrentAddress(), 6);
    EXPECT_EQ(Panel(0), "Device Type=Display");
    EXPECT_EQ(Panel(1), "Place Name=" + QString::fromStdString(data.PlaceName(9)) + " 12");
    EXPECT_EQ(Panel(2), "Group No=5");
    EXPECT_EQ(Panel(3), "Enabled");
    MoveOver(8);
    EXPECT_EQ(Panel(2), "Area =C");
    EXPECT_EQ(Panel(3), "Disabled");
    MoveOver(40);
    EXPECT_EQ(Panel(2), "Zone No=1");

    // Over a tool: its long name in the widened first panel.
    QToolButton* light = frame->DeviceToolBar->ToolButton(dtOverDoorLight);
    QTest::mouseMove(light, light->rect().center());
    EXPECT_EQ(Panel(0), "Over-door Light / Addressable Sounder");
    EXPECT_EQ(frame->stbarLoopInfo->PanelWidth(0), 650);
    EXPECT_EQ(frame->stbarLoopInfo->PanelWidth(1), 0);
    EXPECT_EQ(frame->stbarLoopInfo->PanelWidth(2), 0);
    QToolButton* remove = frame->DeviceToolBar->ToolButtonRemove;
    QTest::mouseMove(remove, remove->rect().center());
    EXPECT_EQ(Panel(0), "Remove device");

    // Back on the grid the panels come back; past 256 they read as at first.
    Grid().verticalScrollBar()->setValue(Grid().verticalScrollBar()->maximum());
    MoveOver(260);
    EXPECT_FALSE(frame->stbarLoopInfo->ShowingHints());
    // The first panel is as wide as its longest text needs, at least 200.
    EXPECT_GE(frame->stbarLoopInfo->PanelWidth(0), 200);
    EXPECT_GT(frame->stbarLoopInfo->PanelWidth(0), frame->stbarLoopInfo->fontMetrics().horizontalAdvance(
                                                       QStringLiteral("Device Type=Network Controller")));
    EXPECT_EQ(frame->stbarLoopInfo->PanelWidth(1), 255);
    EXPECT_EQ(frame->stbarLoopInfo->PanelWidth(2), 95);
    EXPECT_EQ(Panel(0), "Device Type=");
    EXPECT_EQ(Panel(1), "Name=");
    EXPECT_EQ(Panel(2), "Zone No=");
}

TEST_F(LoopFrameTest, TheToolBarShowsTheSameToolsAsTheDeviceSummary) {
    for (int tag = 1; tag <= kDeviceToolCount; ++tag) {
        QToolButton* tool = frame->DeviceToolBar->ToolButton(tag);
        const bool shown = tag == 1 || tag == 4 || tag == 6 || tag == 7 || tag == 9;
        EXPECT_EQ(tool->isVisible(), shown) << tag;
        EXPECT_EQ(tool->size(), QSize(57, 56)) << tag;
    }
    EXPECT_TRUE(frame->DeviceToolBar->ToolButtonRemove->isVisible());
    EXPECT_EQ(frame->DeviceToolBar->ToolButtonRemove->toolTip(), "Remove device");
}

// Counts what the grid repaints.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* viewport) { viewport->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion painted;
};

TEST_F(LoopFrameTest, MovingTheMouseRepaintsOnlyTheCellsItLeavesAndEnters) {
    MoveOver(14);
    QApplication::processEvents();
    PaintWatch watch(Viewport());
    MoveOver(15);
    QApplication::processEvents();
    EXPECT_EQ(watch.painted, QRegion(Grid().CellRect(14)) + Grid().CellRect(15));

    // Within the same cell nothing is repainted.
    watch.painted = QRegion();
    QTest::mouseMove(Viewport(), CellCentre(15) + QPoint(5, 5));
    QApplication::processEvents();
    EXPECT_TRUE(watch.painted.isEmpty());
}

TEST(LoopInfoTexts, TheStartTextsAndADevicesTexts) {
    TData data;
    data.ResetToDefaults();
    EXPECT_EQ(LoopInfoStartTexts(), (LoopInfoTexts{"Device Type=", "Name=", "Zone No=", "Enabled"}));
    TKDeviceType& device = data.Loop.Device(2);
    device.DeviceType = dtAudioCallpoint;
    device.Allocation = 63;
    EXPECT_EQ(DeviceInfoTexts(data, 2),
              (LoopInfoTexts{"Device Type=ACallpoint", "Place Name=Unnamed ", "Zone No=64", "Disabled"}));
    // An area past Z reads as the next character, as everywhere else.
    device.DeviceType = dtDoorbell;
    device.Allocation = 26;
    EXPECT_EQ(DeviceInfoTexts(data, 2)[2], "Area =[");
}

TEST_F(LoopFrameTest, TheKeyboardWorksTheToolsTheCellsAndTheirMenu) {
    Fit(12, dtCallpoint, 2);
    data.Loop.Device(12).PlaceNameIndex = 4;
    // Tab reaches the tools; Space presses the one with the focus.
    QToolButton* display = frame->DeviceToolBar->ToolButton(dtCorridorDisplay);
    EXPECT_TRUE(display->focusPolicy() & Qt::TabFocus);
    display->setFocus(Qt::TabFocusReason);
    QTest::keyClick(display, Qt::Key_Space);
    EXPECT_TRUE(display->isChecked());
    EXPECT_EQ(frame->lblToolInEffect->text(), "Tool in effect: Corridor Display");

    // The selected cell is named in full, and the bar describes it.
    Grid().setFocus();
    QTest::keyClick(&Grid(), Qt::Key_Right);
    QTest::keyClick(&Grid(), Qt::Key_Down);
    EXPECT_EQ(Grid().accessibleName(),
              "Device 12, Callpoint, " + QString::fromStdString(data.PlaceName(4)) + ", Area C, enabled");
    EXPECT_EQ(Panel(2), "Area =C");

    // Shift+F10 opens the cell's menu, as the Menu key does.
    QStringList seen;
    WhenPopup("none", &seen);
    QTest::keyClick(&Grid(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(seen, (QStringList{"Edit Device", "Reset Parameters", "Remove Device"}));
    EXPECT_EQ(frame->CurrentAddress(), 12);
}

}  // namespace
}  // namespace kelvane::test
