#include <gtest/gtest.h>

#include <QLabel>
#include <QToolButton>

#include "DesktopLinkFixture.h"
#include "core/Pages.h"
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

}  // namespace
}  // namespace kelvane::test
