// The main window's smaller parts: prompts, file dialogs, command line, about box.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "TypeText.h"
#include "support/MemorySettings.h"
#include "support/ScriptedPrompts.h"
#include "ui/platform/QtFileDialogs.h"
#include "ui/platform/QtLogFileDialogs.h"
#include "ui/platform/QtPrompts.h"
#include "ui/site/CommentsTab.h"
#include "ui/widgets/CaptionBar.h"
#include "ui/window/StartupOptions.h"
#include "ui/window/TAboutBox.h"
#include "ui/window/TransferCommandLock.h"

namespace kelvane::test {
namespace {

TEST(QtPromptsMapping, KindsAndButtonSets) {
    EXPECT_EQ(QtPrompts::IconFor(PromptKind::Error), QMessageBox::Critical);
    EXPECT_EQ(QtPrompts::IconFor(PromptKind::Warning), QMessageBox::Warning);
    EXPECT_EQ(QtPrompts::IconFor(PromptKind::Confirmation), QMessageBox::Question);
    EXPECT_EQ(QtPrompts::IconFor(PromptKind::Information), QMessageBox::Information);
    EXPECT_EQ(QtPrompts::ButtonsFor(PromptButtons::YesNoCancel),
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(QtPrompts::ButtonsFor(PromptButtons::AbortRetry), QMessageBox::Abort | QMessageBox::Retry);
    EXPECT_EQ(QtPrompts::AnswerFor(QMessageBox::Retry, PromptButtons::AbortRetry), PromptAnswer::Retry);
    // Escape or the window's close box gives the answer that changes least.
    EXPECT_EQ(QtPrompts::AnswerFor(QMessageBox::NoButton, PromptButtons::YesNoCancel), PromptAnswer::Cancel);
    EXPECT_EQ(QtPrompts::AnswerFor(QMessageBox::NoButton, PromptButtons::YesNo), PromptAnswer::No);
    EXPECT_EQ(QtPrompts::AnswerFor(QMessageBox::NoButton, PromptButtons::AbortRetry), PromptAnswer::Abort);
}

TEST(ConfigFileDialogs, FiltersExtensionAndOverwriteQuestion) {
    ScriptedPrompts prompts;
    MemorySettings settings;
    QtFileDialogs dialogs(nullptr, prompts, settings);
    // Two blanks in the filter's name; QFileDialog shows every run of blanks as one.
    EXPECT_STREQ(kConfigFileFilter, "Kelvane Configuration  File (*.KCF)");
    EXPECT_EQ(dialogs.OpenDialog()->nameFilters(),
              (QStringList{"Kelvane Configuration File (*.KCF)", "All Files (*)"}));
    EXPECT_EQ(dialogs.SaveDialog()->nameFilters(), QStringList{"Kelvane Configuration File (*.KCF)"});
    EXPECT_EQ(dialogs.OpenDialog()->defaultSuffix(), "KCF");
    EXPECT_EQ(dialogs.SaveDialog()->defaultSuffix(), "KCF");
    EXPECT_FALSE(dialogs.SaveDialog()->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialogs.SaveDialog()->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialogs.OpenDialog()->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(QtFileDialogs::CreateQuestion("/sites/A.KCF"),
              "/sites/A.KCF\nThis file does not exist.\nDo you want to create it?");
}

// Runs `look` on the next modal dialog of type T once it is up.
template <typename T>
void OnNextDialog(std::function<void(T&)> look) {
    QTimer::singleShot(0, [look] {
        T* dialog = nullptr;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return (dialog = qobject_cast<T*>(QApplication::activeModalWidget())) != nullptr; }, 5000));
        look(*dialog);
    });
}

TEST(ConfigFileDialogs, OpenInTheDocumentsFolderOrTheLastFolderUsed) {
    QTemporaryDir sites;
    QTemporaryDir elsewhere;
    ScriptedPrompts prompts;
    MemorySettings settings;
    QtFileDialogs dialogs(nullptr, prompts, settings);
    QtLogFileDialogs logDialogs(nullptr, &settings);
    struct Seen {
        QString folder;
        QString name;
    };
    const auto seeing = [](Seen& seen, std::function<void(QFileDialog&)> then) {
        return [&seen, then](QFileDialog& dialog) {
            seen.folder = dialog.directory().absolutePath();
            seen.name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            then(dialog);
        };
    };
    const auto cancel = [](QFileDialog& dialog) { dialog.reject(); };

    // Save As of a document bound to a file offers its folder and name.
    Seen seen;
    const QString chosen = elsewhere.filePath(QStringLiteral("Birch.KCF"));
    OnNextDialog<QFileDialog>(seeing(seen, [chosen](QFileDialog& dialog) {
        dialog.selectFile(chosen);
        static_cast<QDialog&>(dialog).accept();
    }));
    prompts.Queue(PromptAnswer::Yes);  // create the new file
    EXPECT_EQ(
        dialogs.AskSavePath(QFile::encodeName(sites.filePath(QStringLiteral("Rowan.KCF"))).toStdString()),
        QFile::encodeName(chosen).toStdString());
    EXPECT_EQ(seen.folder, sites.path());
    EXPECT_EQ(seen.name, QStringLiteral("Rowan.KCF"));

    // A new document: the last folder used, and no name from before.
    OnNextDialog<QFileDialog>(seeing(seen, cancel));
    EXPECT_EQ(dialogs.AskSavePath({}), std::nullopt);
    EXPECT_EQ(seen.folder, elsewhere.path());
    EXPECT_EQ(seen.name, QString());
    // Open and the event log's dialogs start there too.
    OnNextDialog<QFileDialog>(seeing(seen, cancel));
    EXPECT_EQ(dialogs.AskOpenPath(), std::nullopt);
    EXPECT_EQ(seen.folder, elsewhere.path());
    OnNextDialog<QFileDialog>(seeing(seen, cancel));
    EXPECT_EQ(logDialogs.AskSavePath({}), std::nullopt);
    EXPECT_EQ(seen.folder, elsewhere.path());
    EXPECT_EQ(seen.name, QString());
}

TEST(QtPromptsText, FileNamesShowAsTheFileSystemNamesThemAndModelTextsAsLatin1) {
    QtPrompts prompts;
    QString shown;
    const auto read = [&shown](QMessageBox& box) {
        shown = box.text();
        box.button(QMessageBox::Ok)->click();
    };
    OnNextDialog<QMessageBox>(read);
    prompts.Error(
        QFile::encodeName(QStringLiteral("Unable to write to /tmp/ro dir \u00fc/site \u00e9 \u4e2d.KCF"))
            .toStdString());
    EXPECT_EQ(shown, QStringLiteral("Unable to write to /tmp/ro dir \u00fc/site \u00e9 \u4e2d.KCF"));
    OnNextDialog<QMessageBox>(read);
    prompts.Error("Line 3: Ren\xE9\x65");
    EXPECT_EQ(shown, QStringLiteral("Line 3: Ren\u00e9e"));
}

ParsedCommandLine Parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("kelvane-tools"));
    return ParseCommandLine(arguments);
}

TEST(CommandLine, SimulateAndPortAreReadIntoTheOptions) {
    const ParsedCommandLine plain = Parse({});
    EXPECT_TRUE(plain.Error.isEmpty());
    EXPECT_FALSE(plain.Options.Simulate);
    EXPECT_TRUE(plain.Options.PortDevice.empty());

    const ParsedCommandLine both = Parse({"--simulate", "--port", "/dev/ttyUSB1"});
    EXPECT_TRUE(both.Error.isEmpty());
    EXPECT_TRUE(both.Options.Simulate);
    EXPECT_EQ(both.Options.PortDevice, "/dev/ttyUSB1");
    EXPECT_EQ(Parse({"--port=/dev/ttyS0"}).Options.PortDevice, "/dev/ttyS0");
}

TEST(CommandLine, ASiteFileIsNamedFromTheFolderTheProgramStartedIn) {
    EXPECT_TRUE(Parse({}).Options.OpenPath.empty());
    const std::string here =
        QFile::encodeName(QDir::current().absoluteFilePath("sites/Ward 7.KCF")).toStdString();
    EXPECT_EQ(Parse({"sites/Ward 7.KCF"}).Options.OpenPath, here);
    EXPECT_EQ(Parse({"/srv/sites/A.KCF"}).Options.OpenPath, "/srv/sites/A.KCF");
    EXPECT_EQ(Parse({"/srv/sites/../sites/A.KCF"}).Options.OpenPath, "/srv/sites/A.KCF");
    EXPECT_EQ(Parse({"file:///srv/sites/Ward%207.KCF"}).Options.OpenPath, "/srv/sites/Ward 7.KCF");
    // A file whose name starts like an option, after "--".
    EXPECT_EQ(Parse({"--", "/srv/-odd.KCF"}).Options.OpenPath, "/srv/-odd.KCF");

    // Qt's own options are left to the application object, not taken for the file.
    const ParsedCommandLine styled = Parse({"-style", "Fusion", "--simulate", "/srv/A.KCF", "-reverse"});
    EXPECT_TRUE(styled.Error.isEmpty()) << styled.Error.toStdString();
    EXPECT_EQ(styled.Options.OpenPath, "/srv/A.KCF");
    EXPECT_TRUE(styled.Options.Simulate);
    EXPECT_TRUE(Parse({"-style=Fusion"}).Error.isEmpty());
    EXPECT_FALSE(Parse({"--help"}).HelpText.contains("style"));
}

TEST(CommandLine, HelpAndMistakes) {
    const ParsedCommandLine help = Parse({"--help"});
    EXPECT_TRUE(help.ShowHelp);
    EXPECT_TRUE(help.HelpText.startsWith("Usage: kelvane-tools [options] [FILE.KCF]"));
    EXPECT_TRUE(help.HelpText.contains("--simulate"));
    EXPECT_FALSE(Parse({"--bogus"}).Error.isEmpty());
    EXPECT_FALSE(Parse({"--port"}).Error.isEmpty());
    EXPECT_FALSE(Parse({"--port", ""}).Error.isEmpty());
    EXPECT_FALSE(Parse({"a.KCF", "b.KCF"}).Error.isEmpty());
    EXPECT_FALSE(Parse({""}).Error.isEmpty());
}

TEST(CommandLine, CorruptStoreNeedsTheSimulatorAndARate) {
    EXPECT_DOUBLE_EQ(Parse({"--simulate", "--corrupt-store", "0.25"}).Options.CorruptStoreRate, 0.25);
    EXPECT_DOUBLE_EQ(Parse({"--simulate"}).Options.CorruptStoreRate, 0.0);
    EXPECT_FALSE(Parse({"--corrupt-store", "0.25"}).Error.isEmpty());
    EXPECT_FALSE(Parse({"--simulate", "--corrupt-store", "1.5"}).Error.isEmpty());
    EXPECT_FALSE(Parse({"--simulate", "--corrupt-store", "some"}).Error.isEmpty());
}

TEST(AboutBox, Texts) {
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.ProductName->text(), "Kelvane Programming Tools");
    EXPECT_EQ(box.Version->text(), "2.2 (Build 1 20/02/06)");
    EXPECT_EQ(box.OKButton->text(), "OK");
    EXPECT_TRUE(box.OKButton->isDefault());
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    // No buttons in its title bar: a bar of its own; OK and Escape close it.
    EXPECT_TRUE(box.windowFlags() & Qt::FramelessWindowHint);
    auto* bar = box.findChild<CaptionBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Caption(), "About");
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_EQ(bar->geometry().topLeft(), QPoint(1, 1));
    EXPECT_EQ(bar->width(), box.width() - 2);
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_FALSE(box.isVisible());
    bool labels = false;
    for (QLabel* label : box.findChildren<QLabel*>()) labels |= label->text() == "Product Name :";
    EXPECT_TRUE(labels);
}

TEST(CommentsPage, EditorWritesMSSansSerif19PixelsHighOrASansSerifFaceInstead) {
    TData data;
    Document document;
    ScriptedPrompts prompts;
    CommentsTab tab(data, document, prompts);
    const QFont font = tab.CommentsEdit->font();
    EXPECT_EQ(font.family(), "MS Sans Serif");
    EXPECT_EQ(font.pixelSize(), 19);
    EXPECT_EQ(font.styleHint(), QFont::SansSerif);
}

TEST(CommentsPage, TypedAndPastedTextBecomesLatin1OrIsRefusedByName) {
    TData data;
    Document document;
    ScriptedPrompts prompts;
    CommentsTab tab(data, document, prompts);
    TypeText(tab.CommentsEdit, QString::fromUtf8("Night staff \u2014 \u201Cquiet\u201D"));
    QApplication::clipboard()->setText(QString::fromUtf8("\u2026 caf\u00E9\u00A0ok"));
    tab.CommentsEdit->paste();
    const std::vector<std::string> taken{"Night staff - \"quiet\"... caf\xE9 ok"};
    EXPECT_EQ(data.Comments, taken);
    EXPECT_TRUE(prompts.ShownMessages().empty());

    TypeText(tab.CommentsEdit, QString::fromUtf8("\u20AC"));
    QApplication::clipboard()->setText(QString::fromUtf8("Bay \U0001F600"));
    tab.CommentsEdit->paste();
    EXPECT_EQ(data.Comments, taken);
    ASSERT_EQ(prompts.ShownMessages().size(), 2u);
    EXPECT_EQ(prompts.ShownMessages()[0].text.find("The character U+20AC cannot be kept"), 0u);
    EXPECT_EQ(prompts.ShownMessages()[1].text.find("The character U+1F600 cannot be kept"), 0u);
}

TEST(TransferCommandLock, HoldsCommandsBackAndGivesThemTheStateLastAskedFor) {
    QAction save(QStringLiteral("Save"));
    QAction open(QStringLiteral("Open"));
    QPushButton page(QStringLiteral("Load"));
    save.setEnabled(false);
    TransferCommandLock lock;
    lock.Add(&save);
    lock.Add(&open);
    lock.Add(&page);
    lock.SetLocked(true);
    EXPECT_FALSE(save.isEnabled() || open.isEnabled() || page.isEnabled());
    save.setEnabled(true);  // the document became modified meanwhile
    open.setEnabled(false);
    lock.SetEnabled(&page, false);
    lock.SetEnabled(&page, true);
    EXPECT_FALSE(save.isEnabled());
    EXPECT_FALSE(open.isEnabled());
    EXPECT_FALSE(page.isEnabled());
    lock.SetLocked(false);
    EXPECT_TRUE(save.isEnabled());
    EXPECT_FALSE(open.isEnabled());
    EXPECT_TRUE(page.isEnabled());
}

}  // namespace
}  // namespace kelvane::test
