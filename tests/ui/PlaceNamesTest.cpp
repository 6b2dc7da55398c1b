#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

#include "DeviceSummaryFixture.h"
#include "MainWindowFixture.h"
#include "WindowControls.h"
#include "ui/placenames/PlaceNamesTab.h"
#include "ui/placenames/TfrmEditBox.h"

namespace kelvane::test {
namespace {

void ClickItem(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// ---- the picker -------------------------------------------------------------

class NamesFormTest : public ::testing::Test {
protected:
    void SetUp() override { data.ResetToDefaults(); }

    TData data;
    Document document;
    TNamesForm picker{data, document};
};

TEST_F(NamesFormTest, PreselectsTheStandardOrTheCustomNameOfTheDevice) {
    EXPECT_EQ(picker.windowTitle(), "Place Names List");
    ASSERT_EQ(picker.ListBox1->count(), 41);
    ASSERT_EQ(picker.ListBox2->count(), 45);
    EXPECT_EQ(picker.ListBox1->item(40)->text(), "Zone");
    data.Loop.Device(3).PlaceNameIndex = 40;
    data.Loop.Device(4).PlaceNameIndex = 85;
    picker.Preselect(3);
    EXPECT_TRUE(picker.ListBox1->item(40)->isSelected());
    EXPECT_TRUE(picker.ListBox2->selectedItems().isEmpty());
    picker.Preselect(4);
    EXPECT_TRUE(picker.ListBox1->selectedItems().isEmpty());
    EXPECT_TRUE(picker.ListBox2->item(44)->isSelected());
    EXPECT_EQ(picker.Device(), 4);
    // An index that names nothing selects nothing.
    data.Loop.Device(4).PlaceNameIndex = 90;
    picker.Preselect(4);
    EXPECT_TRUE(picker.ListBox1->selectedItems().isEmpty());
    EXPECT_TRUE(picker.ListBox2->selectedItems().isEmpty());
}

TEST_F(NamesFormTest, AClickStoresTheIndexTellsAndCloses) {
    QSignalSpy chosen(&picker, &TNamesForm::placeNameChosen);
    picker.Preselect(5);
    picker.show();
    ClickItem(picker.ListBox2, 0);
    EXPECT_EQ(data.Loop.Device(5).PlaceNameIndex, 41);
    EXPECT_EQ(data.DevicePlaceName(5), "Custom 1");
    EXPECT_TRUE(picker.ListBox1->selectedItems().isEmpty());
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.front(), (QList<QVariant>{5, 41}));
    EXPECT_TRUE(document.Modified());

    document.SetModified(false);
    picker.Preselect(5);
    picker.show();
    ClickItem(picker.ListBox1, 12);
    EXPECT_EQ(data.Loop.Device(5).PlaceNameIndex, 12);
    EXPECT_TRUE(picker.ListBox2->selectedItems().isEmpty());
    EXPECT_TRUE(document.Modified());
}

TEST_F(NamesFormTest, ChoosingTheSameNameMarksNothingAndClosingChangesNothing) {
    data.Loop.Device(6).PlaceNameIndex = 4;
    picker.Preselect(6);
    picker.show();
    ClickItem(picker.ListBox1, 4);
    EXPECT_FALSE(document.Modified());

    WhenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_FALSE(picker.ShowForDevice(6));
    EXPECT_EQ(data.Loop.Device(6).PlaceNameIndex, 4);
}

TEST_F(NamesFormTest, TypingSearchesTheStandardNamesFirstWhicheverListHasTheKeyboard) {
    data.CustomNames.Item(0).Name = "Bed 12";
    data.CustomNames.Item(1).Name = "Quiet Bay";
    // One device gets a custom name with the mouse: the custom list had the keyboard.
    picker.Preselect(5);
    picker.show();
    ClickItem(picker.ListBox2, 1);
    ASSERT_EQ(data.Loop.Device(5).PlaceNameIndex, 42);

    const auto typeInto = [this](int device, const char* typed) {
        WhenModal([typed](QWidget* modal) {
            ASSERT_NE(modal->focusWidget(), nullptr);
            QTest::keyClicks(modal->focusWidget(), QString::fromLatin1(typed));
            QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
        });
        EXPECT_TRUE(picker.ShowForDevice(device));
        return data.Loop.Device(device).PlaceNameIndex;
    };
    EXPECT_EQ(typeInto(6, "Bed"), 4);  // "Bedroom"
    EXPECT_EQ(typeInto(5, "Bed"), 4);  // from a custom name too
    EXPECT_EQ(typeInto(7, "Bed 1"), 41);
    EXPECT_EQ(typeInto(8, "qu"), 29);  // "Quiet Room" before "Quiet Bay"
}

TEST_F(NamesFormTest, ReadsTheCustomNamesAfreshAndAsksForHelpTwelve) {
    data.CustomNames.Item(1).Name = "Quiet Bay";
    data.Loop.Device(2).PlaceNameIndex = 42;
    picker.Preselect(2);
    EXPECT_EQ(picker.ListBox2->item(1)->text(), "Quiet Bay");
    QSignalSpy help(&picker, &TNamesForm::helpRequested);
    picker.show();
    QTest::keyClick(picker.ListBox2, Qt::Key_F1);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.front().front().toInt(), 12);
    EXPECT_TRUE(picker.isVisible());
    picker.close();
}

// ---- the Place Names tab ------------------------------------------------------

class PlaceNamesTabTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Show();
        Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPagePlaceNames);
        page = Child<PlaceNamesTab>(*window, "tabPlaceNames");
    }

    // Renames custom name `row` through the entry box, as the user does.
    void Rename(int row, const QString& typed, bool accept = true) {
        ClickItem(page->ListBox2, row);
        bool entryBoxRight = false;
        WhenModal([&](QWidget* modal) {
            auto* box = qobject_cast<TfrmEditBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(box->windowTitle().isEmpty());
            EXPECT_EQ(box->Label1->text(), "Enter the New Custom Place Name");
            EXPECT_EQ(box->TEditBox->text(), page->ListBox2->item(row)->text());
            EXPECT_FALSE(box->TEditBox->hasSelectedText());
            EXPECT_EQ(box->btnAccept->text(), "ACCEPT");
            EXPECT_EQ(box->btnReject->text(), "REJECT");
            entryBoxRight = true;
            shownAt = box->frameGeometry().center();
            box->TEditBox->selectAll();
            QTest::keyClick(box->TEditBox, Qt::Key_Delete);
            QTest::keyClicks(box->TEditBox, typed);
            QTest::mouseClick(accept ? box->btnAccept : box->btnReject, Qt::LeftButton);
        });
        QTest::mouseClick(page->btnPlaceNameChange, Qt::LeftButton);
        EXPECT_TRUE(entryBoxRight);
    }

    PlaceNamesTab* page = nullptr;
    QPoint shownAt;
};

TEST_F(PlaceNamesTabTest, EditButtonShowsOnlyForTheCustomList) {
    EXPECT_EQ(page->btnPlaceNameChange->text(), "Edit Place Name");
    EXPECT_FALSE(page->btnPlaceNameChange->isVisible());
    ClickItem(page->ListBox1, 3);
    ClickItem(page->ListBox2, 7);
    EXPECT_TRUE(page->btnPlaceNameChange->isVisible());
    EXPECT_TRUE(page->ListBox1->selectedItems().isEmpty());
    ClickItem(page->ListBox1, 3);
    EXPECT_FALSE(page->btnPlaceNameChange->isVisible());
    EXPECT_TRUE(page->ListBox2->selectedItems().isEmpty());
    EXPECT_EQ(page->ListBox1->count(), 41);
    EXPECT_EQ(page->ListBox2->item(44)->text(), "Custom 45");
}

TEST_F(PlaceNamesTabTest, RenamingTheThirdCustomNameShowsInEveryDeviceUsingIt) {
    data.Loop.Device(10).DeviceType = dtCallpoint;
    data.Loop.Device(10).PlaceNameIndex = 43;
    data.Loop.Device(11).PlaceNameIndex = 43;
    Rename(2, "Sun Lounge");
    EXPECT_EQ(data.CustomNames.Item(2).Name, "Sun Lounge");
    EXPECT_EQ(page->ListBox2->item(2)->text(), "Sun Lounge");
    EXPECT_TRUE(page->ListBox2->item(2)->isSelected());  // the list keeps its place
    EXPECT_TRUE(document.Modified());
    EXPECT_TRUE(document.CustomNamesChanged);
    EXPECT_LE((shownAt - window->frameGeometry().center()).manhattanLength(),
              2);  // centred on the main window

    Child<QTabWidget>(*window, "ConfigPages")->setCurrentIndex(kPageDeviceSummary);
    const QAbstractItemModel& table = Child<DeviceSummaryTab>(*window, "tabLoopSummary")->Table();
    EXPECT_EQ(table.index(9, dcPlaceName).data().toString(), "Sun Lounge");
    EXPECT_EQ(table.index(10, dcPlaceName).data().toString(), "Sun Lounge");
}

TEST_F(PlaceNamesTabTest, AcceptingTheSameNameMarksNothingAndRejectKeepsTheName) {
    Rename(4, "Custom 5");
    EXPECT_FALSE(document.Modified());
    EXPECT_FALSE(document.CustomNamesChanged);
    Rename(4, "custom 5", false);
    EXPECT_EQ(data.CustomNames.Item(4).Name, "Custom 5");
    EXPECT_FALSE(document.Modified());
    Rename(4, "custom 5");  // a change of case is a change
    EXPECT_TRUE(document.Modified());
    EXPECT_TRUE(document.CustomNamesChanged);
}

TEST_F(PlaceNamesTabTest, NamesStopAtElevenCharactersAndMayBeEmpty) {
    Rename(0, "Physiotherapy Suite");
    EXPECT_EQ(data.CustomNames.Item(0).Name, "Physiothera");
    Rename(0, "");
    EXPECT_EQ(data.CustomNames.Item(0).Name, "");
    EXPECT_EQ(data.PlaceName(41), "");
}

TEST_F(PlaceNamesTabTest, DoubleClickOpensTheEntryBoxToo) {
    ClickItem(page->ListBox2, 1);
    WhenModal([](QWidget* modal) {
        auto* box = qobject_cast<TfrmEditBox*>(modal);
        ASSERT_NE(box, nullptr);
        QTest::keyClicks(box->TEditBox, "X");
        QTest::keyClick(box->TEditBox, Qt::Key_Return);
    });
    QListWidget* list = page->ListBox2;
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(data.CustomNames.Item(1).Name, "Custom 2X");
}

TEST_F(PlaceNamesTabTest, AFileOfLongNamesShowsThemWholeAndUnchangedMarksNothing) {
    data.CustomNames.Item(3).Name = "A Much Longer Name";
    page->RefreshPlaceNameLists();
    Rename(3, "A Much Longer Name");
    EXPECT_EQ(data.CustomNames.Item(3).Name, "A Much Longer Name");
    EXPECT_FALSE(document.Modified());
}

}  // namespace
}  // namespace kelvane::test
