#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "DocumentFakes.h"
#include "core/ManualClock.h"
#include "core/Pages.h"
#include "core/ScriptedPrompts.h"
#include "panel-sim/SimulatedPanelDevice.h"
#include "ui/ControllerConnection.h"
#include "ui/MainWindow.h"
#include "ui/SiteConfigTab.h"

namespace kelvane::test {
namespace {

// The desktop program as `kelvane-tools --simulate` puts it together: the main
// window, the controller link wired to it and the simulated controller with
// its demo site. Time is the manual clock; the test runs the program's timers
// on it as the event loop would.
class DesktopLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartupOptions options;
        options.Simulate = true;
        window = std::make_unique<TfrmMain>(data, document, prompts, store, clock, options, &dialogs);
        connection = std::make_unique<ControllerConnection>(*window, data, document, prompts, clock);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override {
        document.SetModified(false);
        connection.reset();
        window.reset();
    }

    // Every 10 ms the simulated controller is served; every 100 ms the open
    // port is polled; every second the clock timer and every two seconds the
    // keep-alive timer run.
    void RunFor(std::uint64_t ms) {
        for (std::uint64_t done = 0; done < ms; done += 10) Step();
    }

    template <typename Predicate>
    bool RunUntil(Predicate done, std::uint64_t limitMs) {
        for (std::uint64_t spent = 0; spent < limitMs && !done(); spent += 10) Step();
        return done();
    }

    void Step() {
        clock.Advance(10);
        elapsed_ += 10;
        connection->SimulatedDevice()->Service();
        TPanelComms& comms = connection->PanelComms();
        if (elapsed_ % 100 == 0 && comms.Connected()) comms.Port().PollTick();
        if (elapsed_ % 1000 == 0) window->Timer1Timer();
        if (elapsed_ % 2000 == 0) connection->Supervisor().Timer2Timer();
    }

    static bool SaveEnabled(const TfrmMain& frmMain) {
        return frmMain.btnSave->isEnabled() && frmMain.Save1->isEnabled();
    }

    QString SiteLabel(const char* name) const {
        auto* label = window->tabSiteCfg->findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QString();
    }

    TData data;
    Document document;
    ScriptedPrompts prompts;
    FakeDocumentStore store{data};
    ScriptedFileDialogs dialogs;
    ManualClock clock;
    std::unique_ptr<TfrmMain> window;
    std::unique_ptr<ControllerConnection> connection;

private:
    std::uint64_t elapsed_ = 0;
};

TEST_F(DesktopLinkTest, ConnectsByItselfAndShowsTheControllersVersion) {
    const TData& controller = *connection->SimulatedControllerSite();
    EXPECT_EQ(SiteLabel("stxtMain"), "Not Available");

    RunFor(2000);
    EXPECT_EQ(SiteLabel("stxtConnectedStatus"), "Attempting to connect...");
    ASSERT_TRUE(RunUntil([&] { return SiteLabel("stxtConnectedStatus") == "Connected"; }, 10000));

    EXPECT_EQ(data.SiteConfig.MainVersion, controller.SiteConfig.MainVersion);
    EXPECT_EQ(SiteLabel("stxtMain").toStdString(), controller.SiteConfig.MainVersion);
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

TEST_F(DesktopLinkTest, ToolBarLoadsTheWholeSiteAndSaveSendsEdits) {
    const TData& controller = *connection->SimulatedControllerSite();
    RunFor(6000);

    window->btnLoadAllFromPanel->click();
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
    EXPECT_EQ(SiteLabel("stxtMain").toStdString(), controller.SiteConfig.MainVersion);
    // What was read from the controller is in no file yet.
    EXPECT_TRUE(document.Modified());
    EXPECT_TRUE(window->windowTitle().endsWith(" - Modified"));

    data.Loop.Device(200).DeviceType = 7;
    data.Loop.Device(200).Allocation = 11;
    data.Loop.Device(200).Enabled = 1;
    data.GroupList.Groups[30].DivertEquation[1] = 4;
    window->btnSaveAllToPanel->click();
    EXPECT_EQ(window->Status().ShownList(), TransferStatus::List::Save);
    ASSERT_TRUE(RunUntil([&] { return !window->Status().Visible(); }, 120000));

    EXPECT_TRUE(prompts.ShownMessages().empty()) << prompts.LastText();
    EXPECT_EQ(controller.Loop.Device(200).DeviceType, 7);
    EXPECT_EQ(controller.Loop.Device(200).Allocation, 11);
    EXPECT_EQ(controller.GroupList.Groups[30].DivertEquation[1], 4);
}

TEST_F(DesktopLinkTest, WhileATransferRunsTheDocumentPrintAndTransferCommandsAreHeldBack) {
    RunFor(6000);
    const std::vector<QAction*> actions{window->New1,    window->Open1,  window->Save1,
                                        window->SaveAs1, window->Print1, window->SelectSerialPort1};
    const std::vector<QWidget*> buttons{window->btnNew,
                                        window->btnOpen,
                                        window->btnSave,
                                        window->btnSaveAs,
                                        window->btnPrint,
                                        window->btnLoadAllFromPanel,
                                        window->btnSaveAllToPanel,
                                        window->btnLoadFromPanel,
                                        window->btnSavetoPanel};
    const auto noneEnabled = [&] {
        for (QAction* action : actions)
            if (action->isEnabled()) return false;
        for (QWidget* button : buttons)
            if (button->isEnabled()) return false;
        return true;
    };

    window->btnLoadAllFromPanel->click();
    RunFor(3000);
    ASSERT_TRUE(window->Status().Visible());
    EXPECT_TRUE(noneEnabled());
    // The load marks the document modified, and page changes enable the page
    // buttons: neither gives a command back while the load runs.
    EXPECT_TRUE(document.Modified());
    window->ConfigPages->setCurrentIndex(kPageZoneConfig);
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
    window->btnLoadAllFromPanel->click();
    RunFor(3000);
    prompts.Queue(PromptAnswer::Yes);  // cancel the load
    prompts.Queue(PromptAnswer::No);   // and leave without saving
    EXPECT_TRUE(window->close());
    ASSERT_EQ(prompts.ShownMessages().size(), 3u);
    EXPECT_EQ(prompts.ShownMessages()[1].text, "The current function has been aborted by the user.");
    EXPECT_EQ(prompts.ShownMessages()[2].text, "Configuration is not saved. Do you wish to save it now?");
}

}  // namespace
}  // namespace kelvane::test
