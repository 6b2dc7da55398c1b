// Every way of opening a file asks about modified work first: File > Open,
// a recent file, a dropped file.
#include <QDragEnterEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "MainWindowFixture.h"
#include "WindowControls.h"
#include "ui/controller/TfrmStatus.h"
#include "ui/window/RecentFilesMenu.h"

namespace kelvane::test {
namespace {

constexpr const char* kWard = "/sites/Ward.KCF";

class OpenOverModifiedWorkTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        store.AddFile(kWard, {"Ward 7"});
        Show();
        TypeComment("draft");
    }

    void OpenWard() {
        dialogs.QueueOpen(kWard);
        window->OpenDocument();
    }
    bool StillDraft() const { return data.Comments == std::vector<std::string>{"draftComments Page"}; }
    bool WardOpen() const {
        return document.Path == kWard && data.Comments == std::vector<std::string>{"Ward 7"};
    }
    void ExpectOnlyTheExitQuestion() const {
        ASSERT_EQ(prompts.ShownMessages().size(), 1u) << prompts.LastText();
        EXPECT_EQ(prompts.ShownMessages()[0].text, "Configuration is not saved. Do you wish to save it now?");
        EXPECT_EQ(prompts.ShownMessages()[0].kind, PromptKind::Confirmation);
        EXPECT_EQ(prompts.ShownMessages()[0].buttons, PromptButtons::YesNoCancel);
    }
};

TEST_F(OpenOverModifiedWorkTest, NoOpensWithoutSaving) {
    prompts.Queue(PromptAnswer::No);
    OpenWard();
    ExpectOnlyTheExitQuestion();
    EXPECT_TRUE(WardOpen());
    EXPECT_TRUE(store.writes.empty());
    EXPECT_FALSE(document.Modified());
}

TEST_F(OpenOverModifiedWorkTest, CancelOpensNothing) {
    prompts.Queue(PromptAnswer::Cancel);
    OpenWard();
    ExpectOnlyTheExitQuestion();
    EXPECT_TRUE(StillDraft());
    EXPECT_EQ(Title(), "Kelvane Prog Tools 2.3 - New file - Modified");
    EXPECT_TRUE(Child<QTabWidget>(*window, "ConfigPages")->isVisible());
    EXPECT_FALSE(Child<TfrmStatus>(*window, "frmStatus")->isVisible());
}

TEST_F(OpenOverModifiedWorkTest, YesSavesTheWorkThenOpens) {
    prompts.Queue(PromptAnswer::Yes);
    dialogs.QueueSave("/sites/Draft.KCF");
    OpenWard();
    ASSERT_EQ(store.writes.size(), 1u);
    EXPECT_EQ(store.writes[0].path, "/sites/Draft.KCF");
    EXPECT_EQ(store.writes[0].comments, std::vector<std::string>{"draftComments Page"});
    EXPECT_TRUE(WardOpen());
    EXPECT_EQ(Title(), std::string("Kelvane Prog Tools 2.3 - ") + kWard);
}

TEST_F(OpenOverModifiedWorkTest, YesWhoseSaveDoesNotHappenKeepsTheWorkAndOpensNothing) {
    // The code gate stops the save: a short user code left behind it.
    data.SiteConfig.AL2Code = "121";
    window->FillAllTabs();
    document.CodesValid = false;
    prompts.Queue(PromptAnswer::Yes);
    OpenWard();
    EXPECT_EQ(prompts.LastText(), "Error. Access Level code must have 4 digits");
    EXPECT_TRUE(StillDraft());
    EXPECT_TRUE(document.Modified());
    data.SiteConfig.AL2Code = "1212";
    window->FillAllTabs();
    document.CodesValid = true;

    // The file system refuses the write.
    prompts.Clear();
    store.RefuseWritesTo("/ro/Draft.KCF");
    prompts.Queue(PromptAnswer::Yes);
    dialogs.QueueSave("/ro/Draft.KCF");
    OpenWard();
    EXPECT_EQ(prompts.LastText(), "Unable to write to /ro/Draft.KCF");
    EXPECT_TRUE(StillDraft());
    EXPECT_TRUE(document.Path.empty());

    // The user cancels the save dialog: the open stops there too.
    prompts.Clear();
    prompts.Queue(PromptAnswer::Yes);
    dialogs.QueueSave(std::nullopt);
    OpenWard();
    ExpectOnlyTheExitQuestion();
    EXPECT_TRUE(StillDraft());
    EXPECT_TRUE(document.Modified());
    EXPECT_TRUE(dialogs.AllAnswered());
}

TEST_F(OpenOverModifiedWorkTest, AFileThatWouldBeRejectedAsksNothingFirst) {
    dialogs.QueueOpen("/downloads/notes.txt");
    window->OpenDocument();
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.LastText(), "The selected file is not a valid Kelvane Programming Tools file");
    EXPECT_TRUE(StillDraft());
}

TEST_F(OpenOverModifiedWorkTest, ARecentFileAsksTheSameQuestion) {
    Child<RecentFilesMenu>(*window, "RecentFiles1")->Remember(kWard);
    prompts.Queue(PromptAnswer::Cancel);
    window->OpenDocumentFile(kWard);
    ExpectOnlyTheExitQuestion();
    EXPECT_TRUE(StillDraft());
}

TEST_F(OpenOverModifiedWorkTest, ADroppedFileAsksTheSameQuestion) {
    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(kWard)});
    QWidget* target = Child<CommentsTab>(*window, "tabComment")->CommentsEdit->viewport();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    prompts.Queue(PromptAnswer::No);
    QApplication::sendEvent(target, &drop);
    EXPECT_TRUE(drop.isAccepted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return WardOpen(); }, 2000));
    ExpectOnlyTheExitQuestion();
}

}  // namespace
}  // namespace kelvane::test
