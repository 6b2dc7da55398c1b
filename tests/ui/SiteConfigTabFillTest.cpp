#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <set>

#include "SiteConfigTabFixture.h"
#include "TypeText.h"

namespace kelvane {
namespace {

TEST_F(SiteConfigTabTest, FillShowsTheModelAppliesTheListRulesAndDoesNotMarkModified) {
    TKSiteConfig1& site = data.SiteConfig;
    site.ClientName = "St Elsewhere";
    site.InstallDate = "12/0_/__";
    site.CallCode = "UUDA";
    site.MainVersion = "07B12";
    site.NightModeAutoEnable = true;
    site.HTM2015Enable = true;
    site.SurveyorEnable = true;
    site.LoggerSetting = 7;
    site.PagerEnabled = false;
    site.PagerLevel = 3;
    site.AccTimeout = 12;
    site.DivTimeout = 0;
    site.EmergState = true;
    site.AttackState = false;

    tab->FillSiteConfigTab();

    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(Find<QLineEdit>("txtClientName")->text(), "St Elsewhere");
    EXPECT_EQ(Find<QLineEdit>("txtInstallDate")->displayText(), "12/0_/__");
    EXPECT_EQ(Find<QLineEdit>("txtCallCode")->text(), "UUDA");
    EXPECT_EQ(Find<QLabel>("stxtMain")->text(), "07B12");
    EXPECT_FALSE(Find<QCheckBox>("chkAutoNightMode")->isChecked());
    EXPECT_FALSE(site.NightModeAutoEnable) << "HTM2015 mode turns auto night mode off";
    EXPECT_FALSE(Find<QWidget>("UpDown1")->isEnabled());
    EXPECT_EQ(Find<QComboBox>("lstLogger")->currentIndex(), 2);
    EXPECT_EQ(site.LoggerSetting, 2) << "surveyor mode logs every event";
    EXPECT_EQ(Find<QComboBox>("lstRadioPager")->currentIndex(), 0);
    EXPECT_EQ(site.PagerLevel, 0) << "a stored level with the pager disabled";
    EXPECT_FALSE(site.PagerEnabled);
    EXPECT_EQ(Find<QSpinBox>("txtAccTimeout")->value(), 8);
    EXPECT_EQ(site.AccTimeout, 8);
    EXPECT_EQ(site.DivTimeout, 1);
    EXPECT_EQ(Find<QComboBox>("lstEmergSettings")->currentText(), "Globally");
    EXPECT_EQ(Find<QComboBox>("lstAttackSettings")->currentText(), "Locally");
    EXPECT_TRUE(site.EmergState);
    EXPECT_FALSE(site.AttackState);
}

TEST_F(SiteConfigTabTest, RefillDependsOnTheModelAloneNotOnWhatTheBoxesShowedBefore) {
    data.SiteConfig.SurveyorEnable = true;
    tab->FillSiteConfigTab();
    // A second site with surveyor mode but another print log, as a file may hold.
    data.SiteConfig.LoggerSetting = 0;
    data.SiteConfig.PagerEnabled = true;
    data.SiteConfig.PagerLevel = 9;
    tab->FillSiteConfigTab();
    EXPECT_EQ(Find<QComboBox>("lstLogger")->currentIndex(), 2);
    EXPECT_EQ(data.SiteConfig.LoggerSetting, 2);
    EXPECT_FALSE(Find<QComboBox>("lstLogger")->isEnabled());
    EXPECT_EQ(data.SiteConfig.PagerLevel, 0) << "a level the list does not have";
    EXPECT_FALSE(data.SiteConfig.PagerEnabled);

    data.SiteConfig.SurveyorEnable = false;
    data.SiteConfig.HTM2015Enable = true;
    tab->FillSiteConfigTab();
    data.SiteConfig.HTM2015Enable = false;
    tab->FillSiteConfigTab();
    EXPECT_TRUE(Find<QComboBox>("lstLogger")->isEnabled());
    EXPECT_TRUE(Find<QCheckBox>("chkAutoNightMode")->isEnabled());
    EXPECT_FALSE(document.Modified());
}

TEST_F(SiteConfigTabTest, CopyPcTimeBoxMarksModifiedButNeverWritesCopyTime) {
    auto* copyTime = Find<QCheckBox>("UploadTimeSelect");
    EXPECT_EQ(copyTime->text(), "Copy PC Time to Panel on Program:");
    QTest::mouseClick(copyTime, Qt::LeftButton);
    EXPECT_TRUE(tab->UploadTimeSelected());
    EXPECT_TRUE(document.Modified());
    EXPECT_FALSE(data.SiteConfig.CopyTime);

    tab->FillSiteConfigTab();  // switching to another tab and back
    EXPECT_FALSE(tab->UploadTimeSelected());
    data.SiteConfig.CopyTime = true;
    tab->FillSiteConfigTab();
    EXPECT_TRUE(tab->UploadTimeSelected());
}

TEST_F(SiteConfigTabTest, DetailBoxesWriteTheirFieldsWithinTheirLengths) {
    auto* name = Find<QLineEdit>("txtClientName");
    Enter(name);
    QTest::keyClicks(name, "St Elsewhere General Hospital");
    EXPECT_EQ(data.SiteConfig.ClientName, "St Elsewhere General Hosp");
    EXPECT_TRUE(document.Modified());
    auto* postcode = Find<QLineEdit>("txtInstallAdd5");
    Enter(postcode);
    QTest::keyClicks(postcode, "AB12 3CD EFG");
    EXPECT_EQ(data.SiteConfig.InstallerAddress5, "AB12 3CD E");
    auto* service = Find<QLineEdit>("txtServiceNo");
    Enter(service);
    QTest::keyClicks(service, "01234 567890 1234");
    EXPECT_EQ(data.SiteConfig.EngineerNo, "01234 567890 123");
    auto* location = Find<QLineEdit>("txtPanelLocation");
    Enter(location);
    QTest::keyClicks(location, "Ward ");
    QTest::sendKeyEvent(QTest::Click, location, Qt::Key_Eacute, QString(QChar(0xe9)), Qt::NoModifier);
    EXPECT_EQ(data.SiteConfig.PanelLocation, "Ward \xe9") << "8-bit text";
}

TEST_F(SiteConfigTabTest, TypedOrPastedTextBecomesLatin1OrIsRefusedByName) {
    auto* name = Find<QLineEdit>("txtClientName");
    Enter(name);
    test::TypeText(name, QString::fromUtf8("St Ann\u2019s \u2013 Ward"));
    EXPECT_EQ(data.SiteConfig.ClientName, "St Ann's - Ward");
    name->insert(QString::fromUtf8("\u00A03\u2026"));  // as pasted
    EXPECT_EQ(data.SiteConfig.ClientName, "St Ann's - Ward 3...");
    EXPECT_TRUE(prompts.ShownMessages().empty());

    name->insert(QString::fromUtf8(" \u20AC5"));
    QCoreApplication::processEvents();
    EXPECT_EQ(name->text(), "St Ann's - Ward 3...");
    EXPECT_EQ(data.SiteConfig.ClientName, "St Ann's - Ward 3...");
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.LastText(),
              "The character U+20AC cannot be kept in the site configuration, which holds Latin-1 text only. "
              "The text was not changed.");
}

TEST_F(SiteConfigTabTest, DatesAreStoredWithTheMaskBlanks) {
    auto* installed = Find<QLineEdit>("txtInstallDate");
    EXPECT_EQ(installed->displayText(), "__/__/__");
    Enter(installed);
    installed->home(false);
    QTest::keyClicks(installed, "3");
    EXPECT_EQ(data.SiteConfig.InstallDate, "3_/__/__");
    QTest::keyClicks(installed, "1x0");
    EXPECT_EQ(data.SiteConfig.InstallDate, "31/0_/__");
    EXPECT_EQ(data.SiteConfig.CommissionDate, "__/__/__");

    // A key that changes nothing (past the end of the mask) marks nothing.
    auto* commissioned = Find<QLineEdit>("txtCommissionDate");
    Enter(commissioned);
    commissioned->end(false);
    document.SetModified(false);
    QTest::keyClicks(commissioned, "7");
    EXPECT_EQ(commissioned->displayText(), "__/__/__");
    EXPECT_FALSE(document.Modified());
}

TEST_F(SiteConfigTabTest, ReturnMovesThroughTheDetailsAndFromCommissionedOnBackToTheName) {
    const char* order[] = {"txtClientName",  "txtClientAdd1",     "txtClientAdd2",  "txtClientAdd3",
                           "txtClientAdd4",  "txtClientAdd5",     "txtClientTel",   "txtPanelLocation",
                           "txtInstallName", "txtInstallAdd1",    "txtInstallAdd2", "txtInstallAdd3",
                           "txtInstallAdd4", "txtInstallAdd5",    "txtServiceNo",   "txtEngineer",
                           "txtInstallDate", "txtCommissionDate", "txtClientName"};
    Enter(Find<QWidget>(order[0]));
    for (std::size_t n = 1; n < std::size(order); ++n) {
        QTest::keyClick(Focused(), Qt::Key_Return);
        EXPECT_EQ(Focused(), Find<QWidget>(order[n])) << "Return after " << order[n - 1];
    }
    // Tab takes the same way through the details.
    Enter(Find<QWidget>("txtClientAdd5"));
    QTest::keyClick(Focused(), Qt::Key_Tab);
    EXPECT_EQ(Focused(), Find<QWidget>("txtClientTel"));
    Enter(Find<QWidget>("txtInstallDate"));
    QTest::keyClick(Focused(), Qt::Key_Tab);
    EXPECT_EQ(Focused(), Find<QWidget>("txtCommissionDate"));
    // The software version is text only: clicking it leaves the focus where it was.
    QTest::mouseClick(Find<QLabel>("stxtMain"), Qt::LeftButton);
    EXPECT_EQ(Focused(), Find<QWidget>("txtCommissionDate"));
    EXPECT_FALSE(document.Modified());
}

TEST_F(SiteConfigTabTest, ClockAndConnectionPanel) {
    tab->SetClock(QStringLiteral("24/05/2024"), QStringLiteral("12:34:56"));
    tab->SetConnectionStatusText(QStringLiteral("Connected"));
    QLabel* date = Find<QLabel>("stxtCurrentDate");
    QLabel* time = Find<QLabel>("stxtCurrentTime");
    ASSERT_TRUE(date && time);
    EXPECT_EQ(date->text(), "24/05/2024");
    EXPECT_EQ(time->text(), "12:34:56");
    auto* status = Find<QLabel>("stxtConnectedStatus");
    EXPECT_EQ(status->text(), "Connected");
    QSignalSpy clicked(tab, &SiteConfigTab::connectionStatusClicked);
    QTest::mouseClick(status, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_FALSE(document.Modified());
}

TEST_F(SiteConfigTabTest, TheConnectionTextAndItsCaptionStayPutWhateverTheTextSays) {
    auto* status = Find<QLabel>("stxtConnectedStatus");
    QLabel* caption = nullptr;
    for (QLabel* label : tab->findChildren<QLabel*>())
        if (label->text() == "Connection Status :") caption = label;
    ASSERT_TRUE(status && caption);
    std::set<std::pair<int, int>> statusPlaces, captionPlaces;
    for (const char* text : {"Connected", "Attempting to connect...", "Dis-Connected", "Connected"}) {
        tab->SetConnectionStatusText(QString::fromLatin1(text));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        statusPlaces.insert({status->x(), status->width()});
        captionPlaces.insert({caption->x(), caption->width()});
        EXPECT_GE(status->width(), status->fontMetrics().horizontalAdvance(QString::fromLatin1(text)))
            << text;
    }
    EXPECT_EQ(statusPlaces.size(), 1u);
    EXPECT_EQ(captionPlaces.size(), 1u);
}

TEST_F(SiteConfigTabTest, SoftwareVersionFollowsTheModel) {
    auto* version = Find<QLabel>("stxtMain");
    EXPECT_EQ(version->text(), "Not Available");
    data.SiteConfig.MainVersion = "";
    tab->RefreshMainVersion();
    EXPECT_EQ(version->text(), "08A00");
    EXPECT_FALSE(version->focusPolicy() & Qt::TabFocus);
}

// At the main window's default size the page is about 788 x 480.
TEST_F(SiteConfigTabTest, FitsTheDefaultWindowWithoutClippingATitle) {
    const QSize minimum = tab->minimumSizeHint();
    EXPECT_LE(minimum.width(), 788);
    EXPECT_LE(minimum.height(), 480);
    tab->resize(788, 480);
    for (QLabel* label : tab->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    }
    for (QCheckBox* box : tab->findChildren<QCheckBox*>()) {
        EXPECT_GE(box->width(), box->sizeHint().width()) << box->text().toStdString();
    }
}

}  // namespace
}  // namespace kelvane
