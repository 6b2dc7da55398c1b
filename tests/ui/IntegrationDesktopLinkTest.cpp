#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

#include "DesktopLinkFixture.h"
#include "core/Pages.h"
#include "ui/LinkTraceDock.h"
#include "ui/SiteConfigTab.h"

namespace kelvane::test {
namespace {

class DesktopLinkTest : public DesktopLinkFixture {
protected:
    DocumentStore& Store() override { return store; }

    QString SiteLabel(const char* name) const {
        auto* label = window->tabSiteCfg->findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QString();
    }

    FakeDocumentStore store{data};
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

    window->btnLoadAllFromPanel->click();
    ASSERT_TRUE(RunUntil([&] { return !window->Status().Visible(); }, 120000));
    dock->RefreshView();
    const QString loaded = dock->txtTrace->toPlainText();
    EXPECT_TRUE(loaded.contains("-> none       SOH frame 'I' len 2 data 01 FF \"..\" sum 4B ok"));
    EXPECT_TRUE(loaded.contains("-> none       SOH frame 'p' len 1 data 2D \"-\" sum 9E ok"));
    EXPECT_FALSE(loaded.contains("RESEND"));
}

}  // namespace
}  // namespace kelvane::test
