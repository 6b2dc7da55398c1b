#include <QKeyEvent>
#include <functional>

#include "EquationEditorFixture.h"
#include "model/DeviceCatalogue.h"
#include "model/EquationText.h"

namespace kelvane::test {
namespace {

const QStringList kEmptySlots{"---", "---", "---", "---", "---", "---", "---", "---"};

TEST_F(EquationEditorTest, AreaPicksAreSortedOnAcceptAndCopiedBackByTheCaller) {
    TKZone& zone = data.ZoneList.Zones[5];
    zone.AreaEquation[0] = 77;  // carried along, never edited
    editors.EditZoneAreas(5);

    ASSERT_TRUE(Areas().isVisible());
    EXPECT_TRUE(Areas().Active());
    EXPECT_EQ(Areas().windowTitle(), "Edit Area Equation");
    EXPECT_EQ(Areas().Label2->text(), "Edit Area Equation");
    EXPECT_EQ(Areas().Label1->text(), "For Zone");
    EXPECT_EQ(Areas().NumberBox->objectName(), "ZoneNo");
    EXPECT_EQ(Areas().NumberBox->text(), "5");
    EXPECT_EQ(SlotTexts(Areas()), kEmptySlots);
    EXPECT_EQ(Areas().List->objectName(), "sgrdLoop2");
    EXPECT_EQ(Heading(Areas(), 0), "AREA");
    ASSERT_EQ(Areas().List->rowCount(), 26);
    EXPECT_EQ(ColumnZero(Areas()).front(), "A");
    EXPECT_EQ(ColumnZero(Areas()).back(), "Z");
    EXPECT_EQ(Areas().List->editTriggers(), QAbstractItemView::NoEditTriggers);

    for (const char* area : {"C", "A", "B"}) Pick(Areas(), area);
    EXPECT_EQ(SlotTexts(Areas()).mid(0, 4), (QStringList{"C", "A", "B", "---"}));
    EXPECT_EQ(Areas().CurrentSlot(), 4);
    // A copy: the zone is untouched until the editor closes with ACCEPT.
    EXPECT_EQ(zone.AreaEquation, (Equation{77, 26, 26, 26, 26, 26, 26, 26, 26}));
    EXPECT_FALSE(document.Modified());

    QTest::mouseClick(Areas().btnAccept, Qt::LeftButton);
    EXPECT_FALSE(Areas().isVisible());
    EXPECT_FALSE(Areas().Active());
    EXPECT_FALSE(Areas().BlinkTimer->isActive());
    EXPECT_EQ(zone.AreaEquation, (Equation{77, 0, 1, 2, 26, 26, 26, 26, 26}));
    EXPECT_EQ(AreaEquationText(zone.AreaEquation), "A  B  C  ");
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(pageRefreshes, 1);
    EXPECT_EQ(beeper.beeps, 0);
}

TEST_F(EquationEditorTest, EachUseOfTheAreaEditorNamesItsEquation) {
    data.GroupList.Groups[3].NightAreaEquation[2] = 4;
    editors.EditGroupPrimaryAreas(3);
    EXPECT_EQ(Areas().Label2->text(), "Edit Primary Area Equation");
    EXPECT_EQ(Areas().Label1->text(), "For Group");
    EXPECT_EQ(Areas().NumberBox->text(), "3");
    EXPECT_EQ(SlotTexts(Areas()).mid(0, 2), (QStringList{"C", "---"}));
    Pick(Areas(), "Z");
    QTest::mouseClick(Areas().btnAccept, Qt::LeftButton);
    EXPECT_EQ(AreaEquationText(data.GroupList.Groups[3].PrimaryAreaEquation), "Z  ");
    EXPECT_EQ(AreaEquationText(data.GroupList.Groups[3].NightAreaEquation), "E  ");

    editors.EditGroupNightAreas(3);
    EXPECT_EQ(Areas().Label2->text(), "Edit Night Area Equation");
    EXPECT_EQ(Areas().windowTitle(), "Edit Area Equation");
    EXPECT_EQ(SlotTexts(Areas()).mid(0, 2), (QStringList{"---", "E"}));
    Pick(Areas(), "A");
    QTest::mouseClick(Areas().btnAccept, Qt::LeftButton);
    EXPECT_EQ(data.GroupList.Groups[3].NightAreaEquation, (Equation{26, 0, 4, 26, 26, 26, 26, 26, 26}));
    EXPECT_EQ(AreaEquationText(data.GroupList.Groups[3].PrimaryAreaEquation), "Z  ");
    EXPECT_EQ(pageRefreshes, 2);
}

TEST_F(EquationEditorTest, TheEditorsTextsHintsAndHelpTopics) {
    struct Expected {
        EquationEditor* editor;
        const char* warning;
        const char* instruction;
        const char* hint;
        int topic;
    };
    const Expected expected[] = {
        {&Areas(), "That Area has already been selected!", "Select the required Area by",
         "Select from the list on the right", 32},
        {&Devices(), "That Device has already been selected!", "Select the required Device by",
         "Select from the list on the right", 34},
        {&Groups(), "That Group has already been selected!", "Select the required Group by",
         "Select group from the list on the Right", 42},
    };
    editors.EditZoneAreas(1);
    editors.frmAreaEquation->reject();
    editors.EditZoneDevices(1);
    editors.frmDeviceEquation->reject();
    editors.EditGroupDiverts(1);
    editors.frmGroupEquation->reject();
    for (const Expected& e : expected) {
        EXPECT_EQ(e.editor->Error->text(), e.warning);
        EXPECT_FALSE(e.editor->Error->isVisible());
        EXPECT_EQ(e.editor->Label3->text(), e.instruction);
        EXPECT_EQ(e.editor->Label4->text(), "Clicking from the list on the Right");
        EXPECT_EQ(e.editor->btnDel->text(), "DEL");
        EXPECT_EQ(e.editor->btnDel->toolTip(), "Deletes the selected entry");
        EXPECT_EQ(e.editor->btnAccept->text(), "ACCEPT");
        EXPECT_EQ(e.editor->btnReject->text(), "REJECT");
        for (int slot = 1; slot <= kEquationTerms; ++slot) {
            QLineEdit* box = Box(*e.editor, slot);
            EXPECT_EQ(box->objectName(), QStringLiteral("Edit%1").arg(slot));
            EXPECT_EQ(box->toolTip(), e.hint);
            EXPECT_TRUE(box->isReadOnly());
        }
        // Two rows of four.
        EXPECT_EQ(Box(*e.editor, 4)->y(), Box(*e.editor, 1)->y());
        EXPECT_GT(Box(*e.editor, 5)->y(), Box(*e.editor, 4)->y());
        EXPECT_EQ(Box(*e.editor, 5)->x(), Box(*e.editor, 1)->x());
        EXPECT_EQ(e.editor->HelpTopic(), e.topic);
    }
    EXPECT_EQ(Devices().windowTitle(), "Edit Device Equation");
    EXPECT_EQ(Groups().windowTitle(), "Edit Group Equation");
    EXPECT_EQ(Groups().NumberBox->objectName(), "GroupNo");

    editors.EditGroupDiverts(2);
    QTest::keyClick(Box(Groups(), 1), Qt::Key_F1);
    EXPECT_EQ(helpTopics, std::vector<int>{42});
    EXPECT_TRUE(Groups().isVisible());
}

TEST_F(EquationEditorTest, TheNinthPickReplacesSlotOne) {
    editors.EditZoneAreas(2);
    for (const char* area : {"A", "B", "C", "D", "E", "F", "G", "H"}) Pick(Areas(), area);
    EXPECT_EQ(Areas().CurrentSlot(), 1);
    // A row can be picked from the keyboard too.
    Areas().List->setCurrentCell(16, 0);
    QTest::keyClick(Areas().List, Qt::Key_Return);
    EXPECT_EQ(SlotTexts(Areas()), (QStringList{"Q", "B", "C", "D", "E", "F", "G", "H"}));
    EXPECT_EQ(Areas().CurrentSlot(), 2);
    QTest::mouseClick(Areas().btnAccept, Qt::LeftButton);
    EXPECT_EQ(AreaEquationText(data.ZoneList.Zones[2].AreaEquation), "B  C  D  E  F  G  H  Q  ");
}

TEST_F(EquationEditorTest, ADuplicateFlashesTheSlotHoldingItAndChangesNothing) {
    editors.EditZoneAreas(1);
    Pick(Areas(), "D");
    Pick(Areas(), "K");
    const Equation before = Areas().WorkingSlots();
    Pick(Areas(), "D");

    QLineEdit* holder = Box(Areas(), 1);
    EXPECT_TRUE(Areas().Busy());
    EXPECT_TRUE(Areas().Error->isVisible());
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_FALSE(holder->hasFrame());
    EXPECT_TRUE(Box(Areas(), 2)->hasFrame());
    EXPECT_EQ(Areas().WorkingSlots(), before);
    EXPECT_EQ(Areas().CurrentSlot(), 3);

    // While the warning runs, a pick does nothing.
    Pick(Areas(), "M");
    EXPECT_EQ(Box(Areas(), 3)->text(), "---");

    Wait(Areas(), 100);
    EXPECT_TRUE(holder->hasFrame());
    Wait(Areas(), 100);
    EXPECT_FALSE(holder->hasFrame());
    Wait(Areas(), 100);
    EXPECT_TRUE(holder->hasFrame());
    Wait(Areas(), 475);
    EXPECT_TRUE(Areas().Error->isVisible());
    EXPECT_TRUE(Areas().Busy());
    Wait(Areas(), 25);
    EXPECT_FALSE(Areas().Error->isVisible());
    EXPECT_FALSE(Areas().Busy());
    EXPECT_FALSE(Areas().WaitTimer->isActive());
    EXPECT_EQ(beeper.beeps, 1);

    Pick(Areas(), "M");
    EXPECT_EQ(Box(Areas(), 3)->text(), "M");
    QTest::mouseClick(Areas().btnAccept, Qt::LeftButton);
    EXPECT_FALSE(Areas().isVisible());
    EXPECT_EQ(AreaEquationText(data.ZoneList.Zones[1].AreaEquation), "D  K  M  ");
}

TEST_F(EquationEditorTest, DuringAWarningTheButtonsEscapeAndClosingWorkAtOnce) {
    editors.EditZoneAreas(1);
    Pick(Areas(), "D");
    Pick(Areas(), "K");
    Pick(Areas(), "D");
    ASSERT_TRUE(Areas().Busy());
    QTest::mouseClick(Areas().btnAccept, Qt::LeftButton);
    EXPECT_FALSE(Areas().isVisible());
    EXPECT_FALSE(Areas().Busy());
    EXPECT_FALSE(Areas().Error->isVisible());
    EXPECT_FALSE(Areas().WaitTimer->isActive());
    EXPECT_TRUE(Box(Areas(), 1)->hasFrame());
    EXPECT_EQ(AreaEquationText(data.ZoneList.Zones[1].AreaEquation), "D  K  ");

    const std::function<void()> closings[] = {
        [this] { QTest::mouseClick(Areas().btnReject, Qt::LeftButton); },
        [this] { QTest::keyClick(Box(Areas(), 2), Qt::Key_Escape); },
        [this] { Areas().close(); },
    };
    for (const auto& close : closings) {
        editors.EditZoneAreas(2);
        Pick(Areas(), "A");
        Pick(Areas(), "A");
        ASSERT_TRUE(Areas().Busy());
        close();
        EXPECT_FALSE(Areas().isVisible());
        EXPECT_FALSE(Areas().Busy());
        EXPECT_EQ(AreaEquationText(data.ZoneList.Zones[2].AreaEquation), "");
    }
    // The next showing starts afresh: a pick is taken at once.
    editors.EditZoneAreas(2);
    Pick(Areas(), "B");
    EXPECT_EQ(Box(Areas(), 1)->text(), "B");
}

TEST_F(EquationEditorTest, AnyOtherKeyIsRefusedWithTheInstructionPrompt) {
    editors.EditZoneAreas(1);
    Pick(Areas(), "B");
    QLineEdit* box = Box(Areas(), 1);
    const QColor window = Areas().List->palette().color(QPalette::Base);
    QTest::keyClick(box, Qt::Key_X);

    EXPECT_EQ(box->text(), "B");
    EXPECT_TRUE(Areas().Label3->font().underline());
    EXPECT_TRUE(Areas().Label4->font().underline());
    EXPECT_EQ(Areas().List->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(beeper.beeps, 0);
    Wait(Areas(), 100);
    EXPECT_EQ(Areas().List->palette().color(QPalette::Base), window);
    Wait(Areas(), 100);
    EXPECT_EQ(Areas().List->palette().color(QPalette::Base), QColor(Qt::yellow));
    Wait(Areas(), 100);
    EXPECT_EQ(Areas().List->palette().color(QPalette::Base), window);
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_FALSE(Areas().Label3->font().underline());
    EXPECT_FALSE(Areas().Label4->font().underline());

    // Enter is refused the same way and presses no button; the prompt does
    // not hold up a pick.
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(Areas().isVisible());
    EXPECT_TRUE(Areas().Label3->font().underline());
    Pick(Areas(), "C");
    EXPECT_EQ(Box(Areas(), 2)->text(), "C");
    Wait(Areas(), 300);
    EXPECT_EQ(beeper.beeps, 2);
    EXPECT_EQ(Areas().List->palette().color(QPalette::Base), window);
    EXPECT_EQ(Areas().WorkingSlots()[1], 1);
}

TEST_F(EquationEditorTest, BackspaceDeleteAndDelEmptyTheCurrentSlot) {
    data.ZoneList.Zones[4].DeviceEquation = {256, 9, 19, 29, 39, 256, 256, 256, 256};
    editors.EditZoneDevices(4);
    EXPECT_EQ(SlotTexts(Devices()).mid(0, 5), (QStringList{"10", "20", "30", "40", "---"}));
    QTest::mouseClick(Box(Devices(), 2), Qt::LeftButton);
    EXPECT_EQ(Devices().CurrentSlot(), 2);
    QTest::keyClick(Box(Devices(), 2), Qt::Key_Backspace);
    EXPECT_EQ(Box(Devices(), 2)->text(), "---");
    EXPECT_EQ(Devices().WorkingSlots()[2], 256);
    QTest::mouseClick(Box(Devices(), 4), Qt::LeftButton);
    QTest::keyClick(Box(Devices(), 4), Qt::Key_Delete);
    EXPECT_EQ(Box(Devices(), 4)->text(), "---");
    EXPECT_FALSE(Devices().Label3->font().underline());

    QTest::mouseClick(Box(Devices(), 1), Qt::LeftButton);
    QTest::mouseClick(Devices().btnDel, Qt::LeftButton);
    EXPECT_EQ(Box(Devices(), 1)->text(), "---");
    EXPECT_EQ(beeper.beeps, 0);
    QTest::mouseClick(Devices().btnAccept, Qt::LeftButton);
    EXPECT_EQ(data.ZoneList.Zones[4].DeviceEquation, (Equation{256, 29, 256, 256, 256, 256, 256, 256, 256}));
    EXPECT_EQ(pageRefreshes, 1);
    EXPECT_TRUE(document.Modified());
}

TEST_F(EquationEditorTest, DelInTheGroupEditorStores33AndTheSlotCountsAsEmpty) {
    data.GroupList.Groups[6].DivertEquation = {5, 1, 14, 32, 32, 32, 32, 32, 32};
    editors.EditGroupDiverts(6);
    EXPECT_EQ(Heading(Groups(), 0), "GROUP");
    ASSERT_EQ(Groups().List->rowCount(), 32);
    EXPECT_EQ(ColumnZero(Groups()).front(), "1");
    EXPECT_EQ(ColumnZero(Groups()).back(), "32");
    EXPECT_EQ(Groups().Label1->text(), "For Group");
    EXPECT_EQ(Groups().NumberBox->text(), "6");
    EXPECT_EQ(SlotTexts(Groups()).mid(0, 3), (QStringList{"2", "15", "---"}));

    QTest::mouseClick(Groups().btnDel, Qt::LeftButton);
    EXPECT_EQ(Box(Groups(), 1)->text(), "---");
    EXPECT_EQ(Groups().WorkingSlots()[1], 33);
    // The cleared slot holds no group: group 2 can be picked again.
    Pick(Groups(), "2");
    EXPECT_EQ(Box(Groups(), 1)->text(), "2");
    QTest::mouseClick(Box(Groups(), 2), Qt::LeftButton);
    QTest::mouseClick(Groups().btnDel, Qt::LeftButton);
    QTest::mouseClick(Groups().btnAccept, Qt::LeftButton);

    const Equation& stored = data.GroupList.Groups[6].DivertEquation;
    EXPECT_EQ(stored, (Equation{5, 1, 32, 32, 32, 32, 32, 32, 33}));
    EXPECT_EQ(DivertEquationText(stored), " 2 ");
    EXPECT_EQ(groupRefreshes, 1);
    EXPECT_EQ(pageRefreshes, 0);
    EXPECT_TRUE(document.Modified());
}

TEST_F(EquationEditorTest, TheDeviceListHoldsOnlyFittedAreaDevices) {
    TKLoop& loop = data.Loop;
    loop.Device(4) = {dtCallpoint, 2, 3, "a", 1};
    loop.Device(9) = {dtOverDoorLight, 0, 0, "", 1};
    loop.Device(12) = {dtDoorbell, 0, 0, "", 0};
    loop.Device(40) = {dtMonitoringPoint, 25, 0, "", 1};
    loop.Device(41) = {dtCorridorDisplay, 0, 0, "", 1};
    loop.Device(77) = {dtAudioCallpoint, 0, 0, "", 1};
    loop.Device(256) = {dtRadioReceiver, 1, 0, "", 1};
    editors.EditZoneDevices(7);

    EXPECT_EQ(Devices().List->objectName(), "sgrdLoop1");
    EXPECT_EQ(Devices().Label2->text(), "Edit Device Equation");
    EXPECT_EQ(Devices().Label1->text(), "For Zone");
    EXPECT_EQ(Devices().NumberBox->text(), "7");
    ASSERT_EQ(Devices().List->columnCount(), 6);
    const int widths[] = {42, 71, 91, 62, 35, 46};
    const char* headings[] = {"Dev No", "Device Type", "Zone/Group/Area", "Place Name", "Suffix", "Enabled"};
    for (int column = 0; column < 6; ++column) {
        EXPECT_GE(Devices().List->columnWidth(column), widths[column]);
        EXPECT_EQ(Heading(Devices(), column), headings[column]);
    }
    // Wider only where a text would be cut: the type column takes "Radio Receiver".
    EXPECT_GT(Devices().List->columnWidth(1),
              Devices().List->fontMetrics().horizontalAdvance(QStringLiteral("Radio Receiver")));
    EXPECT_EQ(ColumnZero(Devices()), (QStringList{"4", "12", "40", "256"}));
    EXPECT_EQ(Devices().List->item(0, 1)->text(), "Callpoint");
    EXPECT_EQ(Devices().List->item(0, 2)->text(), "Area C");
    EXPECT_EQ(Devices().List->item(0, 4)->text(), "a");
    EXPECT_EQ(Devices().List->item(1, 5)->text(), "NO");

    Pick(Devices(), "256");
    Pick(Devices(), "4");
    EXPECT_EQ(SlotTexts(Devices()).mid(0, 3), (QStringList{"256", "4", "---"}));
    QTest::mouseClick(Devices().btnAccept, Qt::LeftButton);
    EXPECT_EQ(data.ZoneList.Zones[7].DeviceEquation, (Equation{256, 3, 255, 256, 256, 256, 256, 256, 256}));

    // The list follows the loop at every showing.
    loop.Device(12) = {};
    editors.EditZoneDevices(7);
    EXPECT_EQ(ColumnZero(Devices()), (QStringList{"4", "40", "256"}));
}

TEST_F(EquationEditorTest, RejectEscapeAndClosingLeaveTheModelAsItWas) {
    data.ZoneList.Zones[9].AreaEquation = {3, 4, 26, 1, 26, 26, 26, 26, 26};
    data.ZoneList.Zones[9].DeviceEquation = {0, 30, 256, 256, 256, 256, 256, 256, 256};
    data.GroupList.Groups[9].DivertEquation = {0, 7, 32, 32, 32, 32, 32, 32, 32};
    data.Loop.Device(30) = {dtCallpoint, 0, 0, "", 1};
    const TKZone zoneBefore = data.ZoneList.Zones[9];
    const Equation divertBefore = data.GroupList.Groups[9].DivertEquation;

    editors.EditZoneAreas(9);
    Pick(Areas(), "A");
    QTest::mouseClick(Areas().btnDel, Qt::LeftButton);
    QTest::mouseClick(Areas().btnReject, Qt::LeftButton);
    EXPECT_FALSE(Areas().isVisible());

    editors.EditZoneDevices(9);
    QTest::mouseClick(Devices().btnDel, Qt::LeftButton);
    QTest::keyClick(Box(Devices(), 2), Qt::Key_Escape);
    EXPECT_FALSE(Devices().isVisible());
    EXPECT_FALSE(Devices().Active());

    editors.EditGroupDiverts(9);
    Pick(Groups(), "30");
    Groups().close();
    EXPECT_FALSE(Groups().isVisible());
    EXPECT_FALSE(Groups().BlinkTimer->isActive());

    EXPECT_EQ(data.ZoneList.Zones[9].AreaEquation, zoneBefore.AreaEquation);
    EXPECT_EQ(data.ZoneList.Zones[9].DeviceEquation, zoneBefore.DeviceEquation);
    EXPECT_EQ(data.GroupList.Groups[9].DivertEquation, divertBefore);
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(pageRefreshes + groupRefreshes, 0);

    // Nothing carries over from a rejected edit: the slots come from the model again.
    editors.EditZoneAreas(9);
    EXPECT_EQ(SlotTexts(Areas()).mid(0, 3), (QStringList{"E", "---", "B"}));
    EXPECT_EQ(Areas().CurrentSlot(), 1);
}

TEST_F(EquationEditorTest, SlotsSevenAndEightFromAFileMoveToOneAndTwoOnAccept) {
    data.ZoneList.Zones[12].AreaEquation = {26, 26, 26, 26, 26, 26, 26, 20, 3};
    editors.EditZoneAreas(12);
    EXPECT_EQ(SlotTexts(Areas()), (QStringList{"---", "---", "---", "---", "---", "---", "U", "D"}));
    QTest::mouseClick(Areas().btnAccept, Qt::LeftButton);
    EXPECT_EQ(data.ZoneList.Zones[12].AreaEquation, (Equation{26, 3, 20, 26, 26, 26, 26, 26, 26}));
}

TEST_F(EquationEditorTest, TheCurrentSlotBlinksGreyFor100msEvery600ms) {
    editors.EditZoneAreas(1);
    const QColor window = Box(Areas(), 1)->palette().color(QPalette::Base);
    EXPECT_TRUE(Areas().BlinkTimer->isActive());
    EXPECT_EQ(Areas().BlinkTimer->interval(), 250);
    Pick(Areas(), "A");  // slot 2 is current now

    Areas().BlinkTimerTimer();
    EXPECT_EQ(Areas().BlinkTimer->interval(), 100);
    EXPECT_NE(Box(Areas(), 2)->palette().color(QPalette::Base), window);
    EXPECT_EQ(Box(Areas(), 1)->palette().color(QPalette::Base), window);
    Areas().BlinkTimerTimer();
    EXPECT_EQ(Areas().BlinkTimer->interval(), 500);
    EXPECT_EQ(Box(Areas(), 2)->palette().color(QPalette::Base), window);
    Areas().BlinkTimerTimer();
    QTest::mouseClick(Box(Areas(), 6), Qt::LeftButton);
    Areas().BlinkTimerTimer();
    Areas().BlinkTimerTimer();
    EXPECT_NE(Box(Areas(), 6)->palette().color(QPalette::Base), window);
    EXPECT_EQ(Box(Areas(), 2)->palette().color(QPalette::Base), window);

    // The interval is not reset by the next showing; the boxes start in the window colour.
    QTest::mouseClick(Areas().btnReject, Qt::LeftButton);
    editors.EditZoneAreas(1);
    EXPECT_EQ(Areas().BlinkTimer->interval(), 100);
    EXPECT_EQ(Box(Areas(), 6)->palette().color(QPalette::Base), window);
}

TEST_F(EquationEditorTest, LeavingASlotWarnsAboutADuplicateFromAFile) {
    data.ZoneList.Zones[3].AreaEquation = {26, 0, 26, 0, 26, 26, 26, 26, 26};
    editors.EditZoneAreas(3);
    Areas().SlotExit(3);
    EXPECT_FALSE(Areas().Error->isVisible());
    Areas().SlotExit(2);  // "---" is never reported
    EXPECT_FALSE(Areas().Error->isVisible());

    // Focus moving from slot 1 to the list: slot 3 holds the same area.
    Box(Areas(), 1)->setFocus();
    QFocusEvent leave(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(Box(Areas(), 1), &leave);
    EXPECT_TRUE(Areas().Error->isVisible());
    EXPECT_FALSE(Box(Areas(), 3)->hasFrame());
    EXPECT_EQ(beeper.beeps, 1);
    // That warning does not hold up a pick, and closing ends it cleanly.
    Pick(Areas(), "B");
    EXPECT_EQ(Box(Areas(), 1)->text(), "B");
    QTest::mouseClick(Areas().btnReject, Qt::LeftButton);
    EXPECT_FALSE(Areas().isVisible());
    EXPECT_FALSE(Areas().Error->isVisible());
    EXPECT_TRUE(Box(Areas(), 3)->hasFrame());
    EXPECT_FALSE(Areas().WaitTimer->isActive());
}

TEST_F(EquationEditorTest, TheEditorsAreCreatedOnceAndReused) {
    EquationEditor* area = &Areas();
    editors.EditZoneAreas(1);
    Areas().reject();
    editors.EditGroupPrimaryAreas(1);
    EXPECT_EQ(&Areas(), area);
    EXPECT_EQ(window.findChildren<TfrmAreaEquation*>().size(), 1);
    EXPECT_EQ(window.findChildren<TfrmDeviceEquation*>().size(), 1);
    EXPECT_EQ(window.findChildren<TfrmGroupEquation*>().size(), 1);
    EXPECT_EQ(SlotTexts(Areas()).front(), "A");
}

}  // namespace
}  // namespace kelvane::test
