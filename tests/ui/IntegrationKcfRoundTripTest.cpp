#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "DocumentFakes.h"
#include "core/Pages.h"
#include "core/ScriptedPrompts.h"
#include "core/SystemClock.h"
#include "file/ConfigFile.h"
#include "file/IniFile.h"
#include "panel-sim/DemoSite.h"
#include "ui/CommentsTab.h"
#include "ui/ConfigFileStore.h"
#include "ui/MainWindow.h"
#include "ui/SiteConfigTab.h"

namespace kelvane::test {
namespace {

constexpr const char* kTitlePrefixText = "Kelvane Prog Tools 2.3 - ";

// The main window over real configuration files in a scratch folder.
class IntegrationKcfRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        window =
            std::make_unique<TfrmMain>(data, document, prompts, store, clock, StartupOptions{}, &dialogs);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override {
        if (document.Modified()) document.SetModified(false);
        window.reset();
    }

    std::string PathOf(const char* name) const {
        return QFile::encodeName(folder.filePath(name)).toStdString();
    }
    std::string Title() const { return window->windowTitle().toStdString(); }
    QLineEdit* SiteBox(const char* name) const {
        return window->tabSiteCfg->findChild<QLineEdit*>(QString::fromLatin1(name));
    }

    // Every field the file keeps, as the writer would put it into a fresh file.
    static std::string Stored(const TData& site) {
        IniFile file;
        WriteConfigEntries(site, file);
        return file.Text();
    }

    // A realistic site, with a client name and comments typed by the user.
    void EditASite() {
        sim::BuildDemoSite(data);
        window->FillAllTabs();
        QLineEdit* client = SiteBox("txtClientName");
        client->selectAll();
        QTest::keyClicks(client, "St Anne's ");
        QTest::sendKeyEvent(QTest::Click, client, Qt::Key_Eacute, QString(QChar(0xe9)), Qt::NoModifier);
        window->ConfigPages->setCurrentIndex(kPageComments);
        window->tabComment->CommentsEdit->setPlainText(
            QStringLiteral("Wing A checked\n\nCall points 2-9 \u00e9"));
    }

    QTemporaryDir folder;
    TData data;
    Document document;
    ScriptedPrompts prompts;
    ConfigFileStore store{data, document};
    ScriptedFileDialogs dialogs;
    SystemClock clock;
    std::unique_ptr<TfrmMain> window;
};

TEST_F(IntegrationKcfRoundTripTest, OpeningASavedFileReproducesTheModelAndTheComments) {
    EditASite();
    const std::string path = PathOf("Rowan House.KCF");
    dialogs.QueueSave(path);
    window->SaveDocumentAs();
    EXPECT_EQ(Title(), kTitlePrefixText + path);
    EXPECT_FALSE(document.Modified());
    ASSERT_TRUE(QFile::exists(QString::fromStdString(PathOf("Rowan House.RTF"))));
    const std::string saved = Stored(data);
    const std::vector<std::string> comments = data.Comments;
    EXPECT_EQ(comments, (std::vector<std::string>{"Wing A checked", "", "Call points 2-9 \xe9"}));

    prompts.Queue(PromptAnswer::Yes);
    window->NewDocument();
    ASSERT_NE(Stored(data), saved);
    ASSERT_EQ(Title(), "Kelvane Prog Tools 2.3 - New file");

    dialogs.QueueOpen(path);
    window->OpenDocument();
    EXPECT_EQ(Stored(data), saved);
    EXPECT_EQ(data.Comments, comments);
    EXPECT_EQ(window->tabComment->CommentsEdit->toPlainText(),
              QStringLiteral("Wing A checked\n\nCall points 2-9 \u00e9"));
    EXPECT_EQ(SiteBox("txtClientName")->text(), QStringLiteral("St Anne's \u00e9"));
    EXPECT_EQ(Title(), kTitlePrefixText + path);
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(document.CustomNamesChanged);
    EXPECT_EQ(window->ActivePage(), kPageComments);
    // The only message was New's question: opening reported nothing.
    EXPECT_EQ(prompts.ShownMessages().size(), 1u) << prompts.LastText();
}

TEST_F(IntegrationKcfRoundTripTest, ARejectedFileKeepsEverythingAsItWas) {
    EditASite();
    const std::string path = PathOf("Rowan House.KCF");
    dialogs.QueueSave(path);
    window->SaveDocumentAs();
    QTest::keyClicks(window->tabComment->CommentsEdit, "draft ");
    const std::string model = Stored(data);
    const std::vector<std::string> comments = data.Comments;
    const std::string title = Title();
    ASSERT_EQ(title, kTitlePrefixText + path + " - Modified");

    const std::string rejected = PathOf("Other.KCF");
    const QByteArray other(
        "[Kelvane Header]\r\nFileType=Prog Tool\r\n[Site Config]\r\nClient Name=Other\r\n");
    for (const QByteArray& content : {other, QByteArray(other).replace("Prog Tool", "prog tools"),
                                      QByteArray("[Site Config]\r\nClient Name=Other\r\n")}) {
        QFile file(QString::fromStdString(rejected));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        prompts.Clear();
        dialogs.QueueOpen(rejected);
        window->OpenDocument();
        ASSERT_EQ(prompts.ShownMessages().size(), 1u) << content.toStdString();
        EXPECT_EQ(prompts.LastText(), "The selected file is not a valid Kelvane Programming Tools file");
        EXPECT_EQ(prompts.ShownMessages()[0].kind, PromptKind::Error);
        EXPECT_EQ(prompts.ShownMessages()[0].buttons, PromptButtons::Ok);
        EXPECT_EQ(Stored(data), model);
        EXPECT_EQ(data.Comments, comments);
        EXPECT_EQ(Title(), title);
        EXPECT_TRUE(document.Modified());
        EXPECT_EQ(SiteBox("txtClientName")->text(), QStringLiteral("St Anne's \u00e9"));
    }

    // The next Save goes to the file the document came from, never to the rejected one.
    window->SaveDocument();
    EXPECT_FALSE(document.Modified());
    QFile file(QString::fromStdString(rejected));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[Site Config]\r\nClient Name=Other\r\n"));
    dialogs.QueueOpen(path);
    window->OpenDocument();
    EXPECT_EQ(Stored(data), model);
    EXPECT_EQ(data.Comments, comments);
}

TEST_F(IntegrationKcfRoundTripTest, EmptiedCommentsGiveAnEmptyCommentsFile) {
    EditASite();
    window->tabComment->CommentsEdit->selectAll();
    QTest::keyClick(window->tabComment->CommentsEdit, Qt::Key_Delete);
    ASSERT_TRUE(window->tabComment->CommentsEdit->toPlainText().isEmpty());
    EXPECT_TRUE(document.Modified());
    const std::string path = PathOf("Rowan House.KCF");
    dialogs.QueueSave(path);
    window->SaveDocumentAs();
    QFile comments(QString::fromStdString(PathOf("Rowan House.RTF")));
    ASSERT_TRUE(comments.open(QIODevice::ReadOnly));
    EXPECT_EQ(comments.readAll(), QByteArray());

    dialogs.QueueOpen(path);
    window->OpenDocument();
    EXPECT_TRUE(window->tabComment->CommentsEdit->toPlainText().isEmpty());
    EXPECT_TRUE(data.Comments.empty());
}

}  // namespace
}  // namespace kelvane::test
