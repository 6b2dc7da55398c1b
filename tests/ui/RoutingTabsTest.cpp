#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

#include "DeviceSummaryFixture.h"
#include "EquationEditorFixture.h"
#include "MainWindowFixture.h"
#include "TypeText.h"
#include "WindowControls.h"
#include "ui/placenames/TfrmEditBox.h"
#include "ui/routing/EquationBox.h"
#include "ui/routing/GroupConfigTab.h"
#include "ui/routing/ZoneConfigTab.h"

namespace kelvane::test {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kSilver(192, 192, 192);

class RoutingTabsTest : public MainWindowTest, protected EditorDriver {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->Editors().SetBeeper(beeper);
        Show();
    }

    void TearDown() override {
        for (QWidget* editor : {static_cast<QWidget*>(Editors().frmAreaEquation),
                                static_cast<QWidget*>(Editors().frmDeviceEquation),
                                static_cast<QWidget*>(Editors().frmGroupEquation)}) {
            editor->close();
        }
        MainWindowTest::TearDown();
    }

    EquationEditors& Editors() { return window->Editors(); }
    ZoneConfigTab& Zones() { return *Child<ZoneConfigTab>(*window, "tabZoneCfg"); }
    GroupConfigTab& Groups() { return *Child<GroupConfigTab>(*window, "tabGroupConfig"); }

    static QColor Background(const QLineEdit* box) {
        return box->palette().color(box->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Base);
    }

    static QStringList LabelTexts(const QWidget* content) {
        QStringList texts;
        for (const QLabel* label : content->findChildren<QLabel*>()) texts << label->text();
        return texts;
    }

    CountingBeeper beeper;
};

TEST_F(RoutingTabsTest, ZoneRowsAreBuiltOnceWithTheirNamesTagsAndPlaces) {
    EXPECT_EQ(Zones().ScrollBox3->objectName(), "ScrollBox3");
    QWidget* content = Zones().ScrollBox3->widget();
    EXPECT_EQ(content->findChildren<EquationBox*>().size(), 128);
    const QStringList labels = LabelTexts(content);
    EXPECT_TRUE(labels.contains(" Over-door light / addressable sounder routing equations"));
    EXPECT_TRUE(labels.contains("Area Equation"));
    EXPECT_TRUE(labels.contains("Device Equation"));
    EXPECT_FALSE(labels.contains("Zone 0"));
    EXPECT_TRUE(labels.contains("Zone 64"));
    for (const QLabel* label : content->findChildren<QLabel*>()) {
        if (label->text().startsWith(" Over-door")) {
            EXPECT_TRUE(label->font().bold());
            EXPECT_TRUE(label->font().underline());
        }
        // The number's label; zone 7's name (a new site's "Zone 7") stands beside it.
        if (label->text() == "Zone 7" && label != Zones().NameLabel(7)) {
            EXPECT_EQ(label->x(), 10);
            EXPECT_EQ(label->y(), 25 * 7 + 25 + 2);
        }
    }
    for (int n : {1, 2, 33, 64}) {
        auto* area = content->findChild<EquationBox*>(QStringLiteral("iAreaEqnEditBox%1").arg(n));
        auto* device = content->findChild<EquationBox*>(QStringLiteral("iDeviceEqnEditBox%1").arg(n));
        ASSERT_TRUE(area && device) << n;
        EXPECT_EQ(area, Zones().AreaBox(n));
        EXPECT_EQ(device, Zones().DeviceBox(n));
        EXPECT_EQ(area->property("tag").toInt(), n);
        EXPECT_EQ(device->Tag(), n);
        EXPECT_EQ(area->y(), 25 * n + 25);
        EXPECT_EQ(device->y(), area->y());
        EXPECT_GT(device->x(), area->x() + area->width() - 1);
        EXPECT_TRUE(area->isReadOnly());
        EXPECT_EQ(device->cursor().shape(), Qt::ArrowCursor);
    }
}

TEST_F(RoutingTabsTest, EachZoneShowsItsNameBesideItsNumberAndIsRenamedByADoubleClick) {
    data.ZoneList.Zones[3].Name = "Rowan Wing";
    window->FillAllTabs();
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageZoneConfig);
    QLabel* name = Zones().NameLabel(3);
    EXPECT_EQ(name->text(), "Rowan Wing");
    EXPECT_EQ(Zones().NameLabel(64)->text(), "Zone 64");
    EXPECT_EQ(name->y(), Zones().NumberLabel(3)->y());
    EXPECT_GT(name->x(), Zones().NumberLabel(3)->x() + Zones().NumberLabel(3)->sizeHint().width());
    EXPECT_LT(name->x() + name->width(), Zones().AreaBox(3)->x());
    EXPECT_FALSE(document.Modified());

    const auto rename = [this](QLabel* label, const QString& typed, bool accept) {
        WhenModal([&](QWidget* modal) {
            ASSERT_EQ(modal, Zones().frmZoneName);
            EXPECT_EQ(Zones().frmZoneName->Label1->text(), "Enter the New Zone Name");
            QLineEdit* box = Zones().frmZoneName->TEditBox;
            box->selectAll();
            TypeText(box, typed);
            QTest::mouseClick(accept ? Zones().frmZoneName->btnAccept : Zones().frmZoneName->btnReject,
                              Qt::LeftButton);
        });
        QTest::mouseDClick(label, Qt::LeftButton);
    };
    rename(name, QString::fromUtf8("Birch Wing \u2013 East"), false);
    EXPECT_EQ(data.ZoneList.Zones[3].Name, "Rowan Wing");
    EXPECT_FALSE(document.Modified());
    rename(Zones().NumberLabel(3), QString::fromUtf8("Birch Wing \u2013 East and the Garden"), true);
    // Typing stops at 25 characters; a dash from elsewhere becomes "-".
    EXPECT_EQ(data.ZoneList.Zones[3].Name, "Birch Wing - East and the");
    EXPECT_EQ(name->text(), "Birch Wing - East and the");
    EXPECT_TRUE(document.Modified());
}

TEST_F(RoutingTabsTest, GroupRowsShowANewSitesGroupsOnAreasAToH) {
    EXPECT_EQ(Groups().ScrollBox4->objectName(), "ScrollBox4");
    QWidget* content = Groups().ScrollBox4->widget();
    EXPECT_EQ(content->findChildren<EquationBox*>().size(), 96);
    const QStringList labels = LabelTexts(content);
    for (const char* text : {"Corridoor display routing equations", "Primary Areas", "Night Areas (Beep)",
                             "Divert to Groups", "Group 1", "Group 32"}) {
        EXPECT_TRUE(labels.contains(text)) << text;
    }
    for (int n = 1; n <= kGroupCount; ++n) {
        EquationBox* primary =
            content->findChild<EquationBox*>(QStringLiteral("iPrimaryAreaEditBox%1").arg(n));
        EquationBox* night = content->findChild<EquationBox*>(QStringLiteral("iNightAreaEditBox%1").arg(n));
        EquationBox* divert = content->findChild<EquationBox*>(QStringLiteral("iDivertEditBox%1").arg(n));
        ASSERT_TRUE(primary && night && divert) << n;
        EXPECT_EQ(primary->text(), n <= 8 ? QString(QChar('A' + n - 1)) + "  " : QString()) << n;
        EXPECT_EQ(night->text(), "");
        EXPECT_EQ(divert->text(), "");
        EXPECT_EQ(divert->Tag(), n);
        EXPECT_EQ(night->y(), 25 * n + 25);
        EXPECT_TRUE(divert->isEnabled());
    }
}

TEST_F(RoutingTabsTest, ZonesAbove32AreGreyAndShutOnA32ZoneSite) {
    data.SiteConfig.MainVersion = "07B12";
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageZoneConfig);
    for (int n : {1, 32}) {
        EXPECT_TRUE(Zones().AreaBox(n)->isEnabled());
        EXPECT_EQ(Background(Zones().AreaBox(n)), kWhite);
    }
    data.ZoneList.Zones[40].AreaEquation[1] = 2;
    window->RefreshActivePage();
    for (int n : {33, 40, 64}) {
        EXPECT_FALSE(Zones().AreaBox(n)->isEnabled()) << n;
        EXPECT_FALSE(Zones().DeviceBox(n)->isEnabled()) << n;
        EXPECT_EQ(Background(Zones().AreaBox(n)), kSilver);
        EXPECT_EQ(Background(Zones().DeviceBox(n)), kSilver);
    }
    // Still shown (legibly) and kept, but a click opens nothing.
    EXPECT_EQ(Zones().AreaBox(40)->text(), "C  ");
    EXPECT_LT(Zones().AreaBox(40)->palette().color(QPalette::Disabled, QPalette::Text).lightness(), 128);
    QTest::mouseClick(Zones().AreaBox(40), Qt::LeftButton);
    QTest::mouseClick(Zones().DeviceBox(40), Qt::LeftButton);
    EXPECT_FALSE(Editors().frmAreaEquation->isVisible());
    EXPECT_FALSE(Editors().frmDeviceEquation->isVisible());

    data.SiteConfig.MainVersion = "08A00";
    window->RefreshActivePage();
    EXPECT_TRUE(Zones().AreaBox(40)->isEnabled());
    EXPECT_EQ(Background(Zones().AreaBox(40)), kWhite);
    QTest::mouseClick(Zones().DeviceBox(40), Qt::LeftButton);
    ASSERT_TRUE(Editors().frmDeviceEquation->isVisible());
    EXPECT_EQ(Editors().frmDeviceEquation->NumberBox->text(), "40");
    Editors().frmDeviceEquation->reject();
    QTest::mouseClick(Zones().AreaBox(40), Qt::LeftButton);
    ASSERT_TRUE(Editors().frmAreaEquation->isVisible());
    EXPECT_EQ(SlotText(EquationKind::Area, Editors().frmAreaEquation->WorkingSlots()[1]), "C");
}

TEST_F(RoutingTabsTest, AnAcceptedZoneEditShowsOnTheTabAndMarksTheDocument) {
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageZoneConfig);
    ASSERT_FALSE(document.Modified());
    QTest::mouseClick(Zones().AreaBox(3), Qt::LeftButton);
    TfrmAreaEquation& areas = *Editors().frmAreaEquation;
    ASSERT_TRUE(areas.isVisible());
    EXPECT_EQ(areas.Label2->text(), "Edit Area Equation");
    EXPECT_EQ(areas.NumberBox->text(), "3");
    for (const char* area : {"C", "A", "B"}) Pick(areas, area);
    QTest::mouseClick(areas.btnAccept, Qt::LeftButton);
    EXPECT_EQ(Zones().AreaBox(3)->text(), "A  B  C  ");
    EXPECT_TRUE(document.Modified());
    EXPECT_NE(Title().find("Modified"), std::string::npos);

    data.Loop.Device(20) = {1, 0, 0, "", 1};
    data.Loop.Device(5) = {6, 0, 0, "", 1};
    QTest::keyClick(Zones().DeviceBox(3), Qt::Key_Return);
    TfrmDeviceEquation& devices = *Editors().frmDeviceEquation;
    ASSERT_TRUE(devices.isVisible());
    Pick(devices, "20");
    Pick(devices, "5");
    QTest::mouseClick(devices.btnAccept, Qt::LeftButton);
    EXPECT_EQ(Zones().DeviceBox(3)->text(), "  5   20  ");
}

TEST_F(RoutingTabsTest, GroupEditsRefreshTheGroupRows) {
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageGroupConfig);
    QTest::mouseClick(Groups().DivertBox(2), Qt::LeftButton);
    TfrmGroupEquation& diverts = *Editors().frmGroupEquation;
    ASSERT_TRUE(diverts.isVisible());
    Pick(diverts, "15");
    Pick(diverts, "3");
    QTest::mouseClick(Box(diverts, 2), Qt::LeftButton);
    QTest::mouseClick(diverts.btnDel, Qt::LeftButton);
    QTest::mouseClick(Box(diverts, 3), Qt::LeftButton);
    Pick(diverts, "7");
    QTest::mouseClick(diverts.btnAccept, Qt::LeftButton);
    EXPECT_EQ(Groups().DivertBox(2)->text(), " 7 15 ");
    EXPECT_EQ(data.GroupList.Groups[2].DivertEquation, (Equation{32, 6, 14, 32, 32, 32, 32, 32, 33}));

    QTest::mouseClick(Groups().NightAreaBox(2), Qt::LeftButton);
    TfrmAreaEquation& areas = *Editors().frmAreaEquation;
    ASSERT_TRUE(areas.isVisible());
    EXPECT_EQ(areas.Label2->text(), "Edit Night Area Equation");
    Pick(areas, "Y");
    QTest::mouseClick(areas.btnAccept, Qt::LeftButton);
    EXPECT_EQ(Groups().NightAreaBox(2)->text(), "Y  ");

    QTest::mouseClick(Groups().PrimaryAreaBox(2), Qt::LeftButton);
    EXPECT_EQ(areas.Label2->text(), "Edit Primary Area Equation");
    QTest::mouseClick(areas.btnReject, Qt::LeftButton);
    EXPECT_EQ(Groups().PrimaryAreaBox(2)->text(), "B  ");
    EXPECT_EQ(beeper.beeps, 0);
}

TEST_F(RoutingTabsTest, TheRowsFollowNewAndTheTabsBeingShown) {
    data.ZoneList.Zones[2].AreaEquation[1] = 3;
    data.GroupList.Groups[4].DivertEquation[1] = 0;
    // The Zone Config tab refreshes both tabs whenever it is shown.
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageZoneConfig);
    EXPECT_EQ(Zones().AreaBox(2)->text(), "D  ");
    EXPECT_EQ(Groups().DivertBox(4)->text(), " 1 ");
    EXPECT_FALSE(document.Modified());

    // The Group Config tab refreshes when shown on a modified document only.
    data.GroupList.Groups[4].DivertEquation[2] = 1;
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageGroupConfig);
    EXPECT_EQ(Groups().DivertBox(4)->text(), " 1 ");
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageSiteConfig);
    document.SetModified(true);
    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageGroupConfig);
    EXPECT_EQ(Groups().DivertBox(4)->text(), " 1  2 ");

    prompts.Queue(PromptAnswer::No);  // the unsaved work is not kept
    prompts.Queue(PromptAnswer::Yes);
    window->NewDocument();
    EXPECT_EQ(Zones().AreaBox(2)->text(), "");
    EXPECT_EQ(Groups().DivertBox(4)->text(), "");
    EXPECT_EQ(Groups().PrimaryAreaBox(4)->text(), "D  ");
}

}  // namespace
}  // namespace kelvane::test
