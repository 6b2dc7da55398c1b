#include <QFrame>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>

#include "MainWindowFixture.h"
#include "WindowControls.h"
#include "comms/PortSettings.h"
#include "core/ProgramSettings.h"
#include "ui/placenames/PlaceNamesTab.h"
#include "ui/window/HelpWindow.h"

namespace kelvane::test {
namespace {

struct PageExpectation {
    int page;
    const char* caption;
    const char* load;  // nullptr: controller buttons hidden
    const char* save;
    bool logButtons;
    int helpContext;
};

const PageExpectation kPages[] = {
    {kPageDeviceSummary, "Device Summary", "Load Device Data From Controller",
     "Save Device Data To Controller", false, 10},
    {kPageDevices, "Devices", "Load Device Data From Controller", "Save Device Data To Controller", false,
     20},
    {kPageZoneConfig, "Zone Config", "Load Zone Configuration From Controller",
     "Save Zone Configuration To Controller", false, 30},
    {kPageGroupConfig, "Group Config", "Load Group Config From Controller", "Save Group Config To Controller",
     false, 40},
    {kPagePlaceNames, "Place Names", "Load Place Names From Controller", "Save Place Names To Controller",
     false, 50},
    {kPageSiteConfig, "Site Config", "Load Site Config From Controller", "Save Site Config To Controller",
     false, 60},
    {kPageViewEventLog, "View Event Log", nullptr, nullptr, true, 80},
    {kPageComments, "Comments", nullptr, nullptr, false, 90},
};

TEST_F(MainWindowTest, PagesInOrderWithNetworkAndSetConfigHidden) {
    Show();
    ASSERT_EQ(Child<QTabWidget>(*window, "ConfigPages")->count(), 10);
    for (const PageExpectation& expected : kPages) {
        EXPECT_EQ(Child<QTabWidget>(*window, "ConfigPages")->tabText(expected.page), expected.caption);
        EXPECT_TRUE(Child<QTabWidget>(*window, "ConfigPages")->isTabVisible(expected.page))
            << expected.caption;
    }
    EXPECT_EQ(Child<QTabWidget>(*window, "ConfigPages")->tabText(kPageNetworkConfig), "Network Config");
    EXPECT_FALSE(Child<QTabWidget>(*window, "ConfigPages")->isTabVisible(kPageNetworkConfig));
    EXPECT_FALSE(Child<QTabWidget>(*window, "ConfigPages")->isTabEnabled(kPageNetworkConfig));
    EXPECT_EQ(Child<QTabWidget>(*window, "ConfigPages")->tabText(kPageSetConfig), "Set Config");
    EXPECT_FALSE(Child<QTabWidget>(*window, "ConfigPages")->isTabVisible(kPageSetConfig));
    EXPECT_TRUE(Child<QTabWidget>(*window, "ConfigPages")->tabBar()->usesScrollButtons());
}

TEST_F(MainWindowTest, EveryShownTabFitsInOneRowAtTheStandardWidth) {
    Show();
    const QTabBar* bar = Child<QTabWidget>(*window, "ConfigPages")->tabBar();
    for (const PageExpectation& expected : kPages) {
        const QRect tab = bar->tabRect(expected.page);
        EXPECT_GE(tab.left(), 0) << expected.caption;
        EXPECT_LT(tab.right(), bar->width()) << expected.caption;
    }
}

TEST_F(MainWindowTest, ANarrowWindowStillShowsWholeCaptionsAndEveryTab) {
    Show();
    window->resize(400, 563);
    QCoreApplication::sendPostedEvents();
    const QTabBar* bar = Child<QTabWidget>(*window, "ConfigPages")->tabBar();
    for (const PageExpectation& expected : kPages) {
        EXPECT_GE(bar->tabRect(expected.page).left(), 0) << expected.caption;
        EXPECT_LT(bar->tabRect(expected.page).right(), bar->width()) << expected.caption;
    }
    const int width = window->width();
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageZoneConfig);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window->width(), width);  // the longest captions had room already
    for (QPushButton* button :
         {Child<QPushButton>(*window, "btnLoadFromPanel"), Child<QPushButton>(*window, "btnSavetoPanel")})
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
}

TEST_F(MainWindowTest, StartsWithSiteCaptionsAndHelpContext60) {
    Show();
    EXPECT_EQ(Child<QPushButton>(*window, "btnLoadFromPanel")->text(), "Load Site Config From Controller");
    EXPECT_EQ(Child<QPushButton>(*window, "btnSavetoPanel")->text(), "Save Site Config To Controller");
    EXPECT_EQ(window->HelpContext(), 60);
    EXPECT_TRUE(Child<QPushButton>(*window, "btnLoadFromPanel")->isVisible());
    EXPECT_FALSE(Child<QPushButton>(*window, "ClearLogButton")->isVisible());
}

TEST_F(MainWindowTest, EachPageShowsItsButtonsCaptionsAndHelpContext) {
    Show();
    // Every page is reached from every other kind of page: forwards, then backwards.
    std::vector<PageExpectation> order(std::begin(kPages), std::end(kPages));
    std::vector<PageExpectation> reversed(order.rbegin(), order.rend());
    for (const auto& sequence : {order, reversed}) {
        for (const PageExpectation& expected : sequence) {
            Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(expected.page);
            SCOPED_TRACE(expected.caption);
            EXPECT_EQ(Child<QPushButton>(*window, "btnLoadFromPanel")->isVisible(), expected.load != nullptr);
            EXPECT_EQ(Child<QPushButton>(*window, "btnSavetoPanel")->isVisible(), expected.load != nullptr);
            if (expected.load) {
                EXPECT_EQ(Child<QPushButton>(*window, "btnLoadFromPanel")->text(), expected.load);
                EXPECT_EQ(Child<QPushButton>(*window, "btnSavetoPanel")->text(), expected.save);
                EXPECT_TRUE(Child<QPushButton>(*window, "btnLoadFromPanel")->isEnabled());
            }
            for (const char* log : {"ClearLogButton", "LoadLogButton", "SaveLogButton", "ConvertButton"})
                EXPECT_EQ(Child<QPushButton>(*window, log)->isVisible(), expected.logButtons);
            EXPECT_EQ(window->HelpContext(), expected.helpContext);
        }
    }
    EXPECT_EQ(Child<QPushButton>(*window, "ClearLogButton")->text(), "Clear Display");
    EXPECT_EQ(Child<QPushButton>(*window, "LoadLogButton")->text(), "Load Log from Disk");
    EXPECT_EQ(Child<QPushButton>(*window, "SaveLogButton")->text(), "Save Log to Disk");
    EXPECT_EQ(Child<QPushButton>(*window, "ConvertButton")->text(), "Convert");
}

TEST_F(MainWindowTest, SwitchingTabsMarksNothingButTypingCommentsDoes) {
    Show();
    for (const PageExpectation& expected : kPages)
        Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(expected.page);
    EXPECT_FALSE(document.Modified());
    QTest::keyClick(Child<CommentsTab>(*window, "tabComment")->CommentsEdit, Qt::Key_Right);
    EXPECT_FALSE(document.Modified());
    QTest::keyClick(Child<CommentsTab>(*window, "tabComment")->CommentsEdit, Qt::Key_A);
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(data.Comments.front().substr(0, 1), "C");
}

TEST_F(MainWindowTest, CommentLinesFollowTheEditor) {
    Show();
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageComments);
    Child<CommentsTab>(*window, "tabComment")->CommentsEdit->selectAll();
    QTest::keyClicks(Child<CommentsTab>(*window, "tabComment")->CommentsEdit, "Ward 7");
    QTest::keyClick(Child<CommentsTab>(*window, "tabComment")->CommentsEdit, Qt::Key_Return);
    Child<CommentsTab>(*window, "tabComment")->CommentsEdit->insertPlainText(QString::fromLatin1("Bay \xe9"));
    EXPECT_EQ(data.Comments, (std::vector<std::string>{"Ward 7", "Bay \xe9"}));
}

TEST_F(MainWindowTest, ControllerSignalsComeOnlyPastTheCodeGate) {
    Show();
    std::vector<std::string> calls;
    QObject::connect(window.get(), &TfrmMain::loadAllFromControllerRequested,
                     [&] { calls.push_back("load all"); });
    QObject::connect(window.get(), &TfrmMain::saveAllToControllerRequested,
                     [&] { calls.push_back("save all"); });
    QObject::connect(window.get(), &TfrmMain::loadPageFromControllerRequested,
                     [&](int page) { calls.push_back("load " + std::to_string(page)); });
    QObject::connect(window.get(), &TfrmMain::savePageToControllerRequested,
                     [&](int page) { calls.push_back("save " + std::to_string(page)); });
    auto clickAll = [&] {
        QTest::mouseClick(Child<QToolButton>(*window, "btnLoadAllFromPanel"), Qt::LeftButton);
        QTest::mouseClick(Child<QToolButton>(*window, "btnSaveAllToPanel"), Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(*window, "btnLoadFromPanel"), Qt::LeftButton);
        QTest::mouseClick(Child<QPushButton>(*window, "btnSavetoPanel"), Qt::LeftButton);
    };
    data.SiteConfig.AL2Code = "12";  // a short code left behind the gate
    window->FillAllTabs();
    document.CodesValid = false;
    clickAll();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(prompts.ShownMessages().size(), 4u);
    data.SiteConfig.AL2Code = "1212";
    window->FillAllTabs();
    document.CodesValid = true;
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageGroupConfig);
    clickAll();
    EXPECT_EQ(calls, (std::vector<std::string>{"load all", "save all", "load 3", "save 3"}));
}

TEST_F(MainWindowTest, PageChangesTellTheControllerLink) {
    std::vector<std::string> calls;
    QObject::connect(window.get(), &TfrmMain::leavingEventLog, [&] { calls.push_back("leave log"); });
    QObject::connect(window.get(), &TfrmMain::enteringEventLog, [&] { calls.push_back("enter log"); });
    QObject::connect(window.get(), &TfrmMain::textOnlyReceptionEnded, [&] { calls.push_back("text off"); });
    Show();
    calls.clear();
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageViewEventLog);
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageComments);
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageZoneConfig);
    EXPECT_EQ(calls,
              (std::vector<std::string>{"text off", "enter log", "leave log", "text off", "text off"}));
}

TEST_F(MainWindowTest, F1OpensHelpAtTheActiveTabsContext) {
    Show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageGroupConfig);
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_TRUE(window->HelpViewer().isVisible());
    EXPECT_EQ(window->HelpViewer().CurrentContext(), 40);
    EXPECT_EQ(window->HelpViewer().Browser->source(), HelpWindow::PageFor(40));

    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageComments);
    Child<QAction>(*window, "Contents1")->trigger();
    EXPECT_EQ(window->HelpViewer().CurrentContext(), 90);
    window->HelpViewer().close();
}

TEST_F(MainWindowTest, PlaceNameListsFollowTheWindowHeight) {
    Show();
    window->resize(792, 510);
    const int frame = window->frameGeometry().height() - window->geometry().height();
    EXPECT_EQ(Child<PlaceNamesTab>(*window, "tabPlaceNames")->ListBox1->height(), 300 + frame);
    EXPECT_EQ(Child<PlaceNamesTab>(*window, "tabPlaceNames")->ListBox2->height(), 300 + frame);
    window->resize(792, 100);
    EXPECT_GE(Child<PlaceNamesTab>(*window, "tabPlaceNames")->ListBox1->height(), 0);
}

TEST_F(MainWindowTest, ClientAreaIs792By563) {
    Show();
    EXPECT_EQ(window->centralWidget()->width(), 792);
    EXPECT_EQ(window->centralWidget()->height(), 563);
    EXPECT_EQ(Child<QFrame>(*window, "ToolBar1")->height(), 33);
    EXPECT_EQ(Child<QFrame>(*window, "ToolBar1")->width(), 792);
}

TEST_F(MainWindowTest, MenusCarryTheirShortcutsAndHints) {
    EXPECT_EQ(Child<QAction>(*window, "New1")->text(), "&New");
    EXPECT_EQ(Child<QAction>(*window, "New1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(Child<QAction>(*window, "New1")->statusTip(), "Create a new file");
    EXPECT_EQ(Child<QAction>(*window, "Open1")->text(), "&Open...");
    EXPECT_EQ(Child<QAction>(*window, "Open1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(Child<QAction>(*window, "Save1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(Child<QAction>(*window, "SaveAs1")->text(), "Save &As...");
    EXPECT_EQ(Child<QAction>(*window, "SaveAs1")->statusTip(), "Save current file under a new name");
    EXPECT_EQ(Child<QAction>(*window, "Print1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(Child<QAction>(*window, "PrinterProperties1")->text(), "Printer P&roperties");
    EXPECT_EQ(Child<QAction>(*window, "Exit1")->text(), "E&xit");
    EXPECT_EQ(Child<QAction>(*window, "SelectSerialPort1")->text(), "Select Serial &Port");
    EXPECT_EQ(Child<QAction>(*window, "Contents1")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(Child<QAction>(*window, "About1")->statusTip(), "Show program information");
    EXPECT_EQ(Child<QToolButton>(*window, "btnSaveAs")->toolTip(), "Save as");
    EXPECT_EQ(Child<QToolButton>(*window, "btnPrint")->statusTip(), "Print Setup");
    EXPECT_EQ(Child<QToolButton>(*window, "btnLoadAllFromPanel")->toolTip(),
              "Load data from the Network Controller");
    EXPECT_EQ(Child<QToolButton>(*window, "btnSaveAllToPanel")->toolTip(),
              "Save data to the Network Controller");
}

TEST_F(MainWindowTest, StoredPortIsOfferedAtFirstShowOnly) {
    ProgramSettings(settings).SetPort(3);
    std::vector<int> ports;
    QObject::connect(window.get(), &TfrmMain::storedPortSelected, [&](int port) { ports.push_back(port); });
    Show();
    window->hide();
    window->show();
    EXPECT_EQ(ports, std::vector<int>{3});
}

TEST_F(MainWindowTest, OutOfRangeStoredPortIsIgnored) {
    ProgramSettings(settings).SetPort(7);
    bool called = false;
    QObject::connect(window.get(), &TfrmMain::storedPortSelected, [&](int) { called = true; });
    Show();
    EXPECT_FALSE(called);
}

}  // namespace
}  // namespace kelvane::test
