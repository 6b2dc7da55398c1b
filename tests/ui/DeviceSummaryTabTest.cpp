#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QStatusBar>

#include "DeviceSummaryFixture.h"
#include "ui/HelpContexts.h"
#include "ui/widgets/ListWidgets.h"

namespace kelvane::test {
namespace {

TEST_F(DeviceSummaryTest, TableHasSixHeadedColumnsOfTheGivenWidthsAndSixteenPixelRows) {
    ASSERT_EQ(tab->Table().columnCount(), 6);
    const int widths[] = {46, 93, 91, 93, 46, 46};
    for (int column = 0; column < 6; ++column) {
        EXPECT_EQ(tab->Table().headerData(column, Qt::Horizontal).toString().toStdString(),
                  DeviceSummaryHeadings()[static_cast<std::size_t>(column)]);
        EXPECT_EQ(tab->sgrdLoop->columnWidth(column), widths[column]) << column;
    }
    EXPECT_EQ(tab->sgrdLoop->rowHeight(0), 16);
    EXPECT_FALSE(tab->sgrdLoop->verticalHeader()->isVisible());
    EXPECT_EQ(Rows(), 256);
    EXPECT_EQ(Cell(0, dcDevNo), "1");
    EXPECT_EQ(Cell(0, dcDeviceType), "Network Controller");
    EXPECT_EQ(Cell(255, dcDevNo), "256");
    EXPECT_EQ(Cell(255, dcDeviceType), "Not fitted");
    EXPECT_EQ(Cell(255, dcEnabled), "NO");
}

TEST_F(DeviceSummaryTest, FittedOnlyWithOnlyAddressOneFittedLeavesOneRow) {
    ClickBox(tab->chkFitted);
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(tab->DeviceOfRow(0), 1);
    EXPECT_EQ(Cell(0, dcEnabled), "YES");
    // Nothing fitted at all: only the heading row is left.
    data.Loop.Device(1).DeviceType = dtNotFitted;
    tab->RefreshDeviceTable();
    EXPECT_EQ(Rows(), 0);
    ClickBox(tab->chkFitted);
    EXPECT_EQ(Rows(), 256);
}

TEST_F(DeviceSummaryTest, SortingByTypeListsCallpointsFirstAndUnfittedLast) {
    Fit(40, dtCallpoint);
    Fit(12, dtCallpoint);
    Fit(30, dtOverDoorLight);
    SortBy(soDeviceType);
    EXPECT_EQ(tab->DeviceOfRow(0), 12);
    EXPECT_EQ(tab->DeviceOfRow(1), 40);
    EXPECT_EQ(tab->DeviceOfRow(2), 30);
    EXPECT_EQ(tab->DeviceOfRow(3), 1);  // the network controller, code 8
    EXPECT_EQ(tab->DeviceOfRow(4), 2);
    EXPECT_EQ(tab->DeviceOfRow(255), 256);
    SortBy(soDeviceNumber);
    EXPECT_EQ(tab->DeviceOfRow(11), 12);
}

TEST_F(DeviceSummaryTest, RefreshKeepsTheCursorOrClampsItToTheLastRow) {
    for (int n = 2; n <= 10; ++n) Fit(n, dtCallpoint);
    ClickCell(120, dcPlaceName);
    SortBy(soDeviceType);
    EXPECT_EQ(tab->sgrdLoop->Row(), 120);
    EXPECT_EQ(tab->sgrdLoop->Column(), dcPlaceName);
    ClickBox(tab->chkFitted);
    ASSERT_EQ(Rows(), 10);
    EXPECT_EQ(tab->sgrdLoop->Row(), 9);
    EXPECT_EQ(tab->sgrdLoop->Column(), dcPlaceName);
}

TEST_F(DeviceSummaryTest, RefreshRestoresEnableChangesAndWarnsAboutNothing) {
    ClickCell(100, dcSuffix);  // an unfitted device's suffix
    prompts.Clear();
    TickEnableChanges();
    tab->RefreshDeviceTable();
    EXPECT_TRUE(tab->chkEnableZoneChanges->isChecked());
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

TEST_F(DeviceSummaryTest, AllocationDoubleClickOnlyWhenTheFrontListMatchesTheClass) {
    Fit(5, dtOverDoorLight, 2);
    const int row = RowOf(5);
    ClickCell(row, dcAllocation);
    EXPECT_TRUE(tab->lstZones->isVisible());  // the click brought the zone list forward
    TickEnableChanges();
    ClickRadio("Group");
    EXPECT_TRUE(tab->lstGroups->isVisible());
    tab->lstGroups->setCurrentRow(9);
    tab->sgrdLoopDblClick();
    EXPECT_EQ(data.Loop.Device(5).Allocation, 2);
    EXPECT_EQ(Cell(row, dcAllocation), "Zone 3");

    tab->lstZones->setCurrentRow(6);
    DoubleClickCell(row, dcAllocation);
    EXPECT_EQ(data.Loop.Device(5).Allocation, 6);
    EXPECT_EQ(Cell(row, dcAllocation), "Zone 7");
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

TEST_F(DeviceSummaryTest, ClickOnARowBringsTheListOfItsClassForward) {
    Fit(3, dtMonitoringPoint);
    ClickCell(RowOf(3), dcDevNo);
    EXPECT_TRUE(tab->lstAreas->isVisible());
    ClickCell(RowOf(1), dcDevNo);
    EXPECT_TRUE(tab->lstGroups->isVisible());
    ClickCell(RowOf(2), dcDevNo);  // unfitted: shown like a zone device
    EXPECT_TRUE(tab->lstZones->isVisible());
    // Moving the cursor with the keyboard is a click too.
    QTest::keyClick(tab->sgrdLoop, Qt::Key_Down);
    EXPECT_EQ(tab->sgrdLoop->Row(), RowOf(3));
    EXPECT_TRUE(tab->lstAreas->isVisible());
}

TEST_F(DeviceSummaryTest, ARowThatBecomesCurrentSelectsItsOwnAllocationInTheListInFront) {
    Fit(14, dtCallpoint, 1);
    Fit(20, dtOverDoorLight, 4);
    Fit(21, dtCorridorDisplay, 7);
    tab->RefreshDeviceTable();
    ClickCell(RowOf(14), dcDevNo);
    EXPECT_EQ(SelectedRow(tab->lstAreas), 1);
    ClickCell(RowOf(20), dcPlaceName);
    EXPECT_EQ(SelectedRow(tab->lstZones), 4);
    QTest::keyClick(tab->sgrdLoop, Qt::Key_Down);
    EXPECT_EQ(SelectedRow(tab->lstGroups), 7);

    // On the row that is current, the list keeps what the user chooses there.
    TickEnableChanges();
    ClickCell(RowOf(14), dcAllocation);
    tab->lstAreas->setCurrentRow(3);
    DoubleClickCell(RowOf(14), dcAllocation);
    EXPECT_EQ(data.Loop.Device(14).Allocation, 3);
    // A double-click on another row takes that device's own allocation: nothing changes.
    DoubleClickCell(RowOf(20), dcAllocation);
    EXPECT_EQ(data.Loop.Device(20).Allocation, 4);

    // An allocation the list has no entry for selects nothing, and a double-click gives nothing.
    data.SiteConfig.MainVersion = "07B12";
    data.Loop.Device(20).Allocation = 40;
    ClickCell(RowOf(14), dcDevNo);
    DoubleClickCell(RowOf(20), dcAllocation);
    EXPECT_EQ(SelectedRow(tab->lstZones), -1);
    EXPECT_EQ(data.Loop.Device(20).Allocation, 40);
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

TEST_F(DeviceSummaryTest, AllocationIsNotTakenFromAListWithNothingSelected) {
    Fit(5, dtOverDoorLight, 4);
    ClickCell(RowOf(5), dcAllocation);
    TickEnableChanges();
    tab->lstZones->clearSelection();
    DoubleClickCell(RowOf(5), dcAllocation);
    EXPECT_EQ(data.Loop.Device(5).Allocation, 4);
}

TEST_F(DeviceSummaryTest, TypeChangeKeepsAllocationPlaceNameAndSuffix) {
    TKDeviceType& device = data.Loop.Device(6);
    Fit(6, dtCorridorDisplay, 26);
    device.PlaceNameIndex = 25;
    device.Suffix = "7B";
    device.Enabled = 0;
    tab->RefreshDeviceTable();
    const int row = RowOf(6);
    EXPECT_EQ(Cell(row, dcAllocation), "Group 27");
    TickEnableChanges();
    PressTool(tab->DeviceToolBar->ToolButton(dtCallpoint));
    DoubleClickCell(row, dcDeviceType);
    EXPECT_EQ(device.DeviceType, dtCallpoint);
    EXPECT_EQ(device.Enabled, 1);
    EXPECT_EQ(device.Allocation, 26);
    EXPECT_EQ(device.PlaceNameIndex, 25);
    EXPECT_EQ(device.Suffix, "7B");
    EXPECT_EQ(Cell(row, dcDeviceType), "Callpoint");
    EXPECT_EQ(Cell(row, dcAllocation), "Area [");  // the character after Z
    EXPECT_EQ(Cell(row, dcEnabled), "YES");
    EXPECT_TRUE(document.Modified());
}

TEST_F(DeviceSummaryTest, TypeChangeStaysInPlaceUntilTheNextRefresh) {
    SortBy(soDeviceType);
    const int row = RowOf(50);
    TickEnableChanges();
    PressTool(tab->DeviceToolBar->ToolButton(dtRadioReceiver));
    DoubleClickCell(row, dcDeviceType);
    EXPECT_EQ(tab->DeviceOfRow(row), 50);
    EXPECT_EQ(Cell(row, dcDeviceType), "Radio Receiver");
    tab->RefreshDeviceTable();
    EXPECT_EQ(tab->DeviceOfRow(0), 1);
    EXPECT_EQ(tab->DeviceOfRow(1), 50);
}

TEST_F(DeviceSummaryTest, RemoveToolClearsTheDeviceAndRefreshesTheTable) {
    Fit(8, dtDoorbell, 3);
    ClickBox(tab->chkFitted);
    ASSERT_EQ(Rows(), 2);
    TickEnableChanges();
    PressTool(tab->DeviceToolBar->ToolButtonRemove);
    DoubleClickCell(1, dcDeviceType);
    EXPECT_EQ(data.Loop.Device(8).DeviceType, dtNotFitted);
    EXPECT_EQ(data.Loop.Device(8).Enabled, 0);
    EXPECT_EQ(data.Loop.Device(8).Allocation, 3);
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(tab->sgrdLoop->Row(), 0);
}

TEST_F(DeviceSummaryTest, TypeChangesNeedATickAToolAndAnAddressOtherThanOne) {
    Fit(4, dtCallpoint);
    DoubleClickCell(RowOf(4), dcDeviceType);
    EXPECT_EQ(Messages(), std::vector<std::string>{kEnableChangesMessage});
    EXPECT_EQ(prompts.ShownMessages().back().helpContext, kHelpDeviceSummary);
    EXPECT_EQ(prompts.ShownMessages().back().kind, PromptKind::Warning);
    EXPECT_TRUE(document.Modified());  // every double-click marks the document

    TickEnableChanges();
    DoubleClickCell(RowOf(4), dcDeviceType);  // no tool down
    EXPECT_EQ(data.Loop.Device(4).DeviceType, dtCallpoint);
    PressTool(tab->DeviceToolBar->ToolButton(dtMonitoringPoint));
    DoubleClickCell(RowOf(1), dcDeviceType);
    EXPECT_EQ(data.Loop.Device(1).DeviceType, dtNetworkController);
    EXPECT_EQ(prompts.ShownMessages().size(), 1u);
}

TEST_F(DeviceSummaryTest, CellActionsOnAnUnfittedDeviceSayNoDeviceIsFitted) {
    TickEnableChanges();
    const int row = RowOf(20);
    for (int column : {dcAllocation, dcPlaceName, dcEnabled}) {
        prompts.Clear();
        DoubleClickCell(row, column);
        EXPECT_EQ(Messages(), std::vector<std::string>{kNoDeviceFittedMessage}) << column;
    }
    prompts.Clear();
    ClickCell(row, dcSuffix);
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoDeviceFittedMessage});
    EXPECT_EQ(prompts.ShownMessages().back().helpContext, 0);
    EXPECT_EQ(data.Loop.Device(20).DeviceType, dtNotFitted);
}

TEST_F(DeviceSummaryTest, EnabledDoubleClickToggles) {
    Fit(9, dtCallpoint);
    TickEnableChanges();
    DoubleClickCell(RowOf(9), dcEnabled);
    EXPECT_EQ(data.Loop.Device(9).Enabled, 0);
    EXPECT_EQ(Cell(RowOf(9), dcEnabled), "NO");
    DoubleClickCell(RowOf(9), dcEnabled);
    EXPECT_EQ(data.Loop.Device(9).Enabled, 1);
    EXPECT_EQ(Cell(RowOf(9), dcEnabled), "YES");
}

TEST_F(DeviceSummaryTest, SuffixTypingStopsAtFourCharactersWithABeep) {
    Fit(3, dtCallpoint);
    const int row = RowOf(3);
    ClickCell(row, dcSuffix);
    EXPECT_EQ(Messages(), std::vector<std::string>{kEnableChangesMessage});
    QTest::keyClicks(tab->sgrdLoop, "AB");
    EXPECT_EQ(data.Loop.Device(3).Suffix, "");
    EXPECT_FALSE(document.Modified());

    TickEnableChanges();
    ClickCell(row, dcSuffix);
    ASSERT_TRUE(tab->Table().flags(tab->Table().index(row, dcSuffix)) & Qt::ItemIsEditable);
    QTest::keyClicks(tab->sgrdLoop, "R");
    auto* editor = tab->sgrdLoop->findChild<QLineEdit*>("SuffixEditor");
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "m12X");
    EXPECT_EQ(data.Loop.Device(3).Suffix, "Rm12");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(Cell(row, dcSuffix), "Rm12");
    EXPECT_TRUE(document.Modified());
    // Backspace is not a printable key: it shortens the suffix.
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(data.Loop.Device(3).Suffix, "Rm1");
    // Enter moves one row down, where the click rules apply again.
    prompts.Clear();
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(tab->sgrdLoop->Row(), row + 1);
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoDeviceFittedMessage});
    EXPECT_EQ(data.Loop.Device(3).Suffix, "Rm1");
}

TEST_F(DeviceSummaryTest, PastedSuffixIsCutAtTheLimitAndAnUnchangedSuffixMarksNothing) {
    Fit(3, dtCallpoint);
    data.Loop.Device(3).Suffix = "12";
    tab->RefreshDeviceTable();
    TickEnableChanges();
    ClickCell(RowOf(3), dcSuffix);
    QTest::keyClick(tab->sgrdLoop, Qt::Key_F2);
    auto* editor = tab->sgrdLoop->findChild<QLineEdit*>("SuffixEditor");
    ASSERT_NE(editor, nullptr);
    // Pasting goes through the same edit as typing.
    editor->selectAll();
    editor->insert(QStringLiteral("12"));
    EXPECT_FALSE(document.Modified());
    editor->selectAll();
    editor->insert(QStringLiteral("ABCDEFG"));
    EXPECT_EQ(data.Loop.Device(3).Suffix, "ABCD");
    EXPECT_TRUE(document.Modified());
}

TEST_F(DeviceSummaryTest, UntickingEnableChangesEndsSuffixEditing) {
    Fit(3, dtCallpoint);
    TickEnableChanges();
    ClickCell(RowOf(3), dcSuffix);
    ClickBox(tab->chkEnableZoneChanges);
    EXPECT_FALSE(tab->Table().SuffixEditing());
    tab->sgrdLoop->setFocus();
    QTest::keyClicks(tab->sgrdLoop, "Z");
    EXPECT_EQ(data.Loop.Device(3).Suffix, "");
}

TEST_F(DeviceSummaryTest, ZoneListHas32Or64ZonesByControllerVersion) {
    data.SiteConfig.MainVersion = "07C10";
    tab->RebuildZoneList();
    ASSERT_EQ(tab->lstZones->count(), 32);
    EXPECT_EQ(tab->lstZones->item(31)->text(), "Zone 32");
    tab->lstZones->setCurrentRow(20);
    data.SiteConfig.MainVersion = "08A00";
    tab->RebuildZoneList();
    ASSERT_EQ(tab->lstZones->count(), 64);
    EXPECT_EQ(tab->lstZones->item(63)->text(), "Zone 64");
    EXPECT_EQ(tab->lstZones->currentRow(), 20);
    data.SiteConfig.MainVersion = kVersionNotAvailable;
    tab->RebuildZoneList();
    EXPECT_EQ(tab->lstZones->count(), 64);
    EXPECT_EQ(tab->lstGroups->count(), 32);
    EXPECT_EQ(tab->lstGroups->item(31)->text(), "Group 32");
    EXPECT_EQ(tab->lstAreas->count(), 26);
    EXPECT_EQ(tab->lstAreas->item(25)->text(), "Area Z");
}

TEST_F(DeviceSummaryTest, FirstEntriesSelectedAndRadioGroupRebuildsTheFront) {
    tab->SelectFirstListEntries();
    for (QListWidget* list : {tab->lstZones, tab->lstGroups, tab->lstAreas})
        EXPECT_TRUE(list->item(0)->isSelected()) << list->objectName().toStdString();
    EXPECT_EQ(tab->cboReportType->currentText(), "Device Number");
    EXPECT_EQ(tab->radgrpZoneGroup->title(), "Show zones, groups or areas");
    ClickRadio("Area");
    EXPECT_TRUE(tab->lstAreas->isVisible());
    EXPECT_FALSE(tab->lstZones->isVisible());
    data.SiteConfig.MainVersion = "07A00";
    ClickRadio("Zone");
    EXPECT_EQ(tab->lstZones->count(), 32);
}

TEST_F(DeviceSummaryTest, ResetCursorGoesToTheFirstDeviceWithoutAWarning) {
    ClickCell(30, dcSuffix);
    prompts.Clear();
    tab->ResetTableCursor();
    EXPECT_EQ(tab->sgrdLoop->Row(), 0);
    EXPECT_EQ(tab->sgrdLoop->Column(), dcDevNo);
    EXPECT_TRUE(tab->lstGroups->isVisible());  // address 1 is the controller, a group device
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

TEST_F(DeviceSummaryTest, ToolBarOffersFiveTypesAndRemoveWithHintsAndOneToolDown) {
    DeviceTypeToolBar* bar = tab->DeviceToolBar;
    EXPECT_EQ(bar->objectName(), "DeviceToolBar");
    ASSERT_EQ(bar->Tools().size(), 16);
    for (int tag = 1; tag <= 15; ++tag) {
        QToolButton* tool = bar->ToolButton(tag);
        EXPECT_EQ(tool->objectName(), QStringLiteral("ToolButton%1").arg(tag));
        EXPECT_EQ(tool->isVisible(), tag == 1 || tag == 4 || tag == 6 || tag == 7 || tag == 9) << tag;
        EXPECT_EQ(tool->toolTip().toStdString(), DeviceTypeLongName(tag));
        EXPECT_EQ(DeviceTypeToolBar::TagOf(tool), tag);
    }
    EXPECT_EQ(bar->ToolButton(7)->toolTip(), "Over-door Light / Addressable Sounder");
    EXPECT_TRUE(bar->ToolButtonRemove->isVisible());
    EXPECT_EQ(bar->ToolButtonRemove->toolTip(), "Remove device");
    EXPECT_EQ(DeviceTypeToolBar::TagOf(bar->ToolButtonRemove), 0);
    EXPECT_EQ(bar->ToolButton(1)->size(), QSize(57, 57));

    EXPECT_EQ(bar->DownTool(), nullptr);
    PressTool(bar->ToolButton(4));
    PressTool(bar->ToolButton(9));
    EXPECT_EQ(bar->DownTool(), bar->ToolButton(9));
    EXPECT_FALSE(bar->ToolButton(4)->isChecked());
    PressTool(bar->ToolButton(9));  // all up is allowed
    EXPECT_EQ(bar->DownTool(), nullptr);
}

TEST_F(DeviceSummaryTest, StatusBarShowsTheHintUnderTheMouse) {
    QToolButton* tool = tab->DeviceToolBar->ToolButton(dtCorridorDisplay);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), tool->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(tool, &enter);
    EXPECT_EQ(tab->StatusBar1->currentMessage(), "Corridor Display");
}

TEST_F(DeviceSummaryTest, PlaceNameDoubleClickOpensThePickerAtTheCurrentName) {
    Fit(7, dtCallpoint);
    data.Loop.Device(7).PlaceNameIndex = 43;
    data.CustomNames.Item(2).Name = "Day Room";
    tab->RefreshDeviceTable();
    EXPECT_EQ(Cell(RowOf(7), dcPlaceName), "Day Room");
    TickEnableChanges();
    bool preselected = false;
    WhenModal([&](QWidget* modal) {
        ASSERT_EQ(modal, picker.get());
        preselected = picker->ListBox2->currentRow() == 2 && picker->ListBox2->item(2)->isSelected() &&
                      picker->ListBox1->selectedItems().isEmpty() &&
                      picker->ListBox2->item(2)->text() == "Day Room";
        QListWidgetItem* lounge = picker->ListBox1->item(25);
        QTest::mouseClick(picker->ListBox1->viewport(), Qt::LeftButton, {},
                          picker->ListBox1->visualItemRect(lounge).center());
    });
    DoubleClickCell(RowOf(7), dcPlaceName);
    EXPECT_TRUE(preselected);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(data.Loop.Device(7).PlaceNameIndex, 25);
    EXPECT_EQ(Cell(RowOf(7), dcPlaceName), "Lounge");
}

TEST_F(DeviceSummaryTest, ModelStaysConsistentThroughOrdersAndFilters) {
    // The model tester fails the test on any inconsistency.
    for (int n = 2; n <= 256; n += 3) Fit(n, 1 + n % 9);
    ClickBox(tab->chkFitted);
    SortBy(soDeviceType);
    ClickBox(tab->chkFitted);
    SortBy(soDeviceNumber);
    EXPECT_EQ(Rows(), 256);
}

}  // namespace
}  // namespace kelvane::test
