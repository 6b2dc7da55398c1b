#include <QCheckBox>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <filesystem>
#include <fstream>

#include "EventLogFixture.h"
#include "MainWindowFixture.h"
#include "WindowControls.h"
#include "log/LogFile.h"
#include "model/DeviceCatalogue.h"
#include "ui/eventlog/EventLogTab.h"
#include "ui/platform/QtLogFileDialogs.h"

namespace kelvane::test {
namespace {

using Lines = std::vector<std::string>;

class EventLogTabTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        log = Child<EventLogTab>(*window, "tabViewLog");
        log->SetFileDialogs(&logDialogs);
        ASSERT_TRUE(folder.isValid());
    }

    std::string PathOf(const char* name) const {
        return folder.filePath(QString::fromLatin1(name)).toStdString();
    }
    QString Shown() const { return log->EventLog->toPlainText(); }

    EventLogTab* log = nullptr;
    ScriptedFileDialogs logDialogs;
    QTemporaryDir folder;
};

TEST_F(EventLogTabTest, AReadOnlyFixedPitchViewThatNeitherWrapsNorTakesReturn) {
    QPlainTextEdit* view = log->EventLog;
    EXPECT_EQ(view->objectName(), "EventLog");
    EXPECT_TRUE(view->isReadOnly());
    EXPECT_EQ(view->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(view->font().pixelSize(), 12);
    EXPECT_TRUE(QFontInfo(view->font()).fixedPitch());

    Show();
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageViewEventLog);
    log->AppendLine("one");
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClicks(view, "typed");
    EXPECT_EQ(log->Lines(), Lines{"one"});
    EXPECT_EQ(Shown(), "one");
}

TEST_F(EventLogTabTest, LinesAreKeptAsTheirBytesAndShownOneViewLineEach) {
    Show();
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageViewEventLog);
    Child<QTabWidget>(*window, "ConfigPages")->setFocus();
    log->AppendLine("12:00:01 CALL Caf\xe9");
    EXPECT_EQ(window->focusWidget(), log->EventLog);
    log->AppendLine("");
    log->AppendLine("in\nside\ttab");
    EXPECT_EQ(log->Lines(), (Lines{"12:00:01 CALL Caf\xe9", "", "in\nside\ttab"}));
    EXPECT_EQ(log->EventLog->blockCount(), 3);
    EXPECT_EQ(Shown(), QString::fromLatin1("12:00:01 CALL Caf\xe9\n\nin<LF>side\ttab"));

    Child<QPushButton>(*window, "ClearLogButton")->click();
    EXPECT_TRUE(log->Lines().empty());
    EXPECT_TRUE(Shown().isEmpty());
}

TEST_F(EventLogTabTest, SavedLogLoadsBackAndCancelChangesNothing) {
    const Lines lines{"12:00:01 CALL Bedroom 101", "", "  5 | Z |  |  | 12 | Lounge | 4", "\\{}\xe9"};
    log->SetLines(lines);
    logDialogs.QueueSave(PathOf("night.log"));
    Child<QPushButton>(*window, "SaveLogButton")->click();
    EXPECT_EQ(ReadLogFile(PathOf("night.log")).Lines, lines);

    Child<QPushButton>(*window, "ClearLogButton")->click();
    logDialogs.QueueOpen(std::nullopt);
    Child<QPushButton>(*window, "LoadLogButton")->click();
    EXPECT_TRUE(log->Lines().empty());
    logDialogs.QueueOpen(PathOf("night.log"));
    Child<QPushButton>(*window, "LoadLogButton")->click();
    EXPECT_EQ(log->Lines(), lines);
    EXPECT_EQ(log->EventLog->blockCount(), 4);

    // Loading replaces the whole log; saving over a file asks nothing.
    std::ofstream(PathOf("plain.log"), std::ios::binary) << "first\r\nsecond";
    logDialogs.QueueOpen(PathOf("plain.log"));
    Child<QPushButton>(*window, "LoadLogButton")->click();
    EXPECT_EQ(log->Lines(), (Lines{"first", "second"}));
    logDialogs.QueueSave(std::nullopt);
    Child<QPushButton>(*window, "SaveLogButton")->click();
    logDialogs.QueueSave(PathOf("night.log"));
    Child<QPushButton>(*window, "SaveLogButton")->click();
    EXPECT_EQ(ReadLogFile(PathOf("night.log")).Lines, (Lines{"first", "second"}));
    EXPECT_TRUE(prompts.ShownMessages().empty());
    EXPECT_TRUE(logDialogs.AllAnswered());
    EXPECT_FALSE(document.Modified());
}

TEST_F(EventLogTabTest, FileErrorsNameTheFileAndTheLogKeepsItsContent) {
    log->SetLines({"kept"});
    logDialogs.QueueOpen(PathOf("missing.log"));
    Child<QPushButton>(*window, "LoadLogButton")->click();
    EXPECT_EQ(prompts.LastText(), "Unable to read " + PathOf("missing.log") + ": No such file or directory");
    EXPECT_EQ(prompts.ShownMessages().back().kind, PromptKind::Error);
    EXPECT_EQ(log->Lines(), Lines{"kept"});

    std::filesystem::create_directory(PathOf("folder.log"));
    logDialogs.QueueSave(PathOf("folder.log"));
    Child<QPushButton>(*window, "SaveLogButton")->click();
    EXPECT_EQ(prompts.LastText(), "Unable to write to " + PathOf("folder.log") + ": Is a directory");
    EXPECT_EQ(log->Lines(), Lines{"kept"});
}

TEST_F(EventLogTabTest, NewEmptiesTheLog) {
    log->SetLines({"a", "b"});
    prompts.Queue(PromptAnswer::Yes);
    window->NewDocument();
    EXPECT_TRUE(log->Lines().empty());
    EXPECT_TRUE(Shown().isEmpty());
}

TEST_F(EventLogTabTest, TheLogFileDialogs) {
    QtLogFileDialogs dialogs(window.get());
    EXPECT_EQ(dialogs.SaveLogDialog()->windowTitle(), "Save Event log data");
    EXPECT_EQ(dialogs.OpenLogDialog()->windowTitle(), "Load Event log data");
    const std::unique_ptr<QFileDialog> save = dialogs.SaveLogDialog();
    const std::unique_ptr<QFileDialog> open = dialogs.OpenLogDialog();
    for (QFileDialog* dialog : {save.get(), open.get()}) {
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"Event Log Files (*.log)", "All Files (*)"}));
        EXPECT_EQ(dialog->defaultSuffix(), "log");
    }
    EXPECT_TRUE(dialogs.SaveLogDialog()->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialogs.SaveLogDialog()->objectName(), "SaveLogDialog");
    EXPECT_EQ(dialogs.OpenLogDialog()->objectName(), "OpenLogDialog");
}

TEST_F(EventLogTabTest, TheCustomNameQuestion) {
    TOKCustomNameDlg* dialog = log->OKCustomNameDlg;
    EXPECT_EQ(dialog->windowTitle(), "Dialog");
    EXPECT_EQ(dialog->chkBox1->text(), "Update Custom Place Names");
    EXPECT_EQ(dialog->OKBtn->text(), "Begin");
    EXPECT_TRUE(dialog->OKBtn->isDefault());
    EXPECT_EQ(dialog->CancelBtn->text(), "Cancel");

    // Cancel converts nothing; each Convert starts with the box unticked.
    log->SetLines({"2|C|A|||Snug|1"});
    AnswerCustomNameDialog(true, false);
    Child<QPushButton>(*window, "ConvertButton")->click();
    EXPECT_EQ(data.Loop.Device(2).DeviceType, dtNotFitted);
    EXPECT_TRUE(prompts.ShownMessages().empty());
    EXPECT_FALSE(document.Modified());
    bool tickedOnShow = true;
    AnswerCustomNameDialog(true, true, &tickedOnShow);
    Child<QPushButton>(*window, "ConvertButton")->click();
    EXPECT_FALSE(tickedOnShow);
    EXPECT_EQ(data.Loop.Device(2).PlaceNameIndex, 41);
    EXPECT_EQ(data.CustomNames.Item(0).Name, "Snug");
    EXPECT_TRUE(document.CustomNamesChanged);
}

TEST_F(EventLogTabTest, ConvertRefillsThePagesMarksTheDocumentAndSaysSo) {
    // Comments held by the model but not yet shown reach their page only
    // through the refill of every tab.
    data.Comments = {"refilled"};
    log->SetLines({"DEVICES", " 5 | Z |  |  | 12 | Lounge | 4", "GROUPS", "3|B,C|!|2", "ZONES", "12|A|5"});
    AnswerCustomNameDialog(false, true);
    Child<QPushButton>(*window, "ConvertButton")->click();
    EXPECT_EQ(prompts.LastText(), "The data has been converted");
    EXPECT_EQ(prompts.ShownMessages().back().kind, PromptKind::Information);
    EXPECT_TRUE(document.Modified());
    EXPECT_FALSE(document.CustomNamesChanged);
    EXPECT_EQ(data.Loop.Device(5).PlaceNameIndex, 25);
    EXPECT_EQ(data.GroupList.Groups[3].PrimaryAreaEquation[2], 2);
    EXPECT_EQ(data.ZoneList.Zones[12].DeviceEquation[1], 4);
    EXPECT_EQ(Child<CommentsTab>(*window, "tabComment")->CommentsEdit->toPlainText(), "refilled");
}

TEST_F(EventLogTabTest, NothingToConvertWarnsAndChangesNothing) {
    AnswerCustomNameDialog(false, true);
    log->Convert();
    EXPECT_EQ(prompts.LastText(), "There is no data to convert, or it may be incorrectly formatted.");
    EXPECT_EQ(prompts.ShownMessages().back().kind, PromptKind::Warning);
    log->SetLines({"12:00:01 CALL Bedroom 101"});
    AnswerCustomNameDialog(false, true);
    log->Convert();
    EXPECT_EQ(prompts.LastText(), "The data is incorrectly formatted.");
    EXPECT_EQ(prompts.ShownMessages().back().kind, PromptKind::Warning);
    EXPECT_FALSE(document.Modified());
}

TEST_F(EventLogTabTest, AConversionThatStopsStillShowsWhatItConvertedAndMarksTheDocument) {
    ASSERT_TRUE(log->OnModelConverted);
    const std::function<void()> refill = log->OnModelConverted;
    int refills = 0;
    log->OnModelConverted = [&] {
        ++refills;
        refill();
    };
    bool refilledBeforeTheError = false;
    prompts.OnShown = [&](const ScriptedPrompts::Shown&) {
        refilledBeforeTheError = refills == 1 && document.Modified();
    };

    log->SetLines({"7|C|A|||Lounge|1", "300|C|A|||Lounge|2"});
    AnswerCustomNameDialog(false, true);
    Child<QPushButton>(*window, "ConvertButton")->click();
    EXPECT_EQ(prompts.ShownMessages().back().kind, PromptKind::Error);
    EXPECT_NE(prompts.LastText().find("line 2"), std::string::npos);
    EXPECT_NE(prompts.LastText().find("300|C|A|||Lounge|2"), std::string::npos);
    EXPECT_EQ(data.Loop.Device(7).DeviceType, dtCallpoint);
    EXPECT_TRUE(refilledBeforeTheError);

    // A stop at the first record changed nothing: nothing to refill or mark.
    document.SetModified(false);
    log->SetLines({"0|C|A|||Lounge|1"});
    AnswerCustomNameDialog(false, true);
    Child<QPushButton>(*window, "ConvertButton")->click();
    EXPECT_EQ(refills, 1);
    EXPECT_FALSE(document.Modified());
}

TEST_F(EventLogTabTest, ThePrintoutRequestIsOfferedOnlyWhereThereIsOne) {
    EXPECT_FALSE(log->PrintoutAction->isEnabled());
    int asked = 0;
    log->SetPrintoutRequest([&] { ++asked; });
    EXPECT_TRUE(log->PrintoutAction->isEnabled());
    log->PrintoutAction->trigger();
    EXPECT_EQ(asked, 1);
    log->SetPrintoutRequest(nullptr);
    EXPECT_FALSE(log->PrintoutAction->isEnabled());
}

TEST_F(EventLogTabTest, CtrlShiftPAsksForThePrintoutAsSoonAsTheTabIsShown) {
    int asked = 0;
    log->SetPrintoutRequest([&] { ++asked; });
    Show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageViewEventLog);
    Child<QTabWidget>(*window, "ConfigPages")->setFocus(Qt::MouseFocusReason);  // the page's tab was clicked
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(asked, 1);

    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageComments);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(asked, 1) << "only while the log is shown";
}

}  // namespace
}  // namespace kelvane::test
