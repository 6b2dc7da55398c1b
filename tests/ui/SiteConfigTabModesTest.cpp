#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

#include "SiteConfigTabFixture.h"
#include "ui/site/SiteConfigUpDown.h"

namespace kelvane {
namespace {

class SiteConfigTabModesTest : public SiteConfigTabTest {
protected:
    void Click(const char* arrows, bool up) {
        auto* upDown = Find<SiteConfigUpDown>(arrows);
        QTest::mouseClick(up ? upDown->UpArrow() : upDown->DownArrow(), Qt::LeftButton);
    }
    QStringList TimeControls() {
        return {"mskNightMode", "mskDayMode", "UpDown1", "UpDown2", "UpDown3", "UpDown4"};
    }
    bool TimeControlsEnabled(bool enabled) {
        for (const QString& name : TimeControls())
            if (Find<QWidget>(name.toLatin1().constData())->isEnabled() != enabled) return false;
        return true;
    }
};

TEST_F(SiteConfigTabModesTest, TimeArrowsWrapEachPartWithoutCarrying) {
    data.SiteConfig.NightModeTime = "19:59";
    data.SiteConfig.DayModeTime = "00:00";
    data.SiteConfig.NightModeAutoEnable = true;
    tab->FillSiteConfigTab();
    auto* night = Find<QLineEdit>("mskNightMode");
    auto* day = Find<QLineEdit>("mskDayMode");

    Click("UpDown1", true);  // night minutes
    EXPECT_EQ(night->text(), "19:00");
    EXPECT_EQ(data.SiteConfig.NightModeTime, "19:00");
    EXPECT_TRUE(document.Modified());
    Click("UpDown1", false);
    EXPECT_EQ(data.SiteConfig.NightModeTime, "19:59");
    Click("UpDown2", true);  // night hours
    EXPECT_EQ(data.SiteConfig.NightModeTime, "20:59");

    Click("UpDown4", false);  // day hours
    EXPECT_EQ(data.SiteConfig.DayModeTime, "23:00");
    Click("UpDown4", true);
    EXPECT_EQ(data.SiteConfig.DayModeTime, "00:00");
    Click("UpDown3", false);  // day minutes
    EXPECT_EQ(day->text(), "00:59");
    EXPECT_EQ(data.SiteConfig.DayModeTime, "00:59");

    // A time with one hour digit, from a hand-edited file, steps from what it says.
    data.SiteConfig.DayModeTime = "6:15";
    tab->FillSiteConfigTab();
    EXPECT_EQ(day->text(), "6:15");
    Click("UpDown3", true);
    EXPECT_EQ(data.SiteConfig.DayModeTime, "06:16");
}

TEST_F(SiteConfigTabModesTest, AutoNightModeEnablesTheTimesAndTheirArrows) {
    auto* autoNight = Find<QCheckBox>("chkAutoNightMode");
    EXPECT_TRUE(TimeControlsEnabled(false));
    QTest::mouseClick(autoNight, Qt::LeftButton);
    EXPECT_TRUE(data.SiteConfig.NightModeAutoEnable);
    EXPECT_TRUE(TimeControlsEnabled(true));
    EXPECT_TRUE(document.Modified());
    QTest::mouseClick(autoNight, Qt::LeftButton);
    EXPECT_FALSE(data.SiteConfig.NightModeAutoEnable);
    EXPECT_TRUE(TimeControlsEnabled(false));
}

TEST_F(SiteConfigTabModesTest, HTM2015ModeTurnsAutoNightModeOffAndGreysItOut) {
    auto* autoNight = Find<QCheckBox>("chkAutoNightMode");
    auto* htm = Find<QCheckBox>("chkHTM2015");
    QTest::mouseClick(autoNight, Qt::LeftButton);

    QTest::mouseClick(htm, Qt::LeftButton);
    EXPECT_TRUE(data.SiteConfig.HTM2015Enable);
    EXPECT_FALSE(autoNight->isChecked());
    EXPECT_FALSE(autoNight->isEnabled());
    EXPECT_FALSE(data.SiteConfig.NightModeAutoEnable);
    EXPECT_TRUE(TimeControlsEnabled(false));

    QTest::mouseClick(htm, Qt::LeftButton);
    EXPECT_FALSE(data.SiteConfig.HTM2015Enable);
    EXPECT_TRUE(autoNight->isEnabled());
    EXPECT_FALSE(autoNight->isChecked());
    EXPECT_TRUE(TimeControlsEnabled(false));
}

TEST_F(SiteConfigTabModesTest, SurveyorModeLogsEveryEventAndLocksThePrintLog) {
    auto* logger = Find<QComboBox>("lstLogger");
    ASSERT_EQ(logger->count(), 13);
    EXPECT_EQ(logger->itemText(12), "After 100 events");
    logger->setCurrentIndex(1);  // "Manual Only"
    EXPECT_EQ(data.SiteConfig.LoggerSetting, 1);

    QTest::mouseClick(Find<QCheckBox>("chkSurveyor"), Qt::LeftButton);
    EXPECT_TRUE(data.SiteConfig.SurveyorEnable);
    EXPECT_EQ(logger->currentText(), "On every event");
    EXPECT_EQ(data.SiteConfig.LoggerSetting, 2);
    EXPECT_FALSE(logger->isEnabled());

    QTest::mouseClick(Find<QCheckBox>("chkSurveyor"), Qt::LeftButton);
    EXPECT_FALSE(data.SiteConfig.SurveyorEnable);
    EXPECT_TRUE(logger->isEnabled());
    EXPECT_EQ(data.SiteConfig.LoggerSetting, 2);
}

TEST_F(SiteConfigTabModesTest, ListsWriteTheirFields) {
    auto* pager = Find<QComboBox>("lstRadioPager");
    ASSERT_EQ(pager->count(), 5);
    pager->setCurrentText(QStringLiteral("Attack Only"));
    EXPECT_EQ(data.SiteConfig.PagerLevel, 4);
    EXPECT_TRUE(data.SiteConfig.PagerEnabled);
    pager->setCurrentText(QStringLiteral("Disabled"));
    EXPECT_EQ(data.SiteConfig.PagerLevel, 0);
    EXPECT_FALSE(data.SiteConfig.PagerEnabled);

    Find<QComboBox>("lstEmergSettings")->setCurrentText(QStringLiteral("Globally"));
    EXPECT_TRUE(data.SiteConfig.EmergState);
    Find<QComboBox>("lstAttackSettings")->setCurrentText(QStringLiteral("Locally"));
    EXPECT_FALSE(data.SiteConfig.AttackState);
    EXPECT_TRUE(document.Modified());
}

TEST_F(SiteConfigTabModesTest, TimeoutTakesTypedWholeNumbersAndIsClampedWhenLeft) {
    auto* timeout = Find<QSpinBox>("txtAccTimeout");
    Enter(timeout);
    Retype(timeout, "12");
    EXPECT_EQ(data.SiteConfig.AccTimeout, 12) << "the field follows every change";
    EXPECT_TRUE(document.Modified());
    away->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(timeout->value(), 8);
    EXPECT_EQ(data.SiteConfig.AccTimeout, 8);

    Enter(timeout);
    Retype(timeout, "");
    EXPECT_EQ(data.SiteConfig.AccTimeout, 8) << "no number, no change";
    QTest::keyClicks(timeout, "0");
    EXPECT_EQ(data.SiteConfig.AccTimeout, 0);
    away->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(data.SiteConfig.AccTimeout, 1);
    EXPECT_EQ(data.SiteConfig.DivTimeout, 1);
}

TEST_F(SiteConfigTabModesTest, TimeoutArrowsStayWithinOneToEight) {
    auto* timeout = Find<QSpinBox>("txtDivTimeout");
    timeout->stepBy(-1);
    EXPECT_EQ(data.SiteConfig.DivTimeout, 1);
    timeout->stepBy(3);
    EXPECT_EQ(data.SiteConfig.DivTimeout, 4);
    timeout->stepBy(10);
    EXPECT_EQ(timeout->value(), 8);
    EXPECT_EQ(data.SiteConfig.DivTimeout, 8);
}

TEST_F(SiteConfigTabModesTest, TabGoesThroughEveryControlDownThePage) {
    data.SiteConfig.NightModeAutoEnable = true;
    tab->FillSiteConfigTab();
    const char* order[] = {"UploadTimeSelect", "txtLvl2",       "txtLvl3",          "txtCallCode",
                           "txtAttackCode",    "txtAccTimeout", "txtDivTimeout",    "chkAutoNightMode",
                           "mskNightMode",     "mskDayMode",    "chkHTM2015",       "chkSurveyor",
                           "lstLogger",        "lstRadioPager", "lstEmergSettings", "lstAttackSettings",
                           "txtClientName"};
    Find<QWidget>(order[0])->setFocus(Qt::TabFocusReason);
    for (std::size_t n = 1; n < std::size(order); ++n) {
        QTest::keyClick(Focused(), Qt::Key_Tab);
        EXPECT_EQ(Focused(), Find<QWidget>(order[n])) << "Tab after " << order[n - 1];
    }
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

TEST_F(SiteConfigTabModesTest, NightModeTimesAreTypedAndCheckedAsTyped) {
    data.SiteConfig.NightModeTime = "22:00";
    data.SiteConfig.NightModeAutoEnable = true;
    tab->FillSiteConfigTab();
    auto* night = Find<QLineEdit>("mskNightMode");
    Enter(night);
    Retype(night, "25");  // no hour 25: the 5 is refused
    EXPECT_EQ(night->text(), "2");
    QTest::keyClicks(night, "1:7");  // nor minute 70
    EXPECT_EQ(night->text(), "21:");
    EXPECT_EQ(data.SiteConfig.NightModeTime, "22:00");
    EXPECT_FALSE(document.Modified());
    QTest::keyClicks(night, "35");
    EXPECT_EQ(data.SiteConfig.NightModeTime, "21:35");
    EXPECT_TRUE(document.Modified());
    Retype(night, "7:05");
    EXPECT_EQ(data.SiteConfig.NightModeTime, "07:05");

    // The keys step as the arrows do; an unfinished time is not kept.
    QTest::keyClick(night, Qt::Key_Up);
    QTest::keyClick(night, Qt::Key_PageDown);
    EXPECT_EQ(data.SiteConfig.NightModeTime, "06:06");
    Retype(night, "1");
    Enter(away);
    EXPECT_EQ(night->text(), "06:06");
    EXPECT_EQ(data.SiteConfig.NightModeTime, "06:06");
}

}  // namespace
}  // namespace kelvane
