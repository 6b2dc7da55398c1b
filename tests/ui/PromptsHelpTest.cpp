// A message that offers Help: the help opens and the message stays to be
// answered. Enter answers a question with its safe button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <vector>

#include "ui/platform/QtPrompts.h"

namespace kelvane::test {
namespace {

// Presses `button` on the next message box, then on the ones after it.
void PressInTurn(std::vector<QMessageBox::StandardButton> buttons, std::vector<int>& helpShownBefore,
                 const std::vector<int>& helpShown) {
    if (buttons.empty()) return;
    QTimer::singleShot(0, [buttons, &helpShownBefore, &helpShown]() mutable {
        ASSERT_TRUE(QTest::qWaitFor(
            [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }, 2000));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        helpShownBefore.push_back(static_cast<int>(helpShown.size()));
        QAbstractButton* target = box->button(buttons.front());
        ASSERT_NE(target, nullptr);
        buttons.erase(buttons.begin());
        PressInTurn(buttons, helpShownBefore, helpShown);
        target->click();
    });
}

TEST(QtPromptsHelp, HelpOpensTheContextAndPutsTheMessageUpAgain) {
    QtPrompts prompts;
    std::vector<int> helpShown;
    std::vector<int> helpShownBefore;
    prompts.SetHelpViewer([&](int context) { helpShown.push_back(context); });
    PressInTurn({QMessageBox::Help, QMessageBox::Ok}, helpShownBefore, helpShown);
    EXPECT_EQ(prompts.AskWithHelp(PromptKind::Warning, "Tick it first", PromptButtons::Ok, 10),
              PromptAnswer::Ok);
    EXPECT_EQ(helpShown, std::vector<int>{10});
    EXPECT_EQ(helpShownBefore, (std::vector<int>{0, 1}));  // shown twice, the help between
}

TEST(QtPromptsHelp, WithoutAHelpViewerTheMessageHasNoHelpButton) {
    QtPrompts prompts;
    bool hadHelp = true;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(QTest::qWaitFor(
            [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }, 2000));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        hadHelp = box->button(QMessageBox::Help) != nullptr;
        box->button(QMessageBox::Ok)->click();
    });
    prompts.AskWithHelp(PromptKind::Warning, "Tick it first", PromptButtons::Ok, 10);
    EXPECT_FALSE(hadHelp);
}

// Enter gives No on a Yes/No question, where Yes removes or replaces
// something; on a save question (Yes/No/Cancel) it saves.
TEST(QtPromptsDefault, EnterKeepsWhatIsThereOnAYesNoQuestion) {
    QtPrompts prompts;
    const auto answerWithEnter = [&](PromptButtons buttons) {
        QTimer::singleShot(0, [] {
            ASSERT_TRUE(QTest::qWaitFor(
                [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }, 2000));
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
        });
        return prompts.Ask(PromptKind::Warning, "Remove it?", buttons);
    };
    EXPECT_EQ(answerWithEnter(PromptButtons::YesNo), PromptAnswer::No);
    EXPECT_EQ(answerWithEnter(PromptButtons::YesNoCancel), PromptAnswer::Yes);
}

}  // namespace
}  // namespace kelvane::test
