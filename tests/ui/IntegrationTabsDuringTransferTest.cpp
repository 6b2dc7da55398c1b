#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "DesktopLinkFixture.h"
#include "WindowControls.h"
#include "compare/ControllerVerify.h"
#include "ui/Pages.h"
#include "ui/controller/LinkTraceDock.h"

namespace kelvane::test {
namespace {

const std::vector<int> kEveryPage{kPageViewEventLog, kPageDeviceSummary, kPageDevices,    kPageZoneConfig,
                                  kPageGroupConfig,  kPagePlaceNames,    kPageSiteConfig, kPageComments};

class TabsDuringTransfer : public DesktopLinkTest {
protected:
    // Runs the transfer to its end, choosing the next page every 400 ms.
    void RunChoosingPages() {
        std::size_t next = 0;
        while (window->Status().Visible() && next < 2000) {
            RunFor(400);
            // Every second round the held tab is clicked rather than chosen.
            const bool click = next / kEveryPage.size() % 2 == 1;
            const int page = kEveryPage[next++ % kEveryPage.size()];
            QTabBar* tabs = Child<QTabWidget>(*window, "ConfigPages")->tabBar();
            if (click && !tabs->isTabEnabled(page)) {
                Child<QLabel>(*window, "lblStatusMessage")->clear();
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
            } else {
                tabs->setCurrentIndex(page);
            }
            if (page == kPageViewEventLog && window->Status().Visible()) {
                EXPECT_NE(window->ActivePage(), kPageViewEventLog);
                EXPECT_FALSE(Child<QTabWidget>(*window, "ConfigPages")->isTabEnabled(kPageViewEventLog));
                EXPECT_EQ(Child<QLabel>(*window, "lblStatusMessage")->text().toStdString(),
                          kEventLogWaitsText);
            }
        }
        QCoreApplication::processEvents();
    }
};

// The event log tab would take the link over for its text in the middle of
// the transfer: it waits, and says why, also when its greyed tab is
// clicked. Every other tab may be chosen.
TEST_F(TabsDuringTransfer, AWholeLoadAndSaveGoOnUndisturbedWhateverTabIsChosen) {
    const TData& controller = *connection->SimulatedControllerSite();
    RunFor(6000);
    Child<QToolButton>(*window, "btnLoadAllFromPanel")->click();
    RunChoosingPages();
    EXPECT_TRUE(prompts.ShownMessages().empty()) << prompts.LastText();
    for (int n = 1; n < kLoopDeviceCount; ++n)
        ASSERT_EQ(data.Loop.Device(n).Suffix, controller.Loop.Device(n).Suffix) << n;
    for (int z = 1; z <= kZoneCount; ++z)
        ASSERT_EQ(data.ZoneList.Zones[z].AreaEquation, controller.ZoneList.Zones[z].AreaEquation) << z;
    EXPECT_EQ(data.CustomNames.Item(44).Name, controller.CustomNames.Item(44).Name);
    EXPECT_TRUE(Child<QTabWidget>(*window, "ConfigPages")->isTabEnabled(kPageViewEventLog));
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageViewEventLog);
    EXPECT_EQ(window->ActivePage(), kPageViewEventLog);

    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageDeviceSummary);
    data.Loop.Device(77).Suffix = "77B";
    Child<QToolButton>(*window, "btnSaveAllToPanel")->click();
    RunChoosingPages();
    ASSERT_EQ(prompts.ShownMessages().size(), 1u) << prompts.LastText();
    EXPECT_EQ(prompts.LastText(), ControllerVerify::kHoldsSavedText);
    EXPECT_EQ(controller.Loop.Device(77).Suffix, "77B");
}

// On the Device Summary page its load button loads the devices and then the
// zones; leaving the page meanwhile does not cut the zones off.
TEST_F(TabsDuringTransfer, TheDeviceSummaryButtonLoadsTheZonesWhicheverPageIsShownWhenTheDevicesAreDone) {
    TData& controller = *connection->SimulatedControllerSite();
    controller.ZoneList.Zones[5].AreaEquation[1] = 3;
    RunFor(6000);
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageDeviceSummary);
    Child<QPushButton>(*window, "btnLoadFromPanel")->click();
    RunFor(1000);
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageDevices);
    ASSERT_TRUE(RunUntil([&] { return !window->Status().Visible(); }));
    EXPECT_EQ(data.ZoneList.Zones[5].AreaEquation[1], 3);
}

// With --simulate no serial port is used: the window and the link trace say
// so, and choosing a port says it is not used rather than pretending.
TEST_F(DesktopLinkTest, TheBuiltInSimulatedControllerIsNamedAndNoPortIsPretendedTo) {
    auto* simulating = window->findChild<QLabel*>(QStringLiteral("lblSimulating"));
    ASSERT_NE(simulating, nullptr);
    EXPECT_EQ(simulating->text(), "Simulated controller");
    RunFor(6000);
    const auto& entries = connection->Session().Trace().Entries();
    const auto opened = std::find_if(entries.begin(), entries.end(),
                                     [](const TraceEntry& entry) { return entry.Kind == TraceKind::Open; });
    ASSERT_NE(opened, entries.end());
    EXPECT_EQ(opened->Detail, "the built-in simulated controller");

    Child<QAction>(*window, "SelectSerialPort1")->trigger();
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.ShownMessages()[0].kind, PromptKind::Information);
    EXPECT_NE(prompts.LastText().find("no serial port is used"), std::string::npos) << prompts.LastText();
}

}  // namespace
}  // namespace kelvane::test
