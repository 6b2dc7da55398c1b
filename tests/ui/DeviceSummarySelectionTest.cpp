#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStatusBar>

#include "DeviceSummaryFixture.h"
#include "ui/devices/DeviceFindBar.h"

namespace kelvane::test {
namespace {

class DeviceSummarySelectionTest : public DeviceSummaryTest {
protected:
    // Selects the rows of `first` and the devices after it down to `last`
    // with Shift and the arrows.
    void SelectDown(int first, int rows) {
        ClickCell(RowOf(first), dcDevNo);
        for (int n = 0; n < rows; ++n) QTest::keyClick(tab->sgrdLoop, Qt::Key_Down, Qt::ShiftModifier);
    }
    std::string Status() const { return tab->StatusBar1->currentMessage().toStdString(); }
};

TEST_F(DeviceSummarySelectionTest, ADoubleClickInSeveralSelectedRowsEditsEveryDeviceThatMayTakeIt) {
    Fit(2, dtCallpoint);
    Fit(3, dtCallpoint);
    Fit(5, dtOverDoorLight);
    TickEnableChanges();
    SelectDown(1, 4);
    ASSERT_EQ(tab->SelectedDevices(), (std::vector<int>{1, 2, 3, 4, 5}));

    PressTool(tab->DeviceToolBar->ToolButton(dtMonitoringPoint));
    document.SetModified(false);
    // Each bulk edit is one undo step, however many devices it changes.
    std::vector<std::string> steps;
    document.OnChanged = [&steps](const std::string& step) { steps.push_back(step); };
    DoubleClickCell(RowOf(3), dcDeviceType);
    EXPECT_EQ(tab->SelectedDevices().size(), 5u);
    EXPECT_EQ(data.Loop.Device(1).DeviceType, dtNetworkController);
    for (int n = 2; n <= 5; ++n) EXPECT_EQ(Cell(RowOf(n), dcDeviceType), "Mon Point") << n;
    EXPECT_EQ(Status(), "Changed 4 devices; skipped 1: device 1 keeps its type");
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(steps, (std::vector<std::string>{"Change 4 Devices Type"}));

    // The lists stay as chosen for the whole selection while its rows are
    // clicked: an area for the devices of the area class.
    data.Loop.Device(4).DeviceType = dtNotFitted;
    data.Loop.Device(5).DeviceType = dtOverDoorLight;
    ClickRadio("Area");
    tab->lstAreas->setCurrentRow(2);
    DoubleClickCell(RowOf(2), dcAllocation);
    EXPECT_EQ(Cell(RowOf(2), dcAllocation), "Area C");
    EXPECT_EQ(Cell(RowOf(3), dcAllocation), "Area C");
    EXPECT_EQ(Cell(RowOf(5), dcAllocation), "Zone 1");
    EXPECT_EQ(Status(), "Changed 2 devices; skipped 3: 1 device not fitted, 2 devices not of the area class");
    EXPECT_EQ(steps.back(), "Change 2 Devices Allocation");

    // Every device takes the state the double-clicked one toggles to.
    data.Loop.Device(3).Enabled = 0;
    DoubleClickCell(RowOf(2), dcEnabled);
    for (int n : {1, 2, 3, 5}) EXPECT_EQ(Cell(RowOf(n), dcEnabled), "NO") << n;
    EXPECT_EQ(Status(), "Changed 3 devices (1 already so); skipped 1: 1 device not fitted");

    // Without "Enable changes" nothing changes and the usual warning comes.
    ClickBox(tab->chkEnableZoneChanges);
    DoubleClickCell(RowOf(2), dcEnabled);
    EXPECT_EQ(Cell(RowOf(2), dcEnabled), "NO");
    EXPECT_EQ(Messages().back(), kEnableChangesMessage);

    // A plain click outside the selection, or an arrow, selects one row again.
    ClickCell(RowOf(9), dcDevNo);
    EXPECT_EQ(tab->SelectedDevices(), (std::vector<int>{9}));
    QTest::keyClick(tab->sgrdLoop, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(tab->SelectedDevices().size(), 256u);
}

TEST_F(DeviceSummarySelectionTest, FindGoesThroughTheMatchesAndSelectsEach) {
    Fit(10, dtCallpoint, 2);
    Fit(20, dtCallpoint);
    Fit(30, dtOverDoorLight);
    tab->RefreshDeviceTable();
    DeviceFindBar* bar = tab->FindBar;
    QSignalSpy found(tab.get(), &DeviceSummaryTab::deviceFound);
    QTest::keyClick(tab->sgrdLoop, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), bar->FindText);

    QTest::keyClicks(bar->FindText, "CALLP");
    EXPECT_EQ(bar->MatchCount->text(), "1 of 2");
    EXPECT_EQ(tab->DeviceOfRow(tab->sgrdLoop->Row()), 10);
    QTest::keyClick(bar->FindText, Qt::Key_F3);
    EXPECT_EQ(bar->MatchCount->text(), "2 of 2");
    EXPECT_EQ(tab->SelectedDevices(), (std::vector<int>{20}));
    QTest::keyClick(bar->FindText, Qt::Key_Return);
    EXPECT_EQ(bar->MatchCount->text(), "1 of 2");
    QTest::keyClick(bar->FindText, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(bar->MatchCount->text(), "2 of 2");
    EXPECT_EQ(found.takeLast().at(0).toInt(), 20);

    // Typing on starts again among what matches now.
    bar->FindText->clear();
    QTest::keyClicks(bar->FindText, "area c");
    EXPECT_EQ(bar->MatchCount->text(), "1 of 1");
    EXPECT_EQ(tab->DeviceOfRow(tab->sgrdLoop->Row()), 10);
    QTest::keyClicks(bar->FindText, "x");
    EXPECT_EQ(bar->MatchCount->text(), kNoMatchText);
    QTest::keyClick(bar->FindText, Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(DeviceSummarySelectionTest, FittedOnlyFollowsTheBoxHoweverItChangesAndCellsHaveSpokenNames) {
    Fit(7, dtCallpoint, 1);
    tab->chkFitted->setChecked(true);
    EXPECT_EQ(Rows(), 2);
    tab->chkFitted->setChecked(false);
    EXPECT_EQ(Rows(), 256);

    const QModelIndex first = tab->Table().index(RowOf(7), dcDevNo);
    EXPECT_EQ(first.data(Qt::AccessibleTextRole).toString(), "Device 7, Callpoint, Unnamed, Area B, enabled");
    EXPECT_EQ(tab->Table().index(RowOf(7), dcEnabled).data(Qt::AccessibleDescriptionRole),
              first.data(Qt::AccessibleTextRole));
}

}  // namespace
}  // namespace kelvane::test
