#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <fstream>

#include "DesktopLinkFixture.h"
#include "WindowControls.h"
#include "compare/ControllerVerify.h"
#include "model/DeviceCatalogue.h"
#include "sim/StoreFaults.h"
#include "ui/controller/ControllerVerifyCommands.h"
#include "ui/controller/DifferenceTableModel.h"
#include "ui/controller/TfrmDifferences.h"
#include "ui/controller/TfrmStatus.h"
#include "ui/platform/QtUserSettings.h"

namespace kelvane::test {
namespace {

// The desktop program with the simulated controller, "Verify after saving"
// ticked and the keep-alive's handshake done.
class DesktopVerifyTest : public DesktopLinkTest {
protected:
    void SetUp() override {
        QtUserSettings().SetFlag(ProgramSettings::kVerifyAfterSavingKey, true);
        Restart(0.0);
    }
    // A fresh program whose simulated controller stores `corruptRate` of the records wrongly or not at all.
    void Restart(double corruptRate) {
        Stop();
        StartupOptions options;
        options.CorruptStoreRate = corruptRate;
        Start(options);
        RunFor(6000);
    }
    // Runs the transfers of a command to their end, then the window's queued work.
    bool RunCommand() {
        const bool ended = RunUntil([&] { return !connection->VerifyCommands().Verify().Busy(); });
        QCoreApplication::processEvents();
        return ended;
    }
    const TData& Controller() { return *connection->SimulatedControllerSite(); }
    TfrmDifferences& Differences() { return *Child<TfrmDifferences>(*window, "frmDifferences"); }
};

TEST_F(DesktopVerifyTest, SavingReadsBackAsASecondPhaseAndSaysTheControllerHoldsIt) {
    EXPECT_TRUE(Child<QAction>(*window, "VerifyAfterSaving1")->isChecked());
    data.Loop.Device(90).DeviceType = dtCallpoint;
    data.Loop.Device(90).Enabled = 1;
    Child<QToolButton>(*window, "btnSaveAllToPanel")->click();
    EXPECT_EQ(Child<TfrmStatus>(*window, "frmStatus")->lblPhase->text().toStdString(),
              ControllerVerify::kSavePhase);
    ASSERT_TRUE(RunUntil([&] { return window->Status().Phase() == ControllerVerify::kVerifyPhase; }));
    EXPECT_TRUE(Child<TfrmStatus>(*window, "frmStatus")->isVisible());
    EXPECT_TRUE(Child<TfrmStatus>(*window, "frmStatus")->lblPhase->isVisible());
    EXPECT_TRUE(Child<TfrmStatus>(*window, "frmStatus")->StatusList->isVisible());  // the load check list
    ASSERT_TRUE(RunCommand());

    ASSERT_EQ(prompts.ShownMessages().size(), 1u) << prompts.LastText();
    EXPECT_EQ(prompts.LastText(), ControllerVerify::kHoldsSavedText);
    EXPECT_EQ(prompts.ShownMessages().back().kind, PromptKind::Information);
    EXPECT_FALSE(Child<TfrmStatus>(*window, "frmStatus")->isVisible());
    EXPECT_EQ(Heard('I'), 256);  // the whole read-back
    EXPECT_EQ(Controller().Loop.Device(90).DeviceType, dtCallpoint);
    EXPECT_FALSE(Differences().isVisible());
}

TEST_F(DesktopVerifyTest, TheCommandsStayHeldBackFromTheSaveThroughTheReadBack) {
    const std::vector<QAction*> actions{Child<QAction>(*window, "New1"),
                                        Child<QAction>(*window, "Open1"),
                                        Child<QAction>(*window, "SaveAs1"),
                                        Child<QAction>(*window, "Print1"),
                                        Child<QAction>(*window, "CompareWithController1"),
                                        Child<QAction>(*window, "CompareWithFile1")};
    const std::vector<QWidget*> buttons{
        Child<QToolButton>(*window, "btnNew"), Child<QToolButton>(*window, "btnOpen"),
        Child<QToolButton>(*window, "btnSaveAllToPanel"), Child<QToolButton>(*window, "btnLoadAllFromPanel"),
        Child<QToolButton>(*window, "btnCompareWithPanel")};
    const auto anyEnabled = [&] {
        for (QAction* action : actions)
            if (action->isEnabled()) return true;
        for (QWidget* button : buttons)
            if (button->isEnabled()) return true;
        return false;
    };
    bool enabledBetweenPhases = false;
    Child<QToolButton>(*window, "btnSaveAllToPanel")->click();
    EXPECT_FALSE(anyEnabled());
    ASSERT_TRUE(RunUntil([&] {
        if (window->Status().Phase() == ControllerVerify::kSavePhase) enabledBetweenPhases |= anyEnabled();
        return window->Status().Phase() == ControllerVerify::kVerifyPhase;
    }));
    EXPECT_FALSE(enabledBetweenPhases);
    EXPECT_FALSE(anyEnabled());
    ASSERT_TRUE(RunCommand());
    for (QAction* action : actions) EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    for (QWidget* button : buttons) EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
}

TEST_F(DesktopVerifyTest, WithoutTheOptionTheSaveIsNotReadBackAndTheChoiceIsKept) {
    Child<QAction>(*window, "VerifyAfterSaving1")->trigger();
    EXPECT_EQ(QtUserSettings().Flag(ProgramSettings::kVerifyAfterSavingKey), false);
    Child<QToolButton>(*window, "btnSaveAllToPanel")->click();
    ASSERT_TRUE(RunUntil([&] { return !window->Status().Visible(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(Heard('J'), 255);
    EXPECT_EQ(Heard('I'), 0);
    EXPECT_TRUE(prompts.ShownMessages().empty()) << prompts.LastText();

    Restart(0.0);
    EXPECT_FALSE(Child<QAction>(*window, "VerifyAfterSaving1")->isChecked());
}

TEST_F(DesktopVerifyTest, AControllerThatStoresRecordsWronglyIsCaughtAndSavingAgainPutsItRight) {
    Restart(0.04);
    Child<QToolButton>(*window, "btnSaveAllToPanel")->click();
    ASSERT_TRUE(RunCommand());
    EXPECT_TRUE(prompts.ShownMessages().empty()) << prompts.LastText();
    ASSERT_TRUE(Differences().isVisible());
    EXPECT_EQ(Differences().windowTitle(), "Verify");
    EXPECT_TRUE(Differences().btnSaveAgain->isVisible());
    const QAbstractItemModel* table = Differences().grdDifferences->model();
    EXPECT_EQ(table->headerData(DifferenceTableModel::colB, Qt::Horizontal).toString(), "Controller");

    // Every record the controller stored wrongly is listed.
    const auto& faults = connection->SimulatedStoreFaults()->Faults();
    int wrong = 0;
    for (const auto& fault : faults) {
        if (fault.Skipped) continue;
        ++wrong;
        bool listed = false;
        for (const SiteDifference& difference : Differences().Differences())
            listed |= difference.Number == fault.Number;
        EXPECT_TRUE(listed) << sim::StoreFaults::Describe(fault);
    }
    ASSERT_GT(wrong, 0);
    EXPECT_EQ(table->rowCount(), static_cast<int>(Differences().Differences().size()));
    EXPECT_FALSE(document.Modified());

    connection->SimulatedStoreFaults()->SetRate(0.0);
    const int devicesBefore = Heard('J');
    Differences().btnSaveAgain->click();
    EXPECT_FALSE(Differences().isVisible());
    EXPECT_EQ(window->Status().Phase(), ControllerVerify::kResavePhase);
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(prompts.LastText(), ControllerVerify::kHoldsSavedText);
    EXPECT_LT(Heard('J') - devicesBefore, 40);  // only the differing records went again
}

TEST_F(DesktopVerifyTest, CompareWithControllerListsTheDifferencesAndTouchesNothing) {
    const int heardSaves = Heard('J');
    Child<QToolButton>(*window, "btnCompareWithPanel")->click();
    EXPECT_EQ(window->Status().Phase(), ControllerVerify::kComparePhase);
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(Heard('J'), heardSaves);
    ASSERT_TRUE(Differences().isVisible());
    EXPECT_EQ(Differences().windowTitle(), "Compare with Controller");
    EXPECT_EQ(data.Loop.Device(2).DeviceType, dtNotFitted);  // the demo site was not loaded
    EXPECT_FALSE(document.Modified());

    // Sorted by record, numbers sort as numbers.
    QTableView* grid = Differences().grdDifferences;
    grid->sortByColumn(DifferenceTableModel::colRecord, Qt::AscendingOrder);
    const QAbstractItemModel* table = grid->model();
    for (int row = 1; row < table->rowCount(); ++row) {
        ASSERT_LE(
            table->index(row - 1, DifferenceTableModel::colRecord)
                .data(DifferenceTableModel::SortRole)
                .toInt(),
            table->index(row, DifferenceTableModel::colRecord).data(DifferenceTableModel::SortRole).toInt());
    }
    // Copied with the headings, one row a line, tab-separated.
    Differences().CopyRows();
    const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(copied.front(), "Section\tRecord\tField\tThis site\tController");
    EXPECT_EQ(copied.size(), table->rowCount() + 1);
    grid->selectRow(2);
    Differences().CopyRows();
    EXPECT_EQ(QApplication::clipboard()->text().count('\n'), 2);

    // Saved as text in the order shown.
    QTemporaryDir folder;
    const std::string path = folder.filePath("differences.txt").toStdString();
    Differences().AskTextPath = [&] { return std::optional<std::string>(path); };
    Differences().btnSaveText->click();
    std::ifstream in(path);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, Differences().lblHeading->text().toStdString() + "\n\n" + Differences().ShownLines());

    // Saving again writes the open site's differing records into the controller.
    Differences().btnSaveAgain->click();
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(prompts.LastText(), ControllerVerify::kHoldsSavedText);
    EXPECT_EQ(Controller().Loop.Device(2).DeviceType, dtNotFitted);
}

}  // namespace
}  // namespace kelvane::test
