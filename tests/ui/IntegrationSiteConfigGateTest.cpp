#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <functional>

#include "MainWindowFixture.h"
#include "WindowControls.h"
#include "ui/site/SiteConfigTab.h"

namespace kelvane::test {
namespace {

constexpr const char* kShortAccessCode = "Error. Access Level code must have 4 digits";

// The real Site Config tab inside the real main window, active, so that
// moving the focus runs the code boxes' exit checks as it does for the user.
class IntegrationSiteConfigTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QLineEdit* Box(const char* name) {
        auto* box =
            Child<SiteConfigTab>(*window, "tabSiteCfg")->findChild<QLineEdit*>(QString::fromLatin1(name));
        if (box == nullptr) ADD_FAILURE() << "no box " << name;
        return box;
    }

    // Clicks into the User (AL2) Code box and deletes its last digit.
    QLineEdit* LeaveThreeDigitUserCode() {
        QLineEdit* box = Box("txtLvl2");
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(data.SiteConfig.AL2Code.size(), 3u);
        return box;
    }

    // The one message the gate showed since the last Clear(): the short code error, as an error with OK.
    void ExpectOneShortCodeError(const char* command) {
        ASSERT_EQ(prompts.ShownMessages().size(), 1u) << command;
        const ScriptedPrompts::Shown& shown = prompts.ShownMessages()[0];
        EXPECT_EQ(shown.text, kShortAccessCode) << command;
        EXPECT_EQ(shown.kind, PromptKind::Error) << command;
        EXPECT_EQ(shown.buttons, PromptButtons::Ok) << command;
    }
};

TEST_F(IntegrationSiteConfigTest, SaveWithAThreeDigitUserCodeReportsItReturnsTheFocusAndWritesNothing) {
    QLineEdit* userCode = LeaveThreeDigitUserCode();
    ASSERT_TRUE(SaveEnabled());

    QTest::mouseClick(Child<QToolButton>(*window, "btnSave"), Qt::LeftButton);
    ExpectOneShortCodeError("Save button");
    EXPECT_EQ(QApplication::focusWidget(), userCode);
    EXPECT_FALSE(document.CodesValid);
    EXPECT_EQ(dialogs.shown, 0);
    EXPECT_TRUE(store.writes.empty());

    // Four digits again: the same click saves.
    QTest::keyClicks(userCode, "3");
    dialogs.QueueSave("/sites/A.KCF");
    QTest::mouseClick(Child<QToolButton>(*window, "btnSave"), Qt::LeftButton);
    ASSERT_EQ(store.writes.size(), 1u);
    EXPECT_EQ(data.SiteConfig.AL2Code.size(), 4u);

    // Bound to a file, Save writes without a dialog; the gate still stops it,
    // from the menu item as well.
    prompts.Clear();
    LeaveThreeDigitUserCode();
    Child<QAction>(*window, "Save1")->trigger();
    ExpectOneShortCodeError("File > Save");
    EXPECT_EQ(QApplication::focusWidget(), userCode);
    EXPECT_EQ(store.writes.size(), 1u);
    EXPECT_TRUE(document.Modified());
}

TEST_F(IntegrationSiteConfigTest, TheMenuOpensFromAThreeDigitUserCodeAndSaveInItStillStops) {
    QLineEdit* userCode = LeaveThreeDigitUserCode();
    QTest::keyClick(userCode, Qt::Key_F, Qt::AltModifier);
    auto* file = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(file, nullptr) << "Alt+F opens the File menu";
    EXPECT_TRUE(prompts.ShownMessages().empty());

    QTest::mouseClick(file, Qt::LeftButton, {},
                      file->actionGeometry(Child<QAction>(*window, "Save1")).center());
    ExpectOneShortCodeError("File > Save from the menu");
    EXPECT_EQ(QApplication::focusWidget(), userCode);
    EXPECT_EQ(dialogs.shown, 0);
    EXPECT_TRUE(store.writes.empty());

    // The menu bar taking the keyboard (Alt alone) and handing it back is not leaving the box.
    prompts.Clear();
    QTest::keyClick(userCode, Qt::Key_Alt);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(prompts.ShownMessages().empty());
    EXPECT_EQ(QApplication::focusWidget(), userCode);
}

TEST_F(IntegrationSiteConfigTest, SaveAsPrintAndTheFourControllerCommandsStopAtAThreeDigitUserCode) {
    std::vector<std::string> calls;
    QObject::connect(window.get(), &TfrmMain::loadAllFromControllerRequested,
                     [&] { calls.push_back("load all"); });
    QObject::connect(window.get(), &TfrmMain::saveAllToControllerRequested,
                     [&] { calls.push_back("save all"); });
    QObject::connect(window.get(), &TfrmMain::loadPageFromControllerRequested,
                     [&](int) { calls.push_back("load page"); });
    QObject::connect(window.get(), &TfrmMain::savePageToControllerRequested,
                     [&](int) { calls.push_back("save page"); });
    QObject::connect(window.get(), &TfrmMain::printOptionsRequested, [&] { calls.push_back("print"); });
    const std::pair<const char*, QAbstractButton*> commands[] = {
        {"Save As", Child<QToolButton>(*window, "btnSaveAs")},
        {"Print", Child<QToolButton>(*window, "btnPrint")},
        {"Load all", Child<QToolButton>(*window, "btnLoadAllFromPanel")},
        {"Save all", Child<QToolButton>(*window, "btnSaveAllToPanel")},
        {"Load page", Child<QPushButton>(*window, "btnLoadFromPanel")},
        {"Save page", Child<QPushButton>(*window, "btnSavetoPanel")},
    };

    QLineEdit* userCode = LeaveThreeDigitUserCode();
    for (const auto& [name, button] : commands) {
        prompts.Clear();
        QTest::mouseClick(button, Qt::LeftButton);
        ExpectOneShortCodeError(name);
        EXPECT_EQ(QApplication::focusWidget(), userCode) << name;
    }
    prompts.Clear();
    Child<QAction>(*window, "Print1")->trigger();
    ExpectOneShortCodeError("File > Print");
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(dialogs.shown, 0);
    EXPECT_TRUE(store.writes.empty());

    // With four digits every command goes through (the whole load after
    // offering to save the code just typed).
    QTest::keyClicks(userCode, "1");
    prompts.Clear();
    dialogs.QueueSave(std::nullopt);
    prompts.Queue(PromptAnswer::No);
    for (const auto& [name, button] : commands) QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.LastText(), "Configuration is not saved. Do you wish to save it now?");
    EXPECT_EQ(dialogs.shown, 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"print", "load all", "save all", "load page", "save page"}));
}

TEST_F(IntegrationSiteConfigTest, ExitAnsweredYesWithAThreeDigitUserCodeKeepsTheWorkOpen) {
    QLineEdit* userCode = LeaveThreeDigitUserCode();
    prompts.Queue(PromptAnswer::Yes);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(prompts.ShownMessages().size(), 2u);
    EXPECT_EQ(prompts.ShownMessages()[0].text, "Configuration is not saved. Do you wish to save it now?");
    EXPECT_EQ(prompts.ShownMessages()[1].text, kShortAccessCode);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), userCode);
    EXPECT_EQ(dialogs.shown, 0);
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(IntegrationSiteConfigTest, AfterATabSwitchWithAShortCodeEveryCommandSaysWhyItStops) {
    std::vector<std::string> calls;
    QObject::connect(window.get(), &TfrmMain::loadAllFromControllerRequested,
                     [&] { calls.push_back("load all"); });
    QObject::connect(window.get(), &TfrmMain::printOptionsRequested, [&] { calls.push_back("print"); });
    QLineEdit* userCode = LeaveThreeDigitUserCode();
    Child<QTabWidget>(*window, "ConfigPages")
        ->setCurrentIndex(kPageZoneConfig);  // leaving the page reports once
    ExpectOneShortCodeError("tab switch");
    ASSERT_FALSE(document.CodesValid);
    ASSERT_NE(QApplication::focusWidget(), userCode);

    const std::pair<const char*, QAbstractButton*> commands[] = {
        {"Save", Child<QToolButton>(*window, "btnSave")},
        {"Save As", Child<QToolButton>(*window, "btnSaveAs")},
        {"Print", Child<QToolButton>(*window, "btnPrint")},
        {"Load all", Child<QToolButton>(*window, "btnLoadAllFromPanel")}};
    for (const auto& [name, button] : commands) {
        Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageGroupConfig);
        prompts.Clear();
        QTest::mouseClick(button, Qt::LeftButton);
        ExpectOneShortCodeError(name);
        EXPECT_EQ(window->ActivePage(), kPageSiteConfig) << name;
        EXPECT_EQ(QApplication::focusWidget(), userCode) << name;
    }
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(dialogs.shown, 0);
    EXPECT_TRUE(store.writes.empty());

    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageComments);
    prompts.Clear();
    prompts.Queue(PromptAnswer::Yes);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(prompts.ShownMessages().size(), 2u);
    EXPECT_EQ(prompts.ShownMessages()[1].text, kShortAccessCode);
    EXPECT_EQ(QApplication::focusWidget(), userCode);
}

TEST_F(IntegrationSiteConfigTest, ACompleteUserCodeWithAnEmptyEngineerCodeFromAFileNamesTheEngineerBox) {
    data.SiteConfig.AL3Code = "";
    window->FillAllTabs();
    QLineEdit* userCode = Box("txtLvl2");
    userCode->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(userCode, Qt::Key_End);
    QTest::keyClick(userCode, Qt::Key_Backspace);
    QTest::keyClicks(userCode, "1");
    Child<QTabWidget>(*window, "ConfigPages")->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(prompts.ShownMessages().empty());
    ASSERT_FALSE(document.CodesValid);

    QTest::mouseClick(Child<QToolButton>(*window, "btnSave"), Qt::LeftButton);
    ExpectOneShortCodeError("Save");
    EXPECT_EQ(QApplication::focusWidget(), Box("txtLvl3"));
    EXPECT_EQ(dialogs.shown, 0);
}

TEST_F(IntegrationSiteConfigTest, TheGatePassesWhenEveryCodeIsWholeAgain) {
    document.CodesValid = false;  // as a focus lost to another window can leave it
    QObject::connect(window.get(), &TfrmMain::printOptionsRequested, [&] { prompts.Information("print"); });
    QTest::mouseClick(Child<QToolButton>(*window, "btnPrint"), Qt::LeftButton);
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.LastText(), "print");
    EXPECT_TRUE(document.CodesValid);
}

TEST_F(IntegrationSiteConfigTest, OneCharacterInASiteFieldMarksTheDocumentModified) {
    struct Typing {
        const char* box;
        const char* key;
    };
    for (const Typing& typing : {Typing{"txtClientName", "W"}, Typing{"txtInstallAdd5", "B"},
                                 Typing{"txtEngineer", "J"}, Typing{"txtCommissionDate", "1"}}) {
        document.SetModified(false);
        ASSERT_EQ(Title(), "Kelvane Prog Tools 2.3 - New file");
        ASSERT_FALSE(SaveEnabled());
        QLineEdit* box = Box(typing.box);
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClicks(box, QString::fromLatin1(typing.key));
        EXPECT_EQ(Title(), "Kelvane Prog Tools 2.3 - New file - Modified") << typing.box;
        EXPECT_TRUE(SaveEnabled()) << typing.box;
    }
    EXPECT_EQ(data.SiteConfig.ClientName, "W");
    EXPECT_EQ(data.SiteConfig.InstallerAddress5, "B");
    EXPECT_EQ(data.SiteConfig.Engineer, "J");
    EXPECT_EQ(data.SiteConfig.CommissionDate, "1_/__/__");
}

}  // namespace
}  // namespace kelvane::test
