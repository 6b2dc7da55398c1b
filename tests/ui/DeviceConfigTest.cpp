// The Device Configuration dialog, opened from the loop frame.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

#include "LoopFrameFixture.h"
#include "ui/widgets/CaptionBar.h"

namespace kelvane::test {
namespace {

class DeviceConfigTest : public LoopFrameTest {
protected:
    TDeviceConfig& Dialog() const { return *frame->DeviceConfig; }
    // Opens the dialog for `n`, runs `steps` on it, then closes it with
    // Cancel unless the steps closed it; true when it was accepted.
    bool Edit(int n, std::function<void(TDeviceConfig&)> steps) {
        WhenDeviceConfig([steps = std::move(steps)](TDeviceConfig& dialog) {
            steps(dialog);
            if (dialog.isVisible()) dialog.CancelButton->click();
        });
        return Dialog().ShowForDevice(n);
    }
    static QStringList Entries(const QListWidget* list) {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
        return texts;
    }
};

TEST_F(DeviceConfigTest, NextOn256ShowsOneAndPreviousOnOneShows256) {
    std::vector<int> shown;
    std::vector<QString> numbers;
    Edit(256, [&](TDeviceConfig& dialog) {
        shown.push_back(dialog.Device());
        dialog.NextButton->click();
        shown.push_back(dialog.Device());
        numbers.push_back(dialog.lblPointNo->text());
        dialog.PrevButton->click();
        shown.push_back(dialog.Device());
        numbers.push_back(dialog.lblPointNo->text());
        dialog.PrevButton->click();
        shown.push_back(dialog.Device());
    });
    EXPECT_EQ(shown, (std::vector<int>{256, 1, 256, 255}));
    EXPECT_EQ(numbers, (std::vector<QString>{"Device number: 1", "Device number: 256"}));
    EXPECT_FALSE(document.Modified());
}

TEST_F(DeviceConfigTest, NextAndPreviousStoreTheDialogOnlyWhenItWasChanged) {
    Fit(5, dtCallpoint, 2);
    Fit(6, dtOverDoorLight, 40);  // past the 32 zones of an older controller
    data.SiteConfig.MainVersion = "07B00";
    QSignalSpy stored(&Dialog(), &TDeviceConfig::stored);
    Edit(5, [&](TDeviceConfig& dialog) {
        QTest::keyClicks(dialog.txtSuffix, "4B");
        dialog.lstZone->setCurrentRow(7);
        EXPECT_TRUE(dialog.Changed());
        dialog.NextButton->click();
        EXPECT_FALSE(dialog.Changed());
        EXPECT_EQ(dialog.Device(), 6);
        EXPECT_EQ(Entries(dialog.lstZone).size(), 32);
        EXPECT_TRUE(dialog.lstZone->selectedItems().isEmpty());
        dialog.NextButton->click();
        dialog.PrevButton->click();
    });
    EXPECT_EQ(data.Loop.Device(5).Suffix, "4B");
    EXPECT_EQ(data.Loop.Device(5).Allocation, 7);
    EXPECT_EQ(stored.count(), 1);
    EXPECT_EQ(data.Loop.Device(6).Allocation, 40);
    EXPECT_EQ(data.Loop.Device(7).Allocation, 0);
    EXPECT_TRUE(document.Modified());
}

TEST_F(DeviceConfigTest, CancelAfterDisableLeavesTheDeviceDisabledAndStoresNothingElse) {
    Fit(5, dtMonitoringPoint, 3);
    data.Loop.Device(5).Suffix = "1";
    QString caption;
    QImage enabledPicture, disabledPicture;
    EXPECT_FALSE(Edit(5, [&](TDeviceConfig& dialog) {
        EXPECT_EQ(dialog.BtnDisable->text(), "Disable");
        enabledPicture = dialog.imgDevice->pixmap().toImage();
        dialog.BtnDisable->click();
        caption = dialog.BtnDisable->text();
        disabledPicture = dialog.imgDevice->pixmap().toImage();
        QTest::keyClicks(dialog.txtSuffix, "99");
        dialog.lstZone->setCurrentRow(20);
        dialog.CancelButton->click();
    }));
    const TKDeviceType& device = data.Loop.Device(5);
    EXPECT_EQ(caption, "Enable");
    EXPECT_NE(enabledPicture, disabledPicture);
    EXPECT_EQ(device.Enabled, 0);
    EXPECT_EQ(device.Suffix, "1");
    EXPECT_EQ(device.Allocation, 3);
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(CellPicture(5).pixelColor(0, 0), QColor(255, 0, 0));

    // Enable again: the flag becomes 1, whatever it held.
    data.Loop.Device(5).Enabled = -3;
    Edit(5, [&](TDeviceConfig& dialog) {
        caption = dialog.BtnDisable->text();
        dialog.BtnDisable->click();
    });
    EXPECT_EQ(caption, "Enable");
    EXPECT_EQ(device.Enabled, 1);
}

TEST_F(DeviceConfigTest, TheAllocationListFollowsTheDevicesClass) {
    Fit(2, dtCorridorDisplay, 31);
    Fit(3, dtRadioReceiver, 25);
    Fit(4, dtOverDoorLight, 63);
    Fit(5, dtAudioCallpoint, 4);
    struct Seen {
        QString heading, type;
        QStringList entries;
        int selected;
    };
    std::vector<Seen> seen;
    Edit(2, [&](TDeviceConfig& dialog) {
        for (int step = 0; step < 4; ++step) {
            seen.push_back({dialog.lblAllocationClass->text(), dialog.lblDeviceType->text(),
                            Entries(dialog.lstZone), dialog.lstZone->currentRow()});
            dialog.NextButton->click();
        }
    });
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].heading, "Group");
    EXPECT_EQ(seen[0].type, "Device type: Corridor Display");
    EXPECT_EQ(seen[0].entries.size(), 32);
    EXPECT_EQ(seen[0].entries.front(), "1");
    EXPECT_EQ(seen[0].selected, 31);
    EXPECT_EQ(seen[1].heading, "Area");
    EXPECT_EQ(seen[1].entries.size(), 26);
    EXPECT_EQ(seen[1].entries.back(), "Z");
    EXPECT_EQ(seen[1].selected, 25);
    // A new site counts as a 64-zone controller.
    EXPECT_EQ(seen[2].heading, "Zone");
    EXPECT_EQ(seen[2].type, "Device type: Over-door Light / Addressable Sounder");
    EXPECT_EQ(seen[2].entries.size(), 64);
    EXPECT_EQ(seen[2].entries.front(), "Zone 1");
    EXPECT_EQ(seen[2].selected, 63);
    // A type without class gets the zone list, as every other view shows it.
    EXPECT_EQ(seen[3].heading, "Zone");
    EXPECT_EQ(seen[3].type, "Device type: Audio enabled callpoint");
    EXPECT_EQ(seen[3].selected, 4);
}

TEST_F(DeviceConfigTest, AcceptStoresSuffixAndAllocationAndRedrawsTheFrame) {
    Fit(5, dtAudioCallpoint, 4);
    QSignalSpy stored(&Dialog(), &TDeviceConfig::stored);
    EXPECT_TRUE(Edit(5, [](TDeviceConfig& dialog) {
        dialog.lstZone->setCurrentRow(9);
        QTest::keyClicks(dialog.txtSuffix, "12345");
        dialog.AcceptButton->click();
    }));
    EXPECT_EQ(data.Loop.Device(5).Allocation, 9);
    EXPECT_EQ(data.Loop.Device(5).Suffix, "1234");
    EXPECT_EQ(stored.count(), 1);
    EXPECT_TRUE(document.Modified());

    // Accepted as it was shown: nothing changes, nothing is marked.
    document.SetModified(false);
    EXPECT_TRUE(Edit(5, [](TDeviceConfig& dialog) { dialog.AcceptButton->click(); }));
    EXPECT_EQ(data.Loop.Device(5).Allocation, 9);
    EXPECT_FALSE(document.Modified());
}

TEST_F(DeviceConfigTest, AcceptKeepsALongerStoredSuffixAndAnAllocationOutsideTheList) {
    Fit(5, dtOverDoorLight, 50);
    data.SiteConfig.MainVersion = "07B00";
    data.Loop.Device(5).Suffix = "ROOM12";
    QString shownSuffix;
    Edit(5, [&](TDeviceConfig& dialog) {
        shownSuffix = dialog.txtSuffix->text();
        dialog.AcceptButton->click();
    });
    EXPECT_EQ(shownSuffix, "ROOM12");
    EXPECT_EQ(data.Loop.Device(5).Suffix, "ROOM12");
    EXPECT_EQ(data.Loop.Device(5).Allocation, 50);
    EXPECT_FALSE(document.Modified());
}

TEST_F(DeviceConfigTest, ThePlaceNameComesFromThePickerAndStaysAfterCancel) {
    Fit(5, dtCallpoint);
    data.CustomNames.Item(2).Name = "Day Room";
    QString typed, chosen;
    bool changed = false;
    Edit(5, [&](TDeviceConfig& dialog) {
        QTest::keyClicks(dialog.txtName, "abc");
        typed = dialog.txtName->text();
        WhenModal([this](QWidget* modal) {
            EXPECT_EQ(modal, picker.get());
            QListWidget* custom = picker->ListBox2;
            QTest::mouseClick(custom->viewport(), Qt::LeftButton, {},
                              custom->visualItemRect(custom->item(2)).center());
        });
        QTest::mouseClick(dialog.txtName, Qt::LeftButton);
        chosen = dialog.txtName->text();
        changed = dialog.Changed();
        dialog.CancelButton->click();
    });
    EXPECT_EQ(typed, "Unnamed");
    EXPECT_EQ(chosen, "Day Room");
    EXPECT_TRUE(changed);
    EXPECT_EQ(data.Loop.Device(5).PlaceNameIndex, kFirstCustomPlaceNameIndex + 2);
    EXPECT_TRUE(document.Modified());
}

TEST_F(DeviceConfigTest, TheDialogsFrameAndHelp) {
    Fit(5, dtCallpoint);
    QSignalSpy help(&Dialog(), &TDeviceConfig::helpRequested);
    Qt::WindowFlags flags;
    QSize before, after;
    Edit(5, [&](TDeviceConfig& dialog) {
        flags = dialog.windowFlags();
        before = dialog.size();
        dialog.NextButton->click();
        after = dialog.size();
        QTest::keyClick(&dialog, Qt::Key_F1);
    });
    EXPECT_EQ(Dialog().windowTitle(), "Device Configuration");
    // No buttons in its title bar: a bar of its own with the caption.
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    const auto* bar = Dialog().findChild<CaptionBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Caption(), "Device Configuration");
    EXPECT_EQ(Dialog().minimumSize(), Dialog().maximumSize());
    EXPECT_EQ(before, after);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toInt(), 22);
}

}  // namespace
}  // namespace kelvane::test
