// The Device Summary and Place Names pages inside the main window.
#include <QCheckBox>
#include <QListWidget>

#include "MainWindowFixture.h"
#include "WindowControls.h"
#include "model/DeviceCatalogue.h"
#include "model/DeviceSummaryRow.h"
#include "ui/HelpContexts.h"
#include "ui/devices/DeviceSummaryGrid.h"
#include "ui/devices/DeviceSummaryTab.h"
#include "ui/devices/DeviceTableModel.h"
#include "ui/placenames/TNamesForm.h"
#include "ui/window/HelpWindow.h"

namespace kelvane::test {
namespace {

TEST_F(MainWindowTest, ShowingTheDeviceSummaryReadsTheLoopAndDisarmsChanges) {
    Show();
    DeviceSummaryTab* page = Child<DeviceSummaryTab>(*window, "tabLoopSummary");
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageDeviceSummary);
    page->chkEnableZoneChanges->setChecked(true);
    page->sgrdLoop->PlaceCursor(40, dcSuffix);

    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageComments);
    data.Loop.Device(41).DeviceType = dtDoorbell;
    data.SiteConfig.MainVersion = "07B00";
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageDeviceSummary);
    EXPECT_FALSE(page->chkEnableZoneChanges->isChecked());
    EXPECT_EQ(page->sgrdLoop->Row(), 0);
    EXPECT_EQ(page->sgrdLoop->Column(), 0);
    EXPECT_EQ(page->Table().index(40, dcDeviceType).data().toString(), "Doorbell");
    EXPECT_EQ(page->lstZones->count(), 32);
    EXPECT_EQ(window->HelpContext(), 10);
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

TEST_F(MainWindowTest, ANewDocumentEmptiesTheTable) {
    Show();
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageDeviceSummary);
    data.Loop.Device(9).DeviceType = dtCallpoint;
    Child<DeviceSummaryTab>(*window, "tabLoopSummary")->RefreshDeviceTable();
    prompts.Queue(PromptAnswer::Yes);
    window->NewDocument();
    EXPECT_EQ(
        Child<DeviceSummaryTab>(*window, "tabLoopSummary")->Table().index(8, dcDeviceType).data().toString(),
        "Not fitted");
}

TEST_F(MainWindowTest, ThePickersHelpRequestOpensItsContext) {
    // F1 in the picker asks for help 12 (the picker's own test); the main
    // window answers it. (The offscreen platform keeps the main window
    // active, so a key would go to its own F1.)
    Show();
    emit Child<TNamesForm>(*window, "NamesForm")->helpRequested(kHelpPlaceNamesList);
    EXPECT_EQ(window->HelpViewer().CurrentContext(), 12);
    window->HelpViewer().close();
}

}  // namespace
}  // namespace kelvane::test
