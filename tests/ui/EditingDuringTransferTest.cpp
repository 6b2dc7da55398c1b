#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "DesktopLinkFixture.h"
#include "WindowControls.h"
#include "ui/Pages.h"
#include "ui/devices/DeviceSummaryTab.h"
#include "ui/devices/DeviceTypeToolBar.h"
#include "ui/routing/EquationBox.h"
#include "ui/routing/ZoneConfigTab.h"
#include "ui/site/CommentsTab.h"
#include "ui/site/SiteConfigTab.h"

namespace kelvane::test {
namespace {

// Clicks `target`; true when that brought up a modal window (which is then closed).
bool ClickOpensAModalWindow(QWidget* target) {
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    QTest::mouseClick(target, Qt::LeftButton);
    QCoreApplication::processEvents();
    return opened;
}

QString StatusMessage(const TfrmMain& window) {
    return Child<QLabel>(window, "lblStatusMessage")->text();
}

TEST_F(DesktopLinkTest, WhileATransferRunsNoEditorTakesAnEditAndTheLoadedValuesStay) {
    TData& controller = *connection->SimulatedControllerSite();
    controller.ZoneList.Zones[15].AreaEquation = FilledEquation(kAreaEmpty);
    data.ZoneList.Zones[15].AreaEquation[1] = 2;  // "C", saved nowhere
    RunFor(6000);

    Child<QToolButton>(*window, "btnLoadAllFromPanel")->click();
    RunFor(3000);
    ASSERT_TRUE(window->Status().Visible());
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageZoneConfig);
    EXPECT_FALSE(ClickOpensAModalWindow(Child<ZoneConfigTab>(*window, "tabZoneCfg")->AreaBox(15)));
    EXPECT_FALSE(Child<ZoneConfigTab>(*window, "tabZoneCfg")->NameLabel(15)->isEnabled());
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageSiteConfig);
    auto* clientName =
        Child<SiteConfigTab>(*window, "tabSiteCfg")->findChild<QLineEdit*>(QStringLiteral("txtClientName"));
    EXPECT_FALSE(clientName->isEnabled());
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageComments);
    EXPECT_TRUE(Child<CommentsTab>(*window, "tabComment")->CommentsEdit->isReadOnly());
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageDeviceSummary);
    EXPECT_FALSE(Child<DeviceSummaryTab>(*window, "tabLoopSummary")->chkEnableZoneChanges->isEnabled());
    EXPECT_FALSE(Child<DeviceSummaryTab>(*window, "tabLoopSummary")->DeviceToolBar->isEnabled());

    ASSERT_TRUE(RunUntil([&] { return !window->Status().Visible(); }, 120000));
    EXPECT_EQ(data.ZoneList.Zones[15].AreaEquation, FilledEquation(kAreaEmpty));
    EXPECT_TRUE(Child<DeviceSummaryTab>(*window, "tabLoopSummary")->chkEnableZoneChanges->isEnabled());
    EXPECT_FALSE(Child<CommentsTab>(*window, "tabComment")->CommentsEdit->isReadOnly());
    EXPECT_TRUE(clientName->isEnabled());
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageZoneConfig);
    EXPECT_TRUE(Child<ZoneConfigTab>(*window, "tabZoneCfg")->NameLabel(15)->isEnabled());
    EXPECT_TRUE(ClickOpensAModalWindow(Child<ZoneConfigTab>(*window, "tabZoneCfg")->AreaBox(15)));
}

TEST_F(DesktopLinkTest, AStoppedLoadShowsWhatItStoredBeforeThePageTakesAnEdit) {
    const TData& controller = *connection->SimulatedControllerSite();
    RunFor(6000);
    Child<QToolButton>(*window, "btnLoadAllFromPanel")->click();
    // Stopped once the site settings are in, before the custom names.
    ASSERT_TRUE(RunUntil([&] { return window->Status().Checked(TransferStatus::List::Load, 11); }, 120000));
    prompts.Queue(PromptAnswer::Yes);
    window->Status().OnCancelPressed();
    ASSERT_FALSE(window->Status().Visible());
    // The Site Config tab was active: its boxes show the loaded codes, so
    // that an edit there does not write back the ones they showed before.
    auto* callCode =
        Child<SiteConfigTab>(*window, "tabSiteCfg")->findChild<QLineEdit*>(QStringLiteral("txtCallCode"));
    ASSERT_FALSE(controller.SiteConfig.CallCode.empty());
    EXPECT_EQ(callCode->text().toStdString(), controller.SiteConfig.CallCode);
    EXPECT_EQ(StatusMessage(*window),
              "Load from the controller stopped at 12:00 after loading 256 devices, 64 zones, 32 groups and "
              "the site settings; the rest of the site is as it was");
}

TEST_F(DesktopLinkTest, TheStatusBarSaysWhatAWholeLoadAndASaveDid) {
    RunFor(6000);
    Child<QToolButton>(*window, "btnLoadAllFromPanel")->click();
    ASSERT_TRUE(RunUntil([&] { return !window->Status().Visible(); }, 120000));
    EXPECT_TRUE(prompts.ShownMessages().empty()) << prompts.LastText();
    EXPECT_EQ(StatusMessage(*window),
              "Loaded 256 devices, 64 zones, 32 groups, the site settings and 45 custom place names from the "
              "controller 08B14 at 12:00");

    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageZoneConfig);
    Child<QPushButton>(*window, "btnSavetoPanel")->click();
    ASSERT_TRUE(RunUntil([&] { return !window->Status().Visible(); }, 120000));
    EXPECT_EQ(StatusMessage(*window), "Saved the zones to the controller 08B14 at 12:00");
}

}  // namespace
}  // namespace kelvane::test
