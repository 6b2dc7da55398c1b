// A load from the controller is one step of the undo history: a load that
// replaced unsaved work can be taken back, and nothing is undone while a
// transfer runs.
#include <QAction>
#include <QToolButton>

#include "DesktopLinkFixture.h"
#include "WindowControls.h"
#include "file/EditHistory.h"

namespace kelvane::test {
namespace {

TEST_F(DesktopLinkTest, ALoadThatReplacedUnsavedWorkIsUndoneAsOneStepAndNothingIsUndoneWhileItRuns) {
    const TData& controller = *connection->SimulatedControllerSite();
    RunFor(6000);
    data.Loop.Device(30).Suffix = "mine";
    document.Changed("Change Device 30 Suffix");
    ASSERT_NE(controller.Loop.Device(30).Suffix, "mine");
    auto* undo = Child<QAction>(*window, "Undo1");

    prompts.Queue(PromptAnswer::No);  // the unsaved work is let go
    Child<QToolButton>(*window, "btnLoadAllFromPanel")->click();
    ASSERT_TRUE(RunUntil([&] { return data.Loop.Device(30).Suffix != "mine"; }));
    ASSERT_TRUE(window->Status().Visible());
    EXPECT_FALSE(undo->isEnabled());
    window->UndoClick();
    EXPECT_EQ(data.Loop.Device(30).Suffix, controller.Loop.Device(30).Suffix);

    ASSERT_TRUE(RunUntil([&] { return !window->Status().Visible(); }));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo Load from Controller");
    undo->trigger();
    EXPECT_EQ(data.Loop.Device(30).Suffix, "mine");
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(window->History().UndoStep(), "Change Device 30 Suffix");
    undo->trigger();
    EXPECT_FALSE(document.Modified());
    Child<QAction>(*window, "Redo1")->trigger();
    Child<QAction>(*window, "Redo1")->trigger();
    EXPECT_EQ(data.Loop.Device(30).Suffix, controller.Loop.Device(30).Suffix);
    EXPECT_TRUE(document.Modified());
}

}  // namespace
}  // namespace kelvane::test
