// The document commands on their own, over a view that records what it is
// asked to do: the order of the steps around a model that is replaced, and
// which answers let modified work go.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DocumentFakes.h"
#include "file/Document.h"
#include "model/Data.h"
#include "support/ScriptedPrompts.h"
#include "ui/window/DocumentCommands.h"

namespace kelvane::test {
namespace {

class RecordingView : public DocumentView {
public:
    bool PassCodeGate() override {
        steps.push_back("gate");
        return codeValid;
    }
    void ReplacingModel(bool fromDisk) override {
        steps.push_back(fromDisk ? "replacing from disk" : "replacing");
    }
    void FillAllTabs() override { steps.push_back("fill"); }
    void ModelReplaced() override { steps.push_back("replaced"); }
    void RememberFile(const std::string& path) override { steps.push_back("remember " + path); }
    void PathChanged() override { steps.push_back("path"); }

    bool codeValid = true;
    std::vector<std::string> steps;
};

class DocumentCommandsTest : public ::testing::Test {
protected:
    void Modify() {
        data.Comments = {"edited"};
        document.SetModified(true);
    }

    TData data;
    Document document;
    ScriptedPrompts prompts;
    FakeDocumentStore store{data};
    ScriptedFileDialogs dialogs;
    RecordingView view;
    DocumentCommands commands{data, document, prompts, store, dialogs, view};
};

using Steps = std::vector<std::string>;

TEST_F(DocumentCommandsTest, OpenReplacesTheModelBetweenTheViewsTwoStepsAndAFailedReadStillEndsThem) {
    store.AddFile("/sites/Ward.KCF", {"Ward 7"});
    store.AddFile("/sites/Torn.KCF", {"torn"});
    store.FailReading("/sites/Torn.KCF");

    commands.OpenFile("/sites/Ward.KCF");
    EXPECT_EQ(view.steps, (Steps{"replacing from disk", "fill", "remember /sites/Ward.KCF", "replaced"}));
    EXPECT_EQ(document.Path, "/sites/Ward.KCF");
    EXPECT_FALSE(document.Modified());

    view.steps.clear();
    commands.OpenFile("/sites/Torn.KCF");
    EXPECT_EQ(view.steps, (Steps{"replacing from disk", "fill", "replaced"}));
    EXPECT_TRUE(document.Path.empty());
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(prompts.LastText(), "Unable to read /sites/Torn.KCF");

    // A file that is no configuration file is refused before the view hears of it.
    view.steps.clear();
    commands.OpenFile("/sites/disk.img");
    EXPECT_TRUE(view.steps.empty());
    EXPECT_EQ(prompts.LastText(), kNotValidFileMessage);
}

TEST_F(DocumentCommandsTest, NewAskedAwayLeavesTheViewAloneAndConfirmedReplacesTheModel) {
    Modify();
    prompts.Queue(PromptAnswer::No);  // do not save the work
    prompts.Queue(PromptAnswer::No);  // do not clear the setup
    commands.New();
    EXPECT_TRUE(view.steps.empty());
    EXPECT_TRUE(document.Modified());

    prompts.Queue(PromptAnswer::No);
    prompts.Queue(PromptAnswer::Yes);
    commands.New();
    EXPECT_EQ(view.steps, (Steps{"replacing", "fill", "replaced"}));
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(DocumentCommandsTest, ASaveDialogCancelledAfterYesKeepsTheWorkExceptOnExit) {
    Modify();
    prompts.Queue(PromptAnswer::Yes);
    dialogs.QueueSave(std::nullopt);
    EXPECT_FALSE(commands.LetGoOfWork());

    prompts.Queue(PromptAnswer::Yes);
    dialogs.QueueSave(std::nullopt);
    EXPECT_TRUE(commands.LetGoOfWorkOnExit());

    // A code the gate stops keeps the work either way, without a dialog.
    view.codeValid = false;
    prompts.Queue(PromptAnswer::Yes);
    EXPECT_FALSE(commands.LetGoOfWorkOnExit());
    EXPECT_EQ(dialogs.shown, 2);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(document.Modified());
}

TEST_F(DocumentCommandsTest, ARefusedSaveAsKeepsTheFileTheDocumentWasBoundTo) {
    Modify();
    dialogs.QueueSave("/sites/A.KCF");
    commands.SaveAs();
    EXPECT_EQ(document.Path, "/sites/A.KCF");

    Modify();
    store.RefuseWritesTo("/sites/B.KCF");
    dialogs.QueueSave("/sites/B.KCF");
    view.steps.clear();
    commands.SaveAs();
    EXPECT_EQ(view.steps, (Steps{"gate", "path"}));
    EXPECT_EQ(document.Path, "/sites/A.KCF");
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(prompts.LastText(), "Unable to write to /sites/B.KCF");
}

}  // namespace
}  // namespace kelvane::test
