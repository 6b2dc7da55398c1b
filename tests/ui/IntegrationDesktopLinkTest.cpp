#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "DesktopLinkFixture.h"
#include "WindowControls.h"
#include "compare/ControllerVerify.h"
#include "ui/Pages.h"
#include "ui/controller/LinkTraceDock.h"
#include "ui/site/SiteConfigTab.h"

namespace kelvane::test {
namespace {

QString SiteLabel(const TfrmMain& window, const char* name) {
    auto* label = Child<SiteConfigTab>(window, "tabSiteCfg")->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QString();
}

bool SaveEnabled(const TfrmMain& frmMain) {
    return Child<QToolButton>(frmMain, "btnSave")->isEnabled() &&
           Child<QAction>(frmMain, "Save1")->isEnabled();
}

TEST_F(DesktopLinkTest, ConnectsByItselfAndShowsTheControllersVersion) {
    const TData& controller = *connection->SimulatedControllerSite();
    EXPECT_EQ(SiteLabel(*window, "stxtMain"), "Not Available");

    RunFor(2000);
    EXPECT_EQ(SiteLabel(*window, "stxtConnectedStatus"), "Attempting to connect...");
    ASSERT_TRUE(RunUntil([&] { return SiteLabel(*window, "stxtConnectedStatus") == "Connected"; }, 10000));

    EXPECT_EQ(data.SiteConfig.MainVersion, controller.SiteConfig.MainVersion);
    EXPECT_EQ(SiteLabel(*window, "stxtMain").toStdString(), controller.SiteConfig.MainVersion);
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

TEST_F(DesktopLinkTest, ToolBarLoadsTheWholeSiteAndSaveSendsEdits) {
    const TData& controller = *connection->SimulatedControllerSite();
    RunFor(6000);

    Child<QToolButton>(*window, "btnLoadAllFromPanel")->click();
    EXPECT_TRUE(window->Status().Visible());
    EXPECT_EQ(window->Status().ShownList(), TransferStatus::List::Load);
    ASSERT_TRUE(RunUntil([&] { return !window->Status().Visible(); }, 120000));

    EXPECT_TRUE(prompts.ShownMessages().empty()) << prompts.LastText();
    for (int n = 1; n < kLoopDeviceCount; ++n) {
        ASSERT_EQ(data.Loop.Device(n).DeviceType, controller.Loop.Device(n).DeviceType) << n;
        ASSERT_EQ(data.Loop.Device(n).Allocation, controller.Loop.Device(n).Allocation) << n;
        ASSERT_EQ(data.Loop.Device(n).PlaceNameIndex, controller.Loop.Device(n).PlaceNameIndex) << n;
    }
    EXPECT_EQ(data.CustomNames.Item(0).Name, controller.CustomNames.Item(0).Name);
    EXPECT_EQ(data.ZoneList.Zones[2].AreaEquation, controller.ZoneList.Zones[2].AreaEquation);
    EXPECT_EQ(data.SiteConfig.CallCode, controller.SiteConfig.CallCode);
    // The Site Config tab was active: it shows what came from the controller.
    EXPECT_EQ(window->ActivePage(), kPageSiteConfig);
    EXPECT_EQ(SiteLabel(*window, "stxtMain").toStdString(), controller.SiteConfig.MainVersion);
    // What was read from the controller is in no file yet.
    EXPECT_TRUE(document.Modified());
    EXPECT_TRUE(window->windowTitle().endsWith(" - Modified"));

    data.Loop.Device(200).DeviceType = 7;
    data.Loop.Device(200).Allocation = 11;
    data.Loop.Device(200).Enabled = 1;
    data.GroupList.Groups[30].DivertEquation[1] = 4;
    Child<QToolButton>(*window, "btnSaveAllToPanel")->click();
    EXPECT_EQ(window->Status().ShownList(), TransferStatus::List::Save);
    // The save is read back to verify it ("Verify after saving" is on by default).
    ASSERT_TRUE(RunUntil([&] { return !window->Status().Visible(); }, 120000));
    QCoreApplication::processEvents();

    ASSERT_EQ(prompts.ShownMessages().size(), 1u) << prompts.LastText();
    EXPECT_EQ(prompts.LastText(), ControllerVerify::kHoldsSavedText);
    EXPECT_EQ(controller.Loop.Device(200).DeviceType, 7);
    EXPECT_EQ(controller.Loop.Device(200).Allocation, 11);
    EXPECT_EQ(controller.GroupList.Groups[30].DivertEquation[1], 4);
}

TEST_F(DesktopLinkTest, WhileATransferRunsTheDocumentPrintAndTransferCommandsAreHeldBack) {
    RunFor(6000);
    const std::vector<QAction*> actions{
        Child<QAction>(*window, "New1"),   Child<QAction>(*window, "Open1"),
        Child<QAction>(*window, "Save1"),  Child<QAction>(*window, "SaveAs1"),
        Child<QAction>(*window, "Print1"), Child<QAction>(*window, "SelectSerialPort1")};
    const std::vector<QWidget*> buttons{Child<QToolButton>(*window, "btnNew"),
                                        Child<QToolButton>(*window, "btnOpen"),
                                        Child<QToolButton>(*window, "btnSave"),
                                        Child<QToolButton>(*window, "btnSaveAs"),
                                        Child<QToolButton>(*window, "btnPrint"),
                                        Child<QToolButton>(*window, "btnLoadAllFromPanel"),
                                        Child<QToolButton>(*window, "btnSaveAllToPanel"),
                                        Child<QPushButton>(*window, "btnLoadFromPanel"),
                                        Child<QPushButton>(*window, "btnSavetoPanel")};
    const auto noneEnabled = [&] {
        for (QAction* action : actions)
            if (action->isEnabled()) return false;
        for (QWidget* button : buttons)
            if (button->isEnabled()) return false;
        return true;
    };

    Child<QToolButton>(*window, "btnLoadAllFromPanel")->click();
    RunFor(3000);
    ASSERT_TRUE(window->Status().Visible());
    EXPECT_TRUE(noneEnabled());
    // The load marks the document modified, and page changes enable the page
    // buttons: neither gives a command back while the load runs.
    EXPECT_TRUE(document.Modified());
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageZoneConfig);
    EXPECT_TRUE(noneEnabled());
    // The short cuts are held back too: New would ask its question.
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(prompts.ShownMessages().empty()) << prompts.LastText();

    // Exit asks to cancel the transfer first; No keeps the window and the load.
    prompts.Queue(PromptAnswer::No);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.LastText(), " Are you sure that you want to cancel the current operation?");
    EXPECT_TRUE(window->Status().Visible());

    ASSERT_TRUE(RunUntil([&] { return !window->Status().Visible(); }, 120000));
    for (QAction* action : actions) EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    for (QWidget* button : buttons) EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_TRUE(SaveEnabled(*window));
}

TEST_F(DesktopLinkTest, ExitDuringATransferCancelsItThenAsksToSave) {
    RunFor(6000);
    Child<QToolButton>(*window, "btnLoadAllFromPanel")->click();
    RunFor(3000);
    prompts.Queue(PromptAnswer::Yes);  // cancel the load
    prompts.Queue(PromptAnswer::No);   // and leave without saving
    EXPECT_TRUE(window->close());
    ASSERT_EQ(prompts.ShownMessages().size(), 3u);
    EXPECT_EQ(prompts.ShownMessages()[1].text, "The current function has been aborted by the user.");
    EXPECT_EQ(prompts.ShownMessages()[2].text, "Configuration is not saved. Do you wish to save it now?");
}

TEST_F(DesktopLinkTest, ViewLinkTraceShowsTheWholeExchangeRecordedFromTheStart) {
    RunFor(6000);
    auto* showTrace = window->findChild<QAction*>(QStringLiteral("LinkTrace1"));
    ASSERT_NE(showTrace, nullptr);
    EXPECT_EQ(showTrace->text(), "Link Trace");
    LinkTraceDock* dock = connection->TraceDock();
    EXPECT_FALSE(dock->isVisible());
    showTrace->trigger();
    EXPECT_TRUE(dock->isVisible());
    const QString connected = dock->txtTrace->toPlainText();
    EXPECT_TRUE(connected.contains("-> none       SOH frame 'A' len 0 sum 41 ok")) << connected.toStdString();
    EXPECT_TRUE(connected.contains("<- none       frame '\\' len 5 data "));

    Child<QToolButton>(*window, "btnLoadAllFromPanel")->click();
    ASSERT_TRUE(RunUntil([&] { return !window->Status().Visible(); }, 120000));
    dock->RefreshView();
    const QString loaded = dock->txtTrace->toPlainText();
    EXPECT_TRUE(loaded.contains("-> none       SOH frame 'I' len 2 data 01 FF \"..\" sum 4B ok"));
    EXPECT_TRUE(loaded.contains("-> none       SOH frame 'p' len 1 data 2D \"-\" sum 9E ok"));
    EXPECT_FALSE(loaded.contains("RESEND"));
}

}  // namespace
}  // namespace kelvane::test
