#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

#include "DesktopLinkFixture.h"
#include "EquationEditorFixture.h"
#include "WindowControls.h"
#include "file/ConfigFileStore.h"
#include "ui/Pages.h"
#include "ui/routing/EquationBox.h"
#include "ui/routing/GroupConfigTab.h"
#include "ui/routing/ZoneConfigTab.h"

namespace kelvane::test {
namespace {

// What the zone and group tabs show of every equation.
struct RoutingTexts {
    std::vector<QString> zones;
    std::vector<QString> groups;
    bool operator==(const RoutingTexts&) const = default;
};

// The routing of a site: its zone and group records.
struct Routing {
    TKZoneList zones;
    TKGroupList groups;
};

Routing RoutingOf(const TData& site) {
    return {site.ZoneList, site.GroupList};
}

// Slots 1..8 as they are, or as the controller keeps them (every empty slot
// as its kind's marker).
Equation Slots(EquationKind kind, Equation equation, bool asController) {
    equation[0] = 0;
    for (int n = 1; asController && n <= kEquationTerms; ++n) {
        int& entry = equation[static_cast<std::size_t>(n)];
        if (!IsMember(kind, entry)) entry = EmptyMarker(kind);
    }
    return equation;
}

void ExpectSameRouting(const Routing& actual, const Routing& expected, bool asController) {
    auto same = [asController](EquationKind kind, const Equation& a, const Equation& e) {
        return Slots(kind, a, asController) == Slots(kind, e, asController);
    };
    for (int z = 1; z <= kZoneCount; ++z) {
        const TKZone& a = actual.zones.Zones[static_cast<std::size_t>(z)];
        const TKZone& e = expected.zones.Zones[static_cast<std::size_t>(z)];
        EXPECT_TRUE(same(EquationKind::Area, a.AreaEquation, e.AreaEquation)) << "zone " << z;
        EXPECT_TRUE(same(EquationKind::Device, a.DeviceEquation, e.DeviceEquation)) << "zone " << z;
    }
    for (int g = 1; g <= kGroupCount; ++g) {
        const TKGroup& a = actual.groups.Groups[static_cast<std::size_t>(g)];
        const TKGroup& e = expected.groups.Groups[static_cast<std::size_t>(g)];
        EXPECT_TRUE(same(EquationKind::Area, a.PrimaryAreaEquation, e.PrimaryAreaEquation)) << "group " << g;
        EXPECT_TRUE(same(EquationKind::Area, a.NightAreaEquation, e.NightAreaEquation)) << "group " << g;
        EXPECT_TRUE(same(EquationKind::Group, a.DivertEquation, e.DivertEquation)) << "group " << g;
    }
}

// Routing edited in the desktop program's editors against the simulated
// controller, kept in a configuration file and sent to the controller and
// back.
class IntegrationRoutingRoundTripTest : public DesktopLinkTest, protected EditorDriver {
protected:
    DocumentStore& Store() override { return store; }

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        DesktopLinkTest::SetUp();
        window->Editors().SetBeeper(beeper);
    }

    // Runs one controller command to its end.
    void Transfer(QAbstractButton* button) {
        button->click();
        ASSERT_TRUE(window->Status().Visible());
        ASSERT_TRUE(RunUntil([&] { return !window->Status().Visible(); }, 180000));
        ASSERT_TRUE(prompts.ShownMessages().empty()) << prompts.LastText();
    }

    void Show(int page) { Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(page); }

    template <typename Editor>
    void Accept(Editor& editor) {
        QTest::mouseClick(editor.btnAccept, Qt::LeftButton);
        ASSERT_FALSE(editor.isVisible());
    }

    RoutingTexts Texts() const {
        RoutingTexts texts;
        for (int z = 1; z <= kZoneCount; ++z) {
            texts.zones.push_back(Child<ZoneConfigTab>(*window, "tabZoneCfg")->AreaBox(z)->text() + "|" +
                                  Child<ZoneConfigTab>(*window, "tabZoneCfg")->DeviceBox(z)->text());
        }
        for (int g = 1; g <= kGroupCount; ++g) {
            const GroupConfigTab& tab = *Child<GroupConfigTab>(*window, "tabGroupConfig");
            texts.groups.push_back(tab.PrimaryAreaBox(g)->text() + "|" + tab.NightAreaBox(g)->text() + "|" +
                                   tab.DivertBox(g)->text());
        }
        return texts;
    }

    QTemporaryDir folder;
    ConfigFileStore store{data, document};
    CountingBeeper beeper;
};

TEST_F(IntegrationRoutingRoundTripTest, EditedRoutingSurvivesTheFileAndTheController) {
    const TData& controller = *connection->SimulatedControllerSite();
    RunFor(6000);
    Transfer(Child<QToolButton>(*window, "btnLoadAllFromPanel"));
    ASSERT_TRUE(data.Supports64Zones());

    // Zone 3: areas D and B instead of C; two of its devices cleared, one added.
    Show(kPageZoneConfig);
    ZoneConfigTab& zones = *Child<ZoneConfigTab>(*window, "tabZoneCfg");
    ASSERT_EQ(zones.AreaBox(3)->text(), "C  ");
    QTest::mouseClick(zones.AreaBox(3), Qt::LeftButton);
    TfrmAreaEquation& areas = *window->Editors().frmAreaEquation;
    ASSERT_TRUE(areas.isVisible());
    Pick(areas, "D");
    Pick(areas, "B");
    Accept(areas);
    QTest::mouseClick(zones.DeviceBox(3), Qt::LeftButton);
    TfrmDeviceEquation& devices = *window->Editors().frmDeviceEquation;
    ASSERT_TRUE(devices.isVisible());
    QTest::mouseClick(Box(devices, 2), Qt::LeftButton);
    QTest::mouseClick(devices.btnDel, Qt::LeftButton);
    QTest::mouseClick(Box(devices, 5), Qt::LeftButton);
    QTest::mouseClick(devices.btnDel, Qt::LeftButton);
    Pick(devices, ColumnZero(devices).front());
    Accept(devices);
    // Zone 50, beyond the 32 of an older controller: one area.
    QTest::mouseClick(zones.AreaBox(50), Qt::LeftButton);
    Pick(areas, "Z");
    Accept(areas);

    // Group 2 diverts to 9 and 4 instead of 3; group 5 beeps at night for F.
    Show(kPageGroupConfig);
    GroupConfigTab& groups = *Child<GroupConfigTab>(*window, "tabGroupConfig");
    QTest::mouseClick(groups.DivertBox(2), Qt::LeftButton);
    TfrmGroupEquation& diverts = *window->Editors().frmGroupEquation;
    ASSERT_TRUE(diverts.isVisible());
    QTest::mouseClick(diverts.btnDel, Qt::LeftButton);
    QTest::mouseClick(Box(diverts, 3), Qt::LeftButton);
    Pick(diverts, "9");
    Pick(diverts, "4");
    Accept(diverts);
    QTest::mouseClick(groups.NightAreaBox(5), Qt::LeftButton);
    Pick(areas, "F");
    Accept(areas);
    QTest::mouseClick(groups.PrimaryAreaBox(12), Qt::LeftButton);
    Pick(areas, "L");
    Accept(areas);
    ASSERT_EQ(groups.DivertBox(2)->text(), " 4  9 ");
    ASSERT_EQ(data.GroupList.Groups[2].DivertEquation[8], 33);
    ASSERT_TRUE(document.Modified());

    const RoutingTexts edited = Texts();
    ASSERT_EQ(edited.zones[2].left(6), "B  D  ");
    ASSERT_EQ(edited.zones[49], "Z  |");
    ASSERT_TRUE(edited.groups[4].startsWith("E  |F  |"));
    const Routing routing = RoutingOf(data);

    // Into a file, then to the controller, zones then groups.
    const std::string path = QFile::encodeName(folder.filePath("Routing.KCF")).toStdString();
    dialogs.QueueSave(path);
    window->SaveDocumentAs();
    ASSERT_FALSE(document.Modified());
    Show(kPageZoneConfig);
    Transfer(Child<QPushButton>(*window, "btnSavetoPanel"));
    Show(kPageGroupConfig);
    Transfer(Child<QPushButton>(*window, "btnSavetoPanel"));
    ExpectSameRouting(RoutingOf(controller), routing, true);

    // A new site, then the routing back from the controller: unchanged.
    prompts.Queue(PromptAnswer::Yes);
    window->NewDocument();
    prompts.Clear();
    ASSERT_NE(Texts(), edited);
    Show(kPageZoneConfig);
    Transfer(Child<QPushButton>(*window, "btnLoadFromPanel"));
    Show(kPageGroupConfig);
    Transfer(Child<QPushButton>(*window, "btnLoadFromPanel"));
    Show(kPageZoneConfig);
    EXPECT_EQ(Texts(), edited);
    ExpectSameRouting(RoutingOf(data), routing, true);

    // The file keeps every entry as the editors left it, the 33 of a cleared divert slot too.
    // (What the load read is in no file yet: Open asks first.)
    EXPECT_TRUE(document.Modified());
    prompts.Queue(PromptAnswer::No);
    dialogs.QueueOpen(path);
    window->OpenDocument();
    EXPECT_EQ(Texts(), edited);
    ExpectSameRouting(RoutingOf(data), routing, false);
    EXPECT_EQ(beeper.beeps, 0);
}

}  // namespace
}  // namespace kelvane::test
