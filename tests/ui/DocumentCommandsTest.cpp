#include <QLabel>
#include <QTabWidget>

#include "MainWindowFixture.h"
#include "WindowControls.h"
#include "ui/controller/TfrmStatus.h"

namespace kelvane::test {
namespace {

constexpr const char* kNewFileTitle = "Kelvane Prog Tools 2.3 - New file";
constexpr const char* kNewFileModified = "Kelvane Prog Tools 2.3 - New file - Modified";

TEST_F(MainWindowTest, StartsAsNewUnmodifiedDocumentOnSiteConfig) {
    EXPECT_EQ(window->windowTitle().toStdString(), "Kelvane Tools Test");  // not showing yet
    Show();
    EXPECT_EQ(Title(), kNewFileTitle);
    EXPECT_EQ(window->ActivePage(), kPageSiteConfig);
    EXPECT_FALSE(Child<QToolButton>(*window, "btnSave")->isEnabled());
    EXPECT_FALSE(Child<QAction>(*window, "Save1")->isEnabled());
    EXPECT_TRUE(document.CodesValid);
    EXPECT_EQ(Child<CommentsTab>(*window, "tabComment")->CommentsEdit->toPlainText(), "Comments Page");
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

TEST_F(MainWindowTest, EditThenSaveWithoutPathAsksForFileAndBindsToIt) {
    Show();
    TypeComment("x");
    EXPECT_EQ(Title(), kNewFileModified);
    EXPECT_TRUE(SaveEnabled());

    dialogs.QueueSave("/sites/A.KCF");
    QTest::mouseClick(Child<QToolButton>(*window, "btnSave"), Qt::LeftButton);
    ASSERT_EQ(store.writes.size(), 1u);
    EXPECT_EQ(store.writes[0].path, "/sites/A.KCF");
    EXPECT_EQ(store.writes[0].comments, std::vector<std::string>{"xComments Page"});
    EXPECT_EQ(Title(), "Kelvane Prog Tools 2.3 - /sites/A.KCF");
    EXPECT_FALSE(SaveEnabled());

    // Bound now: the next Save writes there without a dialog.
    TypeComment("y");
    EXPECT_EQ(Title(), "Kelvane Prog Tools 2.3 - /sites/A.KCF - Modified");
    window->SaveDocument();
    ASSERT_EQ(store.writes.size(), 2u);
    EXPECT_EQ(store.writes[1].path, "/sites/A.KCF");
    EXPECT_EQ(dialogs.shown, 1);
}

TEST_F(MainWindowTest, SaveAsOffersTheDocumentsOwnFileAndNoOtherOne) {
    store.AddFile("/sites/Ward.KCF", {"Ward 7"});
    Show();
    dialogs.QueueSave("/sites/A.KCF");
    window->SaveDocumentAs();
    dialogs.QueueSave(std::nullopt);
    window->SaveDocumentAs();
    prompts.Queue(PromptAnswer::Yes);
    window->NewDocument();
    dialogs.QueueSave(std::nullopt);
    window->SaveDocumentAs();
    dialogs.QueueOpen("/sites/Ward.KCF");
    window->OpenDocument();
    dialogs.QueueSave(std::nullopt);
    window->SaveDocumentAs();
    // A new document offers no name (not that of the document before it).
    EXPECT_EQ(dialogs.offeredSavePaths,
              (std::vector<std::string>{"", "/sites/A.KCF", "", "/sites/Ward.KCF"}));
    EXPECT_TRUE(dialogs.AllAnswered());
}

TEST_F(MainWindowTest, SaveAsAlwaysAsksAndCancelChangesNothing) {
    Show();
    dialogs.QueueSave(std::nullopt);
    window->SaveDocumentAs();
    EXPECT_TRUE(store.writes.empty());
    EXPECT_EQ(Title(), kNewFileTitle);

    dialogs.QueueSave("/sites/B.KCF");
    QTest::mouseClick(Child<QToolButton>(*window, "btnSaveAs"), Qt::LeftButton);
    ASSERT_EQ(store.writes.size(), 1u);
    EXPECT_EQ(Title(), "Kelvane Prog Tools 2.3 - /sites/B.KCF");
}

TEST_F(MainWindowTest, RefusedWriteKeepsDocumentModifiedAndUnbound) {
    Show();
    TypeComment("x");
    store.RefuseWritesTo("/ro/C.KCF");
    dialogs.QueueSave("/ro/C.KCF");
    window->SaveDocumentAs();
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.ShownMessages()[0].kind, PromptKind::Error);
    EXPECT_EQ(prompts.LastText(), "Unable to write to /ro/C.KCF");
    EXPECT_EQ(Title(), kNewFileModified);
    EXPECT_TRUE(document.Path.empty());
    EXPECT_TRUE(SaveEnabled());
}

TEST_F(MainWindowTest, NewOffersToSaveUnsavedWorkThenAsksTheClearQuestion) {
    Show();
    TypeComment("draft");
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageGroupConfig);

    prompts.Queue(PromptAnswer::Cancel);  // keep the work
    window->NewDocument();
    prompts.Queue(PromptAnswer::No);  // do not save it
    prompts.Queue(PromptAnswer::No);  // but do not clear either
    window->NewDocument();
    EXPECT_EQ(Title(), kNewFileModified);
    EXPECT_EQ(data.Comments, std::vector<std::string>{"draftComments Page"});

    prompts.Queue(PromptAnswer::No);
    prompts.Queue(PromptAnswer::Yes);
    QTest::mouseClick(Child<QToolButton>(*window, "btnNew"), Qt::LeftButton);
    ASSERT_EQ(prompts.ShownMessages().size(), 5u);
    for (std::size_t n : {0u, 1u, 3u}) {
        const ScriptedPrompts::Shown& shown = prompts.ShownMessages()[n];
        EXPECT_EQ(shown.text, "Configuration is not saved. Do you wish to save it now?");
        EXPECT_EQ(shown.buttons, PromptButtons::YesNoCancel);
    }
    for (std::size_t n : {2u, 4u}) {
        const ScriptedPrompts::Shown& shown = prompts.ShownMessages()[n];
        EXPECT_EQ(shown.text, "This will clear the current setup. Do you wish to continue?");
        EXPECT_EQ(shown.kind, PromptKind::Confirmation);
        EXPECT_EQ(shown.buttons, PromptButtons::YesNo);
    }
    EXPECT_TRUE(store.writes.empty());
    EXPECT_EQ(Title(), kNewFileTitle);
    EXPECT_FALSE(SaveEnabled());
    EXPECT_EQ(window->ActivePage(), kPageGroupConfig);
    EXPECT_EQ(data.Comments, std::vector<std::string>{"Comments Page"});
    EXPECT_EQ(Child<CommentsTab>(*window, "tabComment")->CommentsEdit->toPlainText(), "Comments Page");

    // Yes saves the work first; a document with nothing unsaved is only asked to be cleared.
    TypeComment("notes");
    prompts.Clear();
    prompts.Queue(PromptAnswer::Yes);
    dialogs.QueueSave("/sites/Notes.KCF");
    prompts.Queue(PromptAnswer::Yes);
    window->NewDocument();
    ASSERT_EQ(store.writes.size(), 1u);
    EXPECT_EQ(store.writes[0].comments, std::vector<std::string>{"notesComments Page"});
    prompts.Queue(PromptAnswer::Yes);
    window->NewDocument();
    EXPECT_EQ(prompts.ShownMessages().size(), 3u);
    EXPECT_EQ(prompts.LastText(), "This will clear the current setup. Do you wish to continue?");
}

TEST_F(MainWindowTest, AWholeLoadFromTheControllerOverUnsavedWorkOffersToSaveItFirst) {
    Show();
    int wholeLoads = 0;
    int pageLoads = 0;
    QObject::connect(window.get(), &TfrmMain::loadAllFromControllerRequested, [&] { ++wholeLoads; });
    QObject::connect(window.get(), &TfrmMain::loadPageFromControllerRequested, [&](int) { ++pageLoads; });
    Child<QToolButton>(*window, "btnLoadAllFromPanel")->click();
    EXPECT_EQ(wholeLoads, 1);
    EXPECT_TRUE(prompts.ShownMessages().empty());

    TypeComment("draft");
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageZoneConfig);
    prompts.Queue(PromptAnswer::Cancel);
    Child<QToolButton>(*window, "btnLoadAllFromPanel")->click();
    EXPECT_EQ(wholeLoads, 1);
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.LastText(), "Configuration is not saved. Do you wish to save it now?");
    EXPECT_EQ(prompts.ShownMessages()[0].buttons, PromptButtons::YesNoCancel);
    // A page's load replaces that page's records only, as it always has.
    Child<QPushButton>(*window, "btnLoadFromPanel")->click();
    EXPECT_EQ(pageLoads, 1);
    EXPECT_EQ(prompts.ShownMessages().size(), 1u);

    // A save dialog cancelled after Yes keeps the work and loads nothing.
    prompts.Queue(PromptAnswer::Yes);
    dialogs.QueueSave(std::nullopt);
    Child<QToolButton>(*window, "btnLoadAllFromPanel")->click();
    EXPECT_EQ(wholeLoads, 1);

    prompts.Queue(PromptAnswer::Yes);
    dialogs.QueueSave("/sites/Draft.KCF");
    Child<QToolButton>(*window, "btnLoadAllFromPanel")->click();
    EXPECT_EQ(wholeLoads, 2);
    ASSERT_EQ(store.writes.size(), 1u);
    EXPECT_EQ(store.writes[0].path, "/sites/Draft.KCF");

    TypeComment("more");
    prompts.Queue(PromptAnswer::No);
    Child<QToolButton>(*window, "btnLoadAllFromPanel")->click();
    EXPECT_EQ(wholeLoads, 3);
    EXPECT_EQ(store.writes.size(), 1u);
    EXPECT_TRUE(dialogs.AllAnswered());
}

TEST_F(MainWindowTest, NewAfterSaveForgetsThePath) {
    Show();
    TypeComment("x");
    dialogs.QueueSave("/sites/A.KCF");
    window->SaveDocument();
    prompts.Queue(PromptAnswer::Yes);
    window->NewDocument();
    EXPECT_TRUE(document.Path.empty());
    TypeComment("y");
    dialogs.QueueSave(std::nullopt);
    window->SaveDocument();  // asks again rather than writing over A.KCF
    EXPECT_EQ(store.writes.size(), 1u);
}

TEST_F(MainWindowTest, OpenShowsLoadingStatusAndBindsToTheFile) {
    Show();
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageComments);
    TypeComment("old");
    store.AddFile("/sites/Ward.KCF", {"Ward 7", "Call points checked"});
    bool sawStatus = false;
    store.OnRead = [&] {
        EXPECT_TRUE(Child<TfrmStatus>(*window, "frmStatus")->isVisible());
        EXPECT_EQ(Child<TfrmStatus>(*window, "frmStatus")->pnlStatus->text(),
                  "Loading Data from Disk, Please Wait...");
        EXPECT_FALSE(Child<TfrmStatus>(*window, "frmStatus")->btnCancel->isVisible());
        EXPECT_FALSE(Child<QTabWidget>(*window, "ConfigPages")->isVisible());
        sawStatus = true;
    };
    dialogs.QueueOpen("/sites/Ward.KCF");
    prompts.Queue(PromptAnswer::No);  // do not save "old"
    QTest::mouseClick(Child<QToolButton>(*window, "btnOpen"), Qt::LeftButton);

    EXPECT_TRUE(sawStatus);
    EXPECT_FALSE(Child<TfrmStatus>(*window, "frmStatus")->isVisible());
    EXPECT_EQ(Child<TfrmStatus>(*window, "frmStatus")->pnlStatus->text(), "");
    EXPECT_TRUE(Child<QTabWidget>(*window, "ConfigPages")->isVisible());
    EXPECT_EQ(window->ActivePage(), kPageComments);
    EXPECT_EQ(Title(), "Kelvane Prog Tools 2.3 - /sites/Ward.KCF");
    EXPECT_FALSE(SaveEnabled());
    EXPECT_TRUE(document.CustomNamesChanged);
    EXPECT_EQ(Child<CommentsTab>(*window, "tabComment")->CommentsEdit->toPlainText(),
              "Ward 7\nCall points checked");
}

TEST_F(MainWindowTest, CancelledOpenChangesNothing) {
    Show();
    TypeComment("x");
    dialogs.QueueOpen(std::nullopt);
    window->OpenDocument();
    EXPECT_EQ(Title(), kNewFileModified);
    EXPECT_TRUE(SaveEnabled());
    EXPECT_EQ(data.Comments, std::vector<std::string>{"xComments Page"});
    EXPECT_FALSE(Child<TfrmStatus>(*window, "frmStatus")->isVisible());
}

TEST_F(MainWindowTest, RejectedFileNeverBecomesTheSaveTarget) {
    Show();
    TypeComment("x");
    dialogs.QueueSave("/sites/A.KCF");
    window->SaveDocument();
    TypeComment("y");

    dialogs.QueueOpen("/downloads/notes.txt");
    window->OpenDocument();
    ASSERT_FALSE(prompts.ShownMessages().empty());
    EXPECT_EQ(prompts.ShownMessages().back().kind, PromptKind::Error);
    EXPECT_EQ(prompts.LastText(), "The selected file is not a valid Kelvane Programming Tools file");
    EXPECT_EQ(Title(), "Kelvane Prog Tools 2.3 - /sites/A.KCF - Modified");
    EXPECT_EQ(data.Comments, std::vector<std::string>{"xyComments Page"});
    EXPECT_FALSE(Child<TfrmStatus>(*window, "frmStatus")->isVisible());
    EXPECT_TRUE(Child<QTabWidget>(*window, "ConfigPages")->isVisible());

    window->SaveDocument();
    ASSERT_EQ(store.writes.size(), 2u);
    EXPECT_EQ(store.writes[1].path, "/sites/A.KCF");
}

TEST_F(MainWindowTest, TheWindowKeepsItsLayoutWhileTheRejectionIsShown) {
    Show();
    const QRect toolBar = Child<QFrame>(*window, "ToolBar1")->geometry();
    const QRect pages = Child<QTabWidget>(*window, "ConfigPages")->geometry();
    QRect toolBarWhileShown, pagesWhileShown;
    prompts.OnShown = [&](const ScriptedPrompts::Shown&) {
        // A message box runs the event loop: the layout would follow now.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        toolBarWhileShown = Child<QFrame>(*window, "ToolBar1")->geometry();
        pagesWhileShown = Child<QTabWidget>(*window, "ConfigPages")->geometry();
    };
    dialogs.QueueOpen("/downloads/notes.txt");
    window->OpenDocument();
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(toolBarWhileShown, toolBar);
    EXPECT_EQ(pagesWhileShown, pages);
    EXPECT_TRUE(Child<QTabWidget>(*window, "ConfigPages")->isVisible());
}

TEST_F(MainWindowTest, RejectedFileOnNewDocumentLeavesItNew) {
    Show();
    dialogs.QueueOpen("/downloads/notes.txt");
    window->OpenDocument();
    EXPECT_EQ(Title(), kNewFileTitle);
    EXPECT_FALSE(SaveEnabled());
    dialogs.QueueSave(std::nullopt);
    window->SaveDocumentAs();
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(MainWindowTest, FileThatFailsPartWayLeavesAnUnboundModifiedDocument) {
    Show();
    store.AddFile("/sites/Broken.KCF", {});
    store.FailReading("/sites/Broken.KCF");
    dialogs.QueueOpen("/sites/Broken.KCF");
    window->OpenDocument();
    EXPECT_EQ(prompts.LastText(), "Unable to read /sites/Broken.KCF");
    EXPECT_TRUE(document.Path.empty());
    EXPECT_EQ(Title(), kNewFileModified);
    EXPECT_EQ(Child<CommentsTab>(*window, "tabComment")->CommentsEdit->toPlainText(), "half");
}

// A short user code left behind the gate, as a tab switch leaves it.
void LeaveShortUserCode(TData& data, Document& document, TfrmMain& window) {
    data.SiteConfig.AL2Code = "121";
    window.FillAllTabs();
    document.CodesValid = false;
}

TEST_F(MainWindowTest, InvalidCodeStopsSaveAndSaveAs) {
    Show();
    TypeComment("x");
    LeaveShortUserCode(data, document, *window);
    window->SaveDocument();
    window->SaveDocumentAs();
    EXPECT_EQ(dialogs.shown, 0);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(SaveEnabled());
    ASSERT_EQ(prompts.ShownMessages().size(), 2u);
    EXPECT_EQ(prompts.LastText(), "Error. Access Level code must have 4 digits");
    EXPECT_EQ(window->ActivePage(), kPageSiteConfig);
}

// ---- exit -----------------------------------------------------------------

TEST_F(MainWindowTest, ExitWithoutChangesClosesWithoutAsking) {
    Show();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

TEST_F(MainWindowTest, ExitQuestionCancelKeepsRunningAndNoClosesUnsaved) {
    Show();
    TypeComment("x");
    prompts.Queue(PromptAnswer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.LastText(), "Configuration is not saved. Do you wish to save it now?");
    EXPECT_EQ(prompts.ShownMessages()[0].buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(prompts.ShownMessages()[0].kind, PromptKind::Confirmation);

    prompts.Queue(PromptAnswer::No);
    Child<QAction>(*window, "Exit1")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(MainWindowTest, ExitYesSavesToTheBoundFileAndCloses) {
    Show();
    TypeComment("x");
    dialogs.QueueSave("/sites/A.KCF");
    window->SaveDocument();
    TypeComment("y");
    prompts.Queue(PromptAnswer::Yes);
    EXPECT_TRUE(window->close());
    ASSERT_EQ(store.writes.size(), 2u);
    EXPECT_EQ(store.writes[1].path, "/sites/A.KCF");
}

TEST_F(MainWindowTest, ExitYesWithoutPathAndCancelledDialogClosesWithoutWriting) {
    Show();
    TypeComment("x");
    prompts.Queue(PromptAnswer::Yes);
    dialogs.QueueSave(std::nullopt);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(dialogs.shown, 1);
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(MainWindowTest, ExitYesWithInvalidCodeKeepsTheWorkOpen) {
    Show();
    TypeComment("x");
    LeaveShortUserCode(data, document, *window);
    prompts.Queue(PromptAnswer::Yes);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs.shown, 0);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(document.Modified());
}

TEST_F(MainWindowTest, NewAndOpenLeaveNoHalfTypedCodeBehindTheGate) {
    Show();
    store.AddFile("/sites/Ward.KCF", {"Ward 7"});
    document.CodesValid = false;
    prompts.Queue(PromptAnswer::Yes);
    window->NewDocument();
    EXPECT_TRUE(document.CodesValid);

    document.CodesValid = false;
    dialogs.QueueOpen("/sites/Ward.KCF");
    window->OpenDocument();
    EXPECT_TRUE(document.CodesValid);
    TypeComment("x");
    window->SaveDocument();
    EXPECT_EQ(store.writes.size(), 1u);

    // A rejected file keeps the document, and the gate, as they were.
    document.CodesValid = false;
    dialogs.QueueOpen("/downloads/notes.txt");
    window->OpenDocument();
    EXPECT_FALSE(document.CodesValid);
}

TEST_F(MainWindowTest, ExitYesWithRefusedWriteKeepsTheWorkOpen) {
    Show();
    TypeComment("x");
    store.RefuseWritesTo("/ro/A.KCF");
    prompts.Queue(PromptAnswer::Yes);
    dialogs.QueueSave("/ro/A.KCF");
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.LastText(), "Unable to write to /ro/A.KCF");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(document.Modified());
}

}  // namespace
}  // namespace kelvane::test
