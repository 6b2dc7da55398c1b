#include <QAction>
#include <QLabel>
#include <algorithm>
#include <iostream>

#include "DesktopLinkFixture.h"
#include "EventLogFixture.h"
#include "WindowControls.h"
#include "log/LogFile.h"
#include "model/DeviceCatalogue.h"
#include "sim/ConfigurationPrintout.h"
#include "ui/Pages.h"
#include "ui/eventlog/EventLogTab.h"
#include "ui/site/SiteConfigTab.h"

namespace kelvane::test {
namespace {

using Lines = std::vector<std::string>;

class DesktopEventLogTest : public DesktopLinkTest {
protected:
    bool Connected() const {
        auto* label = Child<SiteConfigTab>(*window, "tabSiteCfg")
                          ->findChild<QLabel*>(QStringLiteral("stxtConnectedStatus"));
        return label && label->text() == "Connected";
    }
    EventLogTab& Log() { return *Child<EventLogTab>(*window, "tabViewLog"); }
    bool LogHas(const std::string& text) {
        for (const std::string& line : Log().Lines())
            if (line.find(text) != std::string::npos) return true;
        return false;
    }
};

TEST_F(DesktopEventLogTest, TheLogFillsOnlyWhileItsPageIsShown) {
    ASSERT_TRUE(RunUntil([&] { return Connected(); }, 10000));
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageDevices);
    RunFor(30000);
    EXPECT_TRUE(Log().Lines().empty());

    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageViewEventLog);
    EXPECT_TRUE(connection->PanelComms().IsASCIIOnly);
    RunFor(30000);
    const Lines events = Log().Lines();
    ASSERT_GE(events.size(), 3u);
    for (const std::string& line : events) {
        // "HH:MM:SS dd/mm/yy  WHAT      where": time first, no line ending, no frame bytes.
        ASSERT_GE(line.size(), 20u) << line;
        EXPECT_EQ(line[2], ':') << line;
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    }
    EXPECT_TRUE(LogHas("CALL"));

    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageDevices);
    EXPECT_FALSE(connection->PanelComms().IsASCIIOnly);
    RunFor(30000);
    EXPECT_EQ(Log().Lines(), events);
    // Back on another page the link shakes hands again and stays connected.
    EXPECT_TRUE(connection->PanelComms().HandshakeDone);
    EXPECT_TRUE(prompts.ShownMessages().empty()) << prompts.LastText();
}

TEST_F(DesktopEventLogTest, APageOpenedBeforeTheLinkConnectedStillFills) {
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageViewEventLog);
    RunFor(30000);
    EXPECT_GE(Log().Lines().size(), 3u);
    EXPECT_EQ(connection->PanelComms().LinkMode, 1);
    EXPECT_FALSE(connection->PanelComms().HandshakeFailed);
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageSiteConfig);
    ASSERT_TRUE(RunUntil([&] { return Connected(); }, 10000));
}

TEST_F(DesktopEventLogTest, ThePrintoutArrivesWholeAndConvertsIntoTheSite) {
    const TData& controller = *connection->SimulatedControllerSite();
    RunFor(4000);
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageViewEventLog);
    ASSERT_TRUE(Log().PrintoutAction->isEnabled());
    Log().PrintoutAction->trigger();
    ASSERT_TRUE(RunUntil([&] { return LogHas("END OF PRINTOUT"); }, 60000));
    const Lines printout = sim::ConfigurationPrintout(controller, clock.LocalTime());
    const Lines received = Log().Lines();
    EXPECT_NE(std::search(received.begin(), received.end(), printout.begin(), printout.end()),
              received.end());

    AnswerCustomNameDialog(true, true);
    Child<QPushButton>(*window, "ConvertButton")->click();
    EXPECT_EQ(prompts.LastText(), "The data has been converted");
    EXPECT_TRUE(document.Modified());
    for (int n : {1, 2, 7, 9, 10, 36, 37}) {
        EXPECT_EQ(data.Loop.Device(n).DeviceType, controller.Loop.Device(n).DeviceType) << n;
        EXPECT_EQ(data.Loop.Device(n).Allocation, controller.Loop.Device(n).Allocation) << n;
        EXPECT_EQ(data.DevicePlaceName(n), controller.DevicePlaceName(n)) << n;
    }
    EXPECT_EQ(data.ZoneList.Zones[1].DeviceEquation, controller.ZoneList.Zones[1].DeviceEquation);
    EXPECT_EQ(data.GroupList.Groups[1].NightAreaEquation, controller.GroupList.Groups[1].NightAreaEquation);
}

}  // namespace
}  // namespace kelvane::test
