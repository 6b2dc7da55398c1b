// The main window's smaller parts: prompts, file dialogs, command line, about box.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "core/ScriptedPrompts.h"
#include "ui/QtFileDialogs.h"
#include "ui/QtPrompts.h"
#include "ui/StartupOptions.h"
#include "ui/TAboutBox.h"

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
    QtFileDialogs dialogs(nullptr, prompts);
    // Two blanks in the filter's name; QFileDialog shows every run of blanks as one.
    EXPECT_STREQ(kConfigFileFilter, "Kelvane Configuration  File (*.KCF)");
    EXPECT_EQ(dialogs.OpenDialog().nameFilters(),
              (QStringList{"Kelvane Configuration File (*.KCF)", "All Files (*)"}));
    EXPECT_EQ(dialogs.SaveDialog().nameFilters(), QStringList{"Kelvane Configuration File (*.KCF)"});
    EXPECT_EQ(dialogs.OpenDialog().defaultSuffix(), "KCF");
    EXPECT_EQ(dialogs.SaveDialog().defaultSuffix(), "KCF");
    EXPECT_FALSE(dialogs.SaveDialog().testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialogs.SaveDialog().acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialogs.OpenDialog().fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(QtFileDialogs::CreateQuestion("/sites/A.KCF"),
              "/sites/A.KCF\nThis file does not exist.\nDo you want to create it?");
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
    const std::string here = QFile::encodeName(QDir::current().absoluteFilePath("sites/Ward 7.KCF")).toStdString();
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

TEST(AboutBox, Texts) {
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.ProductName->text(), "Kelvane Programming Tools");
    EXPECT_EQ(box.Version->text(), "2.2 (Build 1 20/02/06)");
    EXPECT_EQ(box.OKButton->text(), "OK");
    EXPECT_TRUE(box.OKButton->isDefault());
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    bool labels = false;
    for (QLabel* label : box.findChildren<QLabel*>()) labels |= label->text() == "Product Name :";
    EXPECT_TRUE(labels);
}

}  // namespace
}  // namespace kelvane::test
