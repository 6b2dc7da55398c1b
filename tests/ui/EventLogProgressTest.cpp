#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <functional>

#include "DocumentFakes.h"
#include "log/LogFile.h"
#include "support/ScriptedPrompts.h"
#include "ui/eventlog/EventLogTab.h"

namespace kelvane::test {
namespace {

using Lines = std::vector<std::string>;

// A clock that moves on by `stepMs` every time it is read: each step of a
// load or save seems to take that long.
class TickingClock : public Clock {
public:
    std::uint64_t NowMs() const override { return now_ += stepMs; }
    std::tm LocalTime() const override { return {}; }
    std::uint64_t stepMs = 200;

private:
    mutable std::uint64_t now_ = 0;
};

// The log tab on its own, over a log file long enough to be read and shown
// in several parts.
class EventLogProgressTest : public ::testing::Test {
protected:
    void SetUp() override {
        tab.SetFileDialogs(&dialogs);
        tab.show();
        for (int n = 1; n <= 20000; ++n) longLog.push_back("12:00:01 CALL Bedroom " + std::to_string(n));
        std::string error;
        ASSERT_TRUE(WriteLogFile(Path("long.log"), longLog, error)) << error;
        tab.SetLines({"kept 1", "kept 2"});
    }
    void TearDown() override { stopWatching = true; }

    std::string Path(const char* name) const {
        return folder.filePath(QString::fromLatin1(name)).toStdString();
    }
    QProgressDialog* Window() { return tab.findChild<QProgressDialog*>(QStringLiteral("ProgressWindow")); }

    // Runs `act` with the progress window once it has come up and its bar
    // has passed `permille`, while the work goes on.
    void WhenProgressPasses(int permille, std::function<void(QProgressDialog&)> act) {
        watch = [this, permille, act] {
            if (stopWatching) return;
            QProgressDialog* window = Window();
            if (window && window->value() > permille) {
                act(*window);
                return;
            }
            QTimer::singleShot(0, &tab, watch);
        };
        QTimer::singleShot(0, &tab, watch);
    }

    QTemporaryDir folder;
    TData data;
    Document document;
    ScriptedPrompts prompts;
    ScriptedFileDialogs dialogs;
    TickingClock clock;
    EventLogTab tab{data, document, prompts, clock};
    Lines longLog;
    std::function<void()> watch;
    bool stopWatching = false;
};

TEST_F(EventLogProgressTest, ALongLoadShowsItsProgressAndEndsWithTheWholeLog) {
    bool shown = false;
    WhenProgressPasses(0, [&](QProgressDialog& window) {
        shown = true;
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.windowModality(), Qt::WindowModal);
    });
    dialogs.QueueOpen(Path("long.log"));
    tab.LoadLogFromDisk();
    EXPECT_TRUE(shown);
    EXPECT_EQ(Window(), nullptr) << "the window goes with the work";
    EXPECT_EQ(tab.Lines(), longLog);
    EXPECT_EQ(tab.EventLog->blockCount(), 20000);
    EXPECT_EQ(tab.EventLog->document()->firstBlock().text(), QStringLiteral("12:00:01 CALL Bedroom 1"));
    EXPECT_TRUE(prompts.ShownMessages().empty());
}

TEST_F(EventLogProgressTest, WorkThatTakesHalfASecondOrLessShowsNoWindow) {
    clock.stepMs = 0;
    bool shown = false;
    WhenProgressPasses(-1, [&](QProgressDialog&) { shown = true; });
    dialogs.QueueOpen(Path("long.log"));
    tab.LoadLogFromDisk();
    dialogs.QueueSave(Path("copy.log"));
    tab.SaveLogToDisk();
    QCoreApplication::processEvents();
    EXPECT_FALSE(shown);
    EXPECT_EQ(ReadLogFile(Path("copy.log")).Lines, longLog);
}

TEST_F(EventLogProgressTest, CancelWhileReadingOrShowingLeavesTheLogAsItWasAndLinesThatCameFollowIt) {
    for (const int permille : {0, 500}) {  // reading the file takes the first fifth of the bar
        SCOPED_TRACE(permille);
        WhenProgressPasses(permille, [&](QProgressDialog& window) {
            tab.AppendLine("came meanwhile");
            window.cancel();
        });
        dialogs.QueueOpen(Path("long.log"));
        tab.LoadLogFromDisk();
        EXPECT_EQ(tab.Lines(), (Lines{"kept 1", "kept 2", "came meanwhile"}));
        EXPECT_EQ(tab.EventLog->toPlainText(), QStringLiteral("kept 1\nkept 2\ncame meanwhile"));
        EXPECT_TRUE(prompts.ShownMessages().empty());
        tab.SetLines({"kept 1", "kept 2"});
    }
}

TEST_F(EventLogProgressTest, ALongSaveCancelledLeavesTheFileAsItWas) {
    std::string error;
    ASSERT_TRUE(WriteLogFile(Path("saved.log"), {"saved before"}, error));
    tab.SetLines(longLog);
    WhenProgressPasses(0, [&](QProgressDialog& window) {
        tab.AppendLine("came meanwhile");
        window.cancel();
    });
    dialogs.QueueSave(Path("saved.log"));
    tab.SaveLogToDisk();
    EXPECT_EQ(ReadLogFile(Path("saved.log")).Lines, Lines{"saved before"});
    EXPECT_TRUE(prompts.ShownMessages().empty());
    EXPECT_EQ(tab.Lines().back(), "came meanwhile");
    EXPECT_EQ(tab.Lines().size(), longLog.size() + 1);
}

}  // namespace
}  // namespace kelvane::test
