// The Edit menu's Undo and Redo over the whole window, and the device list
// commands of the File menu as steps of the same history.
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>

#include "MainWindowFixture.h"
#include "WindowControls.h"
#include "model/DeviceCatalogue.h"
#include "support/FileTestSupport.h"
#include "ui/site/SiteConfigTab.h"

namespace kelvane::test {
namespace {

constexpr const char* kWard = "/sites/Ward.KCF";
constexpr const char* kCsvHeader = "Address,Type,Allocation,Place Name,Suffix,Enabled\n";

class UndoRedoTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Show();
    }

    QAction* Undo() const { return Child<QAction>(*window, "Undo1"); }
    QAction* Redo() const { return Child<QAction>(*window, "Redo1"); }
    QString CommentsShown() const {
        return Child<CommentsTab>(*window, "tabComment")->CommentsEdit->toPlainText();
    }
    QCheckBox* Htm2015Box() const {
        return Child<SiteConfigTab>(*window, "tabSiteCfg")
            ->findChild<QCheckBox*>(QStringLiteral("chkHTM2015"));
    }
};

TEST_F(UndoRedoTest, TheEditMenuNamesEachStepAndTheUndonePagesShowTheRestoredModelAtOnce) {
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_GE(menus.size(), 2);
    EXPECT_EQ(menus[1]->text(), "&Edit");
    EXPECT_EQ(Undo()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(Redo()->shortcuts(), (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                                        QKeySequence(Qt::CTRL | Qt::Key_Y)}));
    EXPECT_EQ(Undo()->text(), "&Undo");
    EXPECT_FALSE(Undo()->isEnabled());

    TypeComment("draft ");
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageSiteConfig);
    QTest::mouseClick(Htm2015Box(), Qt::LeftButton);
    ASSERT_TRUE(data.SiteConfig.HTM2015Enable);
    EXPECT_EQ(Undo()->text(), "&Undo Change HTM2015 Mode");

    Child<QToolButton>(*window, "btnUndo")->click();
    EXPECT_FALSE(data.SiteConfig.HTM2015Enable);
    EXPECT_FALSE(Htm2015Box()->isChecked());
    EXPECT_EQ(Redo()->text(), "&Redo Change HTM2015 Mode");
    EXPECT_EQ(Undo()->text(), "&Undo Edit Comments");
    Undo()->trigger();
    EXPECT_EQ(CommentsShown(), "Comments Page");
    EXPECT_FALSE(document.Modified());
    EXPECT_FALSE(SaveEnabled());
    Redo()->trigger();
    Redo()->trigger();
    EXPECT_EQ(CommentsShown(), "draft Comments Page");
    EXPECT_TRUE(Htm2015Box()->isChecked());
    EXPECT_TRUE(document.Modified());
    EXPECT_FALSE(Redo()->isEnabled());
}

TEST_F(UndoRedoTest, ABoxsOwnCtrlZWhileItHasTheFocusKeepsTheModelAsTheBoxShowsIt) {
    auto* clientName =
        Child<SiteConfigTab>(*window, "tabSiteCfg")->findChild<QLineEdit*>(QStringLiteral("txtClientName"));
    clientName->setFocus();
    QTest::keyClicks(clientName, "Rowan");
    QTest::keySequence(clientName, QKeySequence::Undo);
    EXPECT_EQ(data.SiteConfig.ClientName, clientName->text().toStdString());
    EXPECT_EQ(Undo()->text(), "&Undo Edit Clients Name");
    Undo()->trigger();
    EXPECT_EQ(data.SiteConfig.ClientName, "");
    EXPECT_EQ(clientName->text(), "");
}

TEST_F(UndoRedoTest, NewAndOpenStartAFreshHistory) {
    store.AddFile(kWard, {"Ward 7"});
    TypeComment("draft");
    prompts.Queue(PromptAnswer::No);
    dialogs.QueueOpen(kWard);
    window->OpenDocument();
    EXPECT_FALSE(Undo()->isEnabled());
    TypeComment("x");
    ASSERT_TRUE(Undo()->isEnabled());
    prompts.Queue(PromptAnswer::No);
    prompts.Queue(PromptAnswer::Yes);
    window->NewDocument();
    EXPECT_FALSE(Undo()->isEnabled());
    EXPECT_FALSE(Child<QToolButton>(*window, "btnUndo")->isEnabled());
}

TEST_F(UndoRedoTest, AnImportIsOneStepAndAListWithFaultsChangesNothing) {
    TempDir folder;
    ScriptedFileDialogs csvDialogs;
    window->UseDeviceCsvFileDialogs(csvDialogs);
    const std::string good = folder.File("good.csv");
    WriteText(good,
              std::string(kCsvHeader) + "17,Callpoint,Area C,Bedroom,4,YES\n18,doorbell,C,Lounge,,no\n");
    const std::string faulty = folder.File("faulty.csv");
    WriteText(faulty, std::string(kCsvHeader) + "17,Kettle,Area C,Bedroom,4,YES\n300,Callpoint,C,,,YES\n");

    csvDialogs.QueueOpen(faulty);
    Child<QAction>(*window, "ImportDevicesCsv1")->trigger();
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.ShownMessages()[0].kind, PromptKind::Error);
    EXPECT_NE(prompts.LastText().find("line 2, column 2 (Type)"), std::string::npos) << prompts.LastText();
    EXPECT_NE(prompts.LastText().find("line 3, column 1 (Address)"), std::string::npos) << prompts.LastText();
    EXPECT_EQ(data.Loop.Device(17).DeviceType, dtNotFitted);
    EXPECT_FALSE(document.Modified());
    EXPECT_FALSE(Undo()->isEnabled());

    csvDialogs.QueueOpen(good);
    Child<QAction>(*window, "ImportDevicesCsv1")->trigger();
    EXPECT_EQ(data.Loop.Device(17).DeviceType, dtCallpoint);
    EXPECT_EQ(data.Loop.Device(18).Enabled, 0);
    EXPECT_NE(data.Loop.Device(18).DeviceType, dtNotFitted);
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(Undo()->text(), "&Undo Import Devices");
    Undo()->trigger();
    EXPECT_EQ(data.Loop.Device(17).DeviceType, dtNotFitted);
    EXPECT_EQ(data.Loop.Device(18).DeviceType, dtNotFitted);
    EXPECT_FALSE(document.Modified());

    const std::string exported = folder.File("site.csv");
    csvDialogs.QueueSave(exported);
    Child<QAction>(*window, "ExportDevicesCsv1")->trigger();
    EXPECT_EQ(ReadText(exported).substr(3, 8), "Address,");
    EXPECT_TRUE(csvDialogs.AllAnswered());
}

}  // namespace
}  // namespace kelvane::test
