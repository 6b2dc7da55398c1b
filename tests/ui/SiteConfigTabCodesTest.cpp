#include <QLineEdit>
#include <QStackedWidget>

#include "SiteConfigTabFixture.h"

namespace kelvane {
namespace {

constexpr const char* kAccessLevelError = "Error. Access Level code must have 4 digits";

TEST_F(SiteConfigTabTest, AccessLevelBoxTakesOnlyTheDigitsOneToThree) {
    auto* box = Find<QLineEdit>("txtLvl2");
    Enter(box);
    Retype(box, "40a2315");
    EXPECT_EQ(box->text(), "231");
    EXPECT_EQ(data.SiteConfig.AL2Code, "231");
    QTest::keyClicks(box, "3");
    QTest::keyClicks(box, "3");
    EXPECT_EQ(data.SiteConfig.AL2Code, "2313") << "at most four characters";
    EXPECT_TRUE(document.Modified());
}

TEST_F(SiteConfigTabTest, StoredTextsLongerThanTheirBoxesShowWholeAndOnlyTypingIsLimited) {
    const std::string longName(30, 'N');
    data.SiteConfig.AL2Code = "12312";
    data.SiteConfig.AL3Code = "1234";  // a digit that cannot be typed
    data.SiteConfig.CallCode = "DUADU";
    data.SiteConfig.ClientName = longName;
    tab->FillSiteConfigTab();
    auto* level2 = Find<QLineEdit>("txtLvl2");
    auto* client = Find<QLineEdit>("txtClientName");
    EXPECT_EQ(level2->text(), "12312");
    EXPECT_EQ(Find<QLineEdit>("txtLvl3")->text(), "1234");
    EXPECT_EQ(Find<QLineEdit>("txtCallCode")->text(), "DUADU");
    EXPECT_EQ(client->text().toStdString(), longName);

    // A code of five digits does not pass the exit check.
    Enter(Find<QLineEdit>("txtLvl3"));
    QTest::keyClick(Find<QLineEdit>("txtLvl3"), Qt::Key_Home);
    QTest::keyClicks(Find<QLineEdit>("txtLvl3"), "4");
    EXPECT_EQ(Find<QLineEdit>("txtLvl3")->text(), "1234");
    Enter(level2);
    QTest::keyClick(level2, Qt::Key_End);
    QTest::keyClicks(level2, "1");
    EXPECT_EQ(level2->text(), "12312");
    EXPECT_FALSE(document.Modified());
    away->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.LastText(), kAccessLevelError);
    EXPECT_FALSE(document.CodesValid);
    QTest::keyClick(level2, Qt::Key_Backspace);
    EXPECT_EQ(data.SiteConfig.AL2Code, "1231");
    away->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(document.CodesValid);
    EXPECT_EQ(prompts.ShownMessages().size(), 1u);

    // A long text can be shortened, never lengthened.
    client->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(client, Qt::Key_End);
    QTest::keyClicks(client, "x");
    EXPECT_EQ(client->text().toStdString(), longName);
    QTest::keyClick(client, Qt::Key_Backspace);
    QTest::keyClicks(client, "x");
    EXPECT_EQ(data.SiteConfig.ClientName, std::string(29, 'N'));
    client->clear();
    QTest::keyClicks(client, QString(30, QLatin1Char('y')));
    EXPECT_EQ(data.SiteConfig.ClientName, std::string(25, 'y'));
}

TEST_F(SiteConfigTabTest, ResetCodeShowsAsTypedAndIsStoredInUpperCase) {
    auto* box = Find<QLineEdit>("txtCallCode");
    Enter(box);
    Retype(box, "u");
    EXPECT_EQ(box->text(), "u");
    EXPECT_EQ(data.SiteConfig.CallCode, "U");
    QTest::keyClicks(box, "x1dAa");
    EXPECT_EQ(box->text(), "udAa");
    EXPECT_EQ(data.SiteConfig.CallCode, "UDAA");
    EXPECT_EQ(data.SiteConfig.AttackCode, "DUAD");
    EXPECT_TRUE(document.Modified());
}

TEST_F(SiteConfigTabTest, EnteringAnAccessLevelBoxClearsCodesValidAndLeavingItCompleteSetsIt) {
    for (const char* name : {"txtLvl2", "txtLvl3"}) {
        auto* box = Find<QLineEdit>(name);
        Enter(box);
        EXPECT_FALSE(document.CodesValid) << name;
        away->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(document.CodesValid) << name;
    }
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

TEST_F(SiteConfigTabTest, LeavingAShortAccessLevelCodeReportsOnceAndReturnsTheFocus) {
    auto* box = Find<QLineEdit>("txtLvl2");
    Enter(box);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    bool validWhileShown = true;
    prompts.OnShown = [&](const ScriptedPrompts::Shown&) { validWhileShown = document.CodesValid; };

    away->setFocus(Qt::TabFocusReason);  // what Save does before it tests the codes

    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.ShownMessages()[0].text, kAccessLevelError);
    EXPECT_EQ(prompts.ShownMessages()[0].kind, PromptKind::Error);
    EXPECT_EQ(prompts.ShownMessages()[0].buttons, PromptButtons::Ok);
    EXPECT_FALSE(validWhileShown);
    EXPECT_FALSE(document.CodesValid);
    EXPECT_EQ(Focused(), box);

    // Every further attempt to leave is reported again; a fourth digit lets it go.
    away->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(prompts.ShownMessages().size(), 2u);
    EXPECT_EQ(Focused(), box);
    QTest::keyClicks(box, "3");
    away->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(prompts.ShownMessages().size(), 2u);
    EXPECT_TRUE(document.CodesValid);
    EXPECT_EQ(Focused(), away);
}

TEST_F(SiteConfigTabTest, AnEmptyAccessLevelCodeIsReportedToo) {
    auto* box = Find<QLineEdit>("txtLvl3");
    Enter(box);
    Retype(box, "");
    away->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(prompts.LastText(), kAccessLevelError);
    EXPECT_EQ(Focused(), box);
    EXPECT_FALSE(document.CodesValid);
}

// A real message box takes the focus to its own window while it is shown and
// gives it back when it closes; the check must neither run again for that nor
// lose the box.
TEST_F(SiteConfigTabTest, AMessageWindowTakingTheFocusDoesNotRepeatTheCheck) {
    auto* box = Find<QLineEdit>("txtLvl2");
    Enter(box);
    Retype(box, "12");
    prompts.OnShown = [&](const ScriptedPrompts::Shown&) { FocusAnotherWindowAndReturn(); };
    away->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(Focused(), box);
    EXPECT_FALSE(document.CodesValid);
}

TEST_F(SiteConfigTabTest, SwitchingToAnotherWindowIsNotLeavingTheBox) {
    auto* box = Find<QLineEdit>("txtLvl2");
    Enter(box);
    Retype(box, "12");
    FocusAnotherWindowAndReturn();
    EXPECT_TRUE(prompts.ShownMessages().empty());
    EXPECT_EQ(Focused(), box);
    away->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(prompts.ShownMessages().size(), 1u);
}

TEST_F(SiteConfigTabTest, ShortResetCodesAreReportedWithTheirOwnMessageButDoNotBlock) {
    const std::pair<const char*, const char*> boxes[] = {
        {"txtCallCode", "Error. Call Accept code must have 4 characters"},
        {"txtAttackCode", "Error. Attack Accept code must have 4 characters"}};
    for (const auto& [name, message] : boxes) {
        auto* box = Find<QLineEdit>(name);
        Enter(box);
        EXPECT_TRUE(document.CodesValid) << "entering " << name << " leaves the codes valid";
        Retype(box, "uda");
        away->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(prompts.LastText(), message);
        EXPECT_EQ(Focused(), box);
        EXPECT_TRUE(document.CodesValid);
        QTest::keyClicks(box, "a");
        away->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(Focused(), away);
    }
    EXPECT_EQ(prompts.ShownMessages().size(), 2u);
}

TEST_F(SiteConfigTabTest, ACompleteResetCodeDoesNotValidateAShortAccessLevelCode) {
    auto* level2 = Find<QLineEdit>("txtLvl2");
    auto* call = Find<QLineEdit>("txtCallCode");
    level2->setText(QStringLiteral("123"));
    document.CodesValid = false;
    Enter(call);
    away->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(document.CodesValid);

    level2->setText(QStringLiteral("1231"));
    Enter(call);
    away->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(document.CodesValid);
}

TEST_F(SiteConfigTabTest, SwitchingPagesAwayFromAShortCodeReportsItOnceAndKeepsCodesInvalid) {
    // The tab on a page of a stacked widget, as in the main window.
    QStackedWidget pages;
    QPushButton otherPage(QStringLiteral("other page"));
    tab->setParent(nullptr);
    pages.addWidget(tab);
    pages.addWidget(&otherPage);
    pages.show();
    QApplication::setActiveWindow(&pages);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pages));
    auto* box = Find<QLineEdit>("txtLvl2");
    Enter(box);
    Retype(box, "12");

    pages.setCurrentIndex(1);

    EXPECT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.LastText(), kAccessLevelError);
    EXPECT_FALSE(document.CodesValid);
    EXPECT_NE(Focused(), box) << "keys must not go to a box that cannot be seen";
    pages.removeWidget(tab);
    tab->setParent(&window);
}

TEST_F(SiteConfigTabTest, ClosingTheWindowIsNotLeavingTheBox) {
    auto* box = Find<QLineEdit>("txtLvl2");
    Enter(box);
    Retype(box, "12");
    window.close();
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

TEST_F(SiteConfigTabTest, DestroyingTheTabIsNotLeavingTheBox) {
    auto* box = Find<QLineEdit>("txtLvl2");
    Enter(box);
    Retype(box, "12");
    delete tab;
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

}  // namespace
}  // namespace kelvane
