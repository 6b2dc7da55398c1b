#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTreeWidget>

#include "MainWindowFixture.h"
#include "core/ProgramSettings.h"
#include "routing/RoutingSites.h"
#include "ui/checks/RoutingMatrixModel.h"
#include "ui/checks/RoutingWindow.h"
#include "ui/checks/SiteChecksWindow.h"
#include "ui/checks/SiteReviewWindows.h"
#include "ui/devices/DeviceSummaryGrid.h"
#include "ui/devices/DeviceSummaryTab.h"
#include "ui/routing/EquationEditors.h"
#include "ui/routing/TfrmAreaEquation.h"
#include "ui/routing/TfrmDeviceEquation.h"
#include "ui/routing/TfrmGroupEquation.h"

namespace kelvane::test {
namespace {

// The main window over the ward site (every call routed and shown), with
// the routing and site check windows at hand.
class SiteReviewWindowsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Show();
        // The window starts with a new site; the ward takes its place as an
        // opened file would.
        WardSite(data);
        window->FillAllTabs();
    }

    void TearDown() override {
        EquationEditors& editors = window->Editors();
        editors.frmAreaEquation->close();
        editors.frmDeviceEquation->close();
        editors.frmGroupEquation->close();
        MainWindowTest::TearDown();
    }

    // An edit as the editors make one: the model changes, the document is marked.
    void Edit(const std::function<void()>& change) {
        change();
        document.SetModified(true);
    }

    QString Count() const { return Child<QLabel>(*window, "lblFindings")->text(); }

    // Shows or hides a window as its View command does.
    void View(const char* command, bool shown) {
        auto* action = Child<QAction>(*window, command);
        if (action->isChecked() != shown) action->trigger();
    }
    SiteChecksWindow& Checks() {
        View("SiteChecks1", true);
        return *Child<SiteChecksWindow>(*window, "SiteChecksWindow");
    }
    RoutingWindow& Routing() {
        View("Routing1", true);
        return *Child<RoutingWindow>(*window, "RoutingWindow");
    }

    // Double-clicks the finding about `record` ("device 10").
    void DoubleClickFinding(const QString& record) {
        QTreeWidget* list = Checks().lstFindings;
        const QList<QTreeWidgetItem*> items = list->findItems(record, Qt::MatchExactly, 1);
        ASSERT_FALSE(items.isEmpty()) << record.toStdString();
        // As a double-click (or Enter) on the finding activates it.
        emit list->itemActivated(items.front(), 0);
    }

    // The matrix cell of the row headed `row` and the column headed `column`.
    QModelIndex Cell(const QString& row, const QString& column) {
        const QAbstractItemModel* model = Routing().grdRouting->model();
        int r = 0;
        while (r < model->rowCount() && model->headerData(r, Qt::Vertical).toString() != row) ++r;
        int c = 0;
        while (c < model->columnCount() && model->headerData(c, Qt::Horizontal).toString() != column) ++c;
        return model->index(r, c);
    }
};

TEST_F(SiteReviewWindowsTest, TheCountAndTheFindingsFollowEveryEditAndEveryLoad) {
    EXPECT_EQ(Count(), "No errors or warnings");
    QTreeWidget* list = Checks().lstFindings;
    EXPECT_EQ(list->topLevelItemCount(), 0);

    // Zone 4's device equation names address 100, where nothing is fitted.
    Edit([this] { SetTerms(data.ZoneList.Zones[4].DeviceEquation, {99}, kDeviceEmpty); });
    EXPECT_EQ(Count(), "1 error, 0 warnings");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "error");
    EXPECT_EQ(list->topLevelItem(0)->text(1), "zone 4");
    EXPECT_TRUE(list->topLevelItem(0)->text(2).contains("100"));

    // A further edit while the document is already modified still counts.
    Edit([this] { SetTerms(data.GroupList.Groups[7].DivertEquation, {6}, kGroupEmpty); });
    EXPECT_EQ(Count(), "1 error, 1 warning");
    EXPECT_EQ(list->topLevelItemCount(), 2);

    // A hidden window catches up as it is shown again.
    View("SiteChecks1", false);
    Edit([this] { SetTerms(data.ZoneList.Zones[4].DeviceEquation, {}, kDeviceEmpty); });
    EXPECT_EQ(Count(), "0 errors, 1 warning");
    EXPECT_EQ(Checks().lstFindings->topLevelItemCount(), 1);

    // A model filled afresh (opened, loaded) is counted again.
    SetTerms(data.GroupList.Groups[7].DivertEquation, {}, kGroupEmpty);
    window->FillAllTabs();
    EXPECT_EQ(Count(), "No errors or warnings");
}

TEST_F(SiteReviewWindowsTest, DoubleClickingAFindingGoesToItsDeviceOrOpensItsEquation) {
    // A second callpoint in area C with the place and suffix of device 10.
    Edit([this] { Fit(data, 30, dtCallpoint, 2, 31, "10"); });
    // Zone 1 names a display (never calls); group 7 diverts to itself.
    Edit([this] {
        SetTerms(data.ZoneList.Zones[1].DeviceEquation, {19, 39}, kDeviceEmpty);
        SetTerms(data.GroupList.Groups[7].DivertEquation, {6}, kGroupEmpty);
    });

    DoubleClickFinding("device 30");
    EXPECT_EQ(window->ActivePage(), kPageDeviceSummary);
    auto* summary = Child<DeviceSummaryTab>(*window, "tabLoopSummary");
    EXPECT_EQ(summary->DeviceOfRow(summary->sgrdLoop->Row()), 30);

    DoubleClickFinding("zone 1");
    EXPECT_TRUE(window->Editors().frmDeviceEquation->isVisible());
    // The editor holds the main window while it is open.
    window->Editors().frmDeviceEquation->close();
    DoubleClickFinding("group 7");
    EXPECT_TRUE(window->Editors().frmGroupEquation->isVisible());
}

TEST_F(SiteReviewWindowsTest, SavingEverythingWithErrorsAsksFirstUnlessTurnedOff) {
    QSignalSpy saves(window.get(), &TfrmMain::saveAllToControllerRequested);
    // Warnings never stop a save.
    Edit([this] { SetTerms(data.GroupList.Groups[7].DivertEquation, {6}, kGroupEmpty); });
    window->btnSaveAllToPanelClick();
    EXPECT_EQ(saves.count(), 1);
    EXPECT_TRUE(prompts.ShownMessages().empty());

    Edit([this] { SetTerms(data.ZoneList.Zones[4].DeviceEquation, {99}, kDeviceEmpty); });
    prompts.Queue(PromptAnswer::No);
    window->btnSaveAllToPanelClick();
    EXPECT_EQ(saves.count(), 1);
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    const ScriptedPrompts::Shown& question = prompts.ShownMessages().front();
    EXPECT_EQ(question.buttons, PromptButtons::YesNo);
    EXPECT_NE(question.text.find("zone 4: "), std::string::npos);
    EXPECT_EQ(question.text.find("group 7"), std::string::npos);
    EXPECT_NE(question.text.find(kSaveAnywayQuestion), std::string::npos);

    prompts.Queue(PromptAnswer::Yes);
    window->btnSaveAllToPanelClick();
    EXPECT_EQ(saves.count(), 2);

    // Settings > Ask Before Saving a Site with Errors, kept in the user's settings.
    Child<QAction>(*window, "AskBeforeSavingWithErrors1")->setChecked(false);
    EXPECT_FALSE(ProgramSettings(settings).AskBeforeSavingWithErrors());
    window->btnSaveAllToPanelClick();
    EXPECT_EQ(saves.count(), 3);
    EXPECT_EQ(prompts.ShownMessages().size(), 2u);
}

TEST_F(SiteReviewWindowsTest, TheRoutingWindowFollowsEditsAndOpensTheEquationOfACell) {
    RoutingWindow& routing = Routing();
    const QAbstractItemModel* matrix = routing.grdRouting->model();
    EXPECT_EQ(Cell("Area C", "Zone 1").data().toString(), "X");
    EXPECT_EQ(Cell("Area C", "Group 2").data().toString(), "D");
    EXPECT_EQ(Cell("Area C", "Group 5").data().toString(), "N");
    EXPECT_EQ(Cell("Area C", "Group 7").data().toString(), "V");
    // The hint names the devices that light, with their place names.
    EXPECT_TRUE(Cell("Area C", "Zone 1").data(Qt::ToolTipRole).toString().contains("12 "));
    const int columns = matrix->columnCount();

    // Zone 9 takes area D and is named: a new column, headed by its name.
    Edit([this] {
        SetTerms(data.ZoneList.Zones[9].AreaEquation, {3}, kAreaEmpty);
        data.ZoneList.Zones[9].Name = "East Wing";
    });
    EXPECT_EQ(matrix->columnCount(), columns + 1);
    EXPECT_EQ(Cell("Area D", "East Wing").data().toString(), "X");

    // Double-clicking a mark opens the equation that put it there.
    emit routing.grdRouting->doubleClicked(Cell("Area C", "Group 5"));
    EXPECT_TRUE(window->Editors().frmAreaEquation->isVisible());

    // Where a call goes, and the reverse.
    routing.cboCall->setCurrentIndex(routing.cboCall->findText("Area C"));
    const QString path = routing.txtCallPath->toPlainText();
    EXPECT_TRUE(path.contains("sounders of Zones 1 and 4:")) << path.toStdString();
    EXPECT_TRUE(path.contains("    42 ")) << path.toStdString();
    routing.cboCall->setCurrentIndex(routing.cboCall->findText("Area Z"));
    EXPECT_TRUE(routing.txtCallPath->toPlainText().contains(
        "sounders of no zone\n- by day on the displays of no group"))
        << routing.txtCallPath->toPlainText().toStdString();
    routing.cboCall->setCurrentIndex(routing.cboCall->findText("Area C"));
    routing.cboOutput->setCurrentIndex(routing.cboOutput->findText("Group 7"));
    EXPECT_TRUE(routing.txtShownBy->toPlainText().contains("Area D"));
    // The choices stay as they were across an edit.
    Edit([this] { data.ZoneList.Zones[9].Name = "West Wing"; });
    EXPECT_EQ(routing.cboCall->currentText(), "Area C");
    EXPECT_EQ(routing.cboOutput->currentText(), "Group 7");
}

}  // namespace
}  // namespace kelvane::test
