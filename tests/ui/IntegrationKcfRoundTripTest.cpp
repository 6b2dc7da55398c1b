#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "DocumentFakes.h"
#include "FileWindowFixture.h"
#include "WindowControls.h"
#include "core/SystemClock.h"
#include "file/ConfigFile.h"
#include "file/ConfigFileStore.h"
#include "file/IniFile.h"
#include "file/RecentFiles.h"
#include "sim/DemoSite.h"
#include "support/MemorySettings.h"
#include "support/ScriptedPrompts.h"
#include "ui/Pages.h"
#include "ui/controller/TfrmStatus.h"
#include "ui/site/CommentsTab.h"
#include "ui/site/SiteConfigTab.h"
#include "ui/window/MainWindow.h"
#include "ui/window/StartupOptions.h"

namespace kelvane::test {
namespace {

constexpr const char* kTitlePrefixText = "Kelvane Prog Tools 2.3 - ";

class IntegrationKcfRoundTripTest : public FileWindowTest {
protected:
    std::string Title() const { return window->windowTitle().toStdString(); }
    QLineEdit* SiteBox(const char* name) const {
        return Child<SiteConfigTab>(*window, "tabSiteCfg")->findChild<QLineEdit*>(QString::fromLatin1(name));
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
        Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageComments);
        Child<CommentsTab>(*window, "tabComment")
            ->CommentsEdit->setPlainText(QStringLiteral("Wing A checked\n\nCall points 2-9 \u00e9"));
    }
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
    EXPECT_EQ(Child<CommentsTab>(*window, "tabComment")->CommentsEdit->toPlainText(),
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
    QTest::keyClicks(Child<CommentsTab>(*window, "tabComment")->CommentsEdit, "draft ");
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

TEST_F(IntegrationKcfRoundTripTest, AFileThatCannotBeASiteIsRefusedBeforeAnyQuestion) {
    EditASite();
    ASSERT_TRUE(document.Modified());
    const std::string model = Stored(data);
    const std::vector<std::string> comments = data.Comments;
    const auto write = [](const std::string& path, const QByteArray& content) {
        QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    // A disk image or sparse file far larger than memory, even one that starts as a site does.
    const std::string huge = PathOf("disk.img");
    write(huge, "[Kelvane Header]\r\nFileType=Prog Tools\r\n");
    std::filesystem::resize_file(huge, std::uintmax_t{2} << 40);
    // Megabytes of junk.
    const std::string junk = PathOf("junk.KCF");
    QByteArray junkBytes(8 << 20, '\n');
    for (qsizetype i = 0; i < junkBytes.size(); i += 5) junkBytes[i] = static_cast<char>(i * 37 % 253);
    write(junk, junkBytes);
    // A named pipe nothing writes to.
    const std::string pipe = PathOf("pipe.KCF");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

    const std::pair<std::string, std::string> refused[] = {
        {huge, kNotValidConfigFileMessage},
        {junk, kNotValidConfigFileMessage},
        {pipe, "Unable to read " + pipe + ": not a regular file"}};
    for (const auto& [path, message] : refused) {
        prompts.Clear();
        dialogs.QueueOpen(path);
        window->OpenDocument();
        // Refused first: the question about the modified work is never asked.
        ASSERT_EQ(prompts.ShownMessages().size(), 1u) << path;
        EXPECT_EQ(prompts.LastText(), message);
        EXPECT_EQ(Stored(data), model);
        EXPECT_EQ(data.Comments, comments);
        EXPECT_TRUE(document.Modified());
        EXPECT_TRUE(document.Path.empty());
    }
}

TEST_F(IntegrationKcfRoundTripTest, OpeningTheFileTheWorkIsSavedToFirstReadsWhatWasSaved) {
    EditASite();
    const std::string path = PathOf("Rowan House.KCF");
    dialogs.QueueSave(path);
    window->SaveDocumentAs();
    QLineEdit* client = SiteBox("txtClientName");
    client->selectAll();
    QTest::keyClicks(client, "Birch Court");
    ASSERT_TRUE(document.Modified());
    // Tested before the question; written over by the Yes.
    prompts.Queue(PromptAnswer::Yes);
    dialogs.QueueOpen(path);
    window->OpenDocument();
    EXPECT_EQ(data.SiteConfig.ClientName, "Birch Court");
    EXPECT_FALSE(document.Modified());
}

TEST_F(IntegrationKcfRoundTripTest, NoZoneNameOfOneSiteIsCarriedIntoTheNext) {
    data.ZoneList.Zones[3].Name = "Rowan Wing";
    const std::string rowan = PathOf("Rowan House.KCF");
    dialogs.QueueSave(rowan);
    window->SaveDocumentAs();

    prompts.Queue(PromptAnswer::Yes);
    window->NewDocument();
    EXPECT_EQ(data.ZoneList.Zones[3].Name, "Zone 3");
    const std::string birch = PathOf("Birch Court.KCF");
    dialogs.QueueSave(birch);
    window->SaveDocumentAs();
    QFile saved(QString::fromStdString(birch));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    EXPECT_FALSE(text.contains("Rowan Wing"));
    EXPECT_TRUE(text.contains("Zone3=Zone 3\r\n"));

    // A file without zone names after one with them.
    dialogs.QueueOpen(rowan);
    window->OpenDocument();
    ASSERT_EQ(data.ZoneList.Zones[3].Name, "Rowan Wing");
    const std::string bare = PathOf("Bare.KCF");
    QFile header(QString::fromStdString(bare));
    ASSERT_TRUE(header.open(QIODevice::WriteOnly));
    header.write("[Kelvane Header]\r\nFileType=Prog Tools\r\n");
    header.close();
    dialogs.QueueOpen(bare);
    window->OpenDocument();
    EXPECT_EQ(data.ZoneList.Zones[3].Name, "Zone 3");
    EXPECT_EQ(document.Path, bare);
}

// The site file named on the command line, opened once the window is showing.
class FileArgumentTest : public IntegrationKcfRoundTripTest {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }  // the window comes with Start()

    // A site saved by another run of the program.
    std::string WriteSite(const char* name, const char* client) {
        TData site;
        Document siteDocument;
        sim::BuildDemoSite(site);
        site.SiteConfig.ClientName = client;
        const std::string path = PathOf(name);
        EXPECT_TRUE(WriteConfigFile(path, site, siteDocument).saved);
        return path;
    }

    // Starts the program as `kelvane-tools <argument>` would, from `folder`.
    void Start(const QString& argument) {
        const QString started = QDir::currentPath();
        QDir::setCurrent(folder.path());
        const ParsedCommandLine commandLine = ParseCommandLine({QStringLiteral("kelvane-tools"), argument});
        QDir::setCurrent(started);
        ASSERT_TRUE(commandLine.Error.isEmpty()) << commandLine.Error.toStdString();
        prompts.OnShown = [this](const ScriptedPrompts::Shown&) {
            windowShowingAtMessage = window->isVisible();
        };
        window = std::make_unique<TfrmMain>(data, document, prompts, store, clock, commandLine.Options,
                                            &dialogs, &settings);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    bool WaitForTitle(const std::string& title) {
        return QTest::qWaitFor([&] { return Title() == title; }, 2000);
    }
    QString ClientName() const { return SiteBox("txtClientName")->text(); }

    bool windowShowingAtMessage = false;
};

TEST_F(FileArgumentTest, ASiteFileNamedByItselfOpensOnceTheWindowShows) {
    const std::string path = WriteSite("Rowan House.KCF", "Rowan House");
    Start(QStringLiteral("Rowan House.KCF"));  // relative to the folder the program started in
    ASSERT_TRUE(WaitForTitle(kTitlePrefixText + path));
    EXPECT_EQ(document.Path, path);
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(ClientName(), "Rowan House");
    EXPECT_EQ(window->ActivePage(), kPageSiteConfig);
    EXPECT_TRUE(prompts.ShownMessages().empty()) << prompts.LastText();
    EXPECT_EQ(RecentFiles(settings).Paths(), std::vector<std::string>{path});
}

TEST_F(FileArgumentTest, AFileUrlAndALowerCaseExtensionOpenToo) {
    const std::string path = WriteSite("ward 7.kcf", "Ward 7");
    Start(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path))).toString());
    ASSERT_TRUE(WaitForTitle(kTitlePrefixText + path));
    EXPECT_EQ(ClientName(), "Ward 7");
}

TEST_F(FileArgumentTest, AFileThatIsNotASiteIsRejectedWithOpensMessage) {
    const std::string notes = PathOf("notes.KCF");
    QFile file(QString::fromStdString(notes));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("shopping list\n");
    file.close();

    for (const QString& argument : {QStringLiteral("notes.KCF"), QStringLiteral("missing.KCF")}) {
        prompts.Clear();
        Start(argument);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.ShownMessages().empty(); }, 2000));
        ASSERT_EQ(prompts.ShownMessages().size(), 1u);
        EXPECT_EQ(prompts.LastText(), "The selected file is not a valid Kelvane Programming Tools file");
        EXPECT_EQ(prompts.ShownMessages()[0].kind, PromptKind::Error);
        EXPECT_TRUE(windowShowingAtMessage);
        EXPECT_EQ(window->windowTitle(), "Kelvane Prog Tools 2.3 - New file");
        EXPECT_TRUE(document.Path.empty());
        EXPECT_FALSE(Child<TfrmStatus>(*window, "frmStatus")->isVisible());
        EXPECT_TRUE(Child<QTabWidget>(*window, "ConfigPages")->isVisible());
        EXPECT_TRUE(RecentFiles(settings).Paths().empty());
        window.reset();
    }
}

TEST_F(IntegrationKcfRoundTripTest, EmptiedCommentsGiveAnEmptyCommentsFile) {
    EditASite();
    Child<CommentsTab>(*window, "tabComment")->CommentsEdit->selectAll();
    QTest::keyClick(Child<CommentsTab>(*window, "tabComment")->CommentsEdit, Qt::Key_Delete);
    ASSERT_TRUE(Child<CommentsTab>(*window, "tabComment")->CommentsEdit->toPlainText().isEmpty());
    EXPECT_TRUE(document.Modified());
    const std::string path = PathOf("Rowan House.KCF");
    dialogs.QueueSave(path);
    window->SaveDocumentAs();
    QFile comments(QString::fromStdString(PathOf("Rowan House.RTF")));
    ASSERT_TRUE(comments.open(QIODevice::ReadOnly));
    EXPECT_EQ(comments.readAll(), QByteArray());

    dialogs.QueueOpen(path);
    window->OpenDocument();
    EXPECT_TRUE(Child<CommentsTab>(*window, "tabComment")->CommentsEdit->toPlainText().isEmpty());
    EXPECT_TRUE(data.Comments.empty());
}

}  // namespace
}  // namespace kelvane::test
