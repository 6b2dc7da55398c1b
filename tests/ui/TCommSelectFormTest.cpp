#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest/QTest>

#include "comms/PanelComms.h"
#include "comms/SimulatedLine.h"
#include "core/ManualClock.h"
#include "ui/HelpContexts.h"
#include "ui/controller/TCommSelectForm.h"
#include "ui/platform/QtUserSettings.h"
#include "ui/widgets/CaptionBar.h"
#include "ui/window/HelpWindow.h"

namespace kelvane {
namespace {

struct CommSelectFixture : ::testing::Test {
    QTemporaryDir dir;
    QString iniFile = dir.filePath("ports.ini");
    ManualClock clock;
    SimulatedLine line;
    PortPaths paths;
    TPanelComms link{line.A(), clock, paths};
    std::unique_ptr<QtUserSettings> store = std::make_unique<QtUserSettings>(iniFile);
    std::unique_ptr<PortSettings> settings = std::make_unique<PortSettings>(*store);
};

// The dialog is modal: the help it opens is owned by it, so that the window
// manager keeps the help above it and the dialog does not block it.
TEST_F(CommSelectFixture, F1OpensThePortPageAboveTheDialog) {
    HelpWindow help;
    TCommSelectForm form(link, paths, *settings);
    form.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &form);
    QTest::keyClick(form.deviceBoxes[0], Qt::Key_F1);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.CurrentContext(), kHelpSerialPort);
    EXPECT_EQ(help.windowHandle()->transientParent(), form.windowHandle());
    // The dialog stays on top of other windows: so does the help over it.
    EXPECT_TRUE(help.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    form.hide();
    help.ShowContext(kHelpDevices);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.windowHandle()->transientParent(), nullptr);
    EXPECT_FALSE(help.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(CommSelectFixture, ShowsItsItemsAndTheDeviceEachOpens) {
    TCommSelectForm form(link, paths, *settings);
    EXPECT_EQ(form.windowTitle(), "Select Comm Port ...");
    EXPECT_EQ(form.radioItems[0]->text(), "Select COM1");
    EXPECT_EQ(form.radioItems[3]->text(), "Select COM4");
    EXPECT_EQ(form.btnAccept->text(), "Accept.");
    EXPECT_TRUE(form.btnAccept->isDefault());
    EXPECT_EQ(form.btnCancel->text(), "Cancel.");
    EXPECT_TRUE(form.radioItems[0]->isChecked());
    EXPECT_EQ(form.deviceBoxes[0]->currentText(), "/dev/ttyS0");
    EXPECT_EQ(form.deviceBoxes[3]->currentText(), "/dev/ttyS3");
    // No buttons in its title bar: a bar of its own; its buttons and Escape close it.
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    auto* bar = form.findChild<CaptionBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Caption(), "Select Comm Port ...");
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST_F(CommSelectFixture, AcceptClosesTheLinkAndStoresTheChoice) {
    ASSERT_TRUE(link.Open());
    TCommSelectForm form(link, paths, *settings);
    form.radioItems[2]->setChecked(true);
    form.deviceBoxes[2]->setCurrentText("/dev/ttyUSB0");
    QTest::mouseClick(form.btnAccept, Qt::LeftButton);

    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(link.Connected());
    EXPECT_EQ(link.ComPort(), pnCOM3);
    EXPECT_EQ(paths.Path(pnCOM3), "/dev/ttyUSB0");

    // A fresh start reads the choice back.
    settings.reset();
    store = std::make_unique<QtUserSettings>(iniFile);
    settings = std::make_unique<PortSettings>(*store);
    EXPECT_EQ(settings->Port(), 3);
    PortPaths reloaded;
    settings->LoadPaths(reloaded);
    EXPECT_EQ(reloaded.Path(pnCOM3), "/dev/ttyUSB0");
    EXPECT_EQ(reloaded.Path(pnCOM1), "/dev/ttyS0");
    TPanelComms restarted(line.A(), clock, reloaded);
    settings->ApplyStoredPort(restarted);
    EXPECT_EQ(restarted.ComPort(), pnCOM3);
}

TEST_F(CommSelectFixture, CancelChangesNothing) {
    TCommSelectForm form(link, paths, *settings);
    form.radioItems[1]->setChecked(true);
    form.deviceBoxes[1]->setCurrentText("/dev/pts/4");
    QTest::mouseClick(form.btnCancel, Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(link.ComPort(), pnCOM1);
    EXPECT_EQ(paths.Path(pnCOM2), "/dev/ttyS1");
    EXPECT_EQ(settings->Port(), 1);
    EXPECT_TRUE(form.radioItems[0]->isChecked());
}

TEST_F(CommSelectFixture, StoredPortOutsideOneToFourLeavesTheLinkAlone) {
    settings->SetPort(7);
    link.SetComPort(pnCOM2);
    settings->ApplyStoredPort(link);
    EXPECT_EQ(link.ComPort(), pnCOM2);
}

}  // namespace
}  // namespace kelvane
