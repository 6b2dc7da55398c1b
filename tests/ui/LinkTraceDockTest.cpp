#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "comms/LinkTrace.h"
#include "core/ManualClock.h"
#include "file/FileBytes.h"
#include "support/ScriptedPrompts.h"
#include "ui/controller/LinkTraceDock.h"

namespace kelvane::test {
namespace {

class LinkTraceDockTest : public ::testing::Test {
protected:
    void SetUp() override {
        trace.SetRecording(true);
        dock.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dock));
    }

    void Record(TraceKind kind, const std::string& bytes) {
        TraceEntry entry;
        entry.TimeMs = trace.ElapsedMs();
        entry.Direction = TraceDirection::Received;
        entry.Kind = kind;
        entry.Bytes = bytes;
        entry.ChecksumValid = true;
        trace.Record(entry);
        clock.Advance(10);
    }

    QStringList Shown() const {
        const QString text = dock.txtTrace->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }

    ManualClock clock;
    LinkTrace trace{clock};
    ScriptedPrompts prompts;
    LinkTraceDock dock{trace, prompts};
};

TEST_F(LinkTraceDockTest, ShowsNewEntriesInBatchesAndCatchesUpAfterAPause) {
    Record(TraceKind::Frame, std::string("A\0A", 3));
    Record(TraceKind::Ack, "\x06");
    EXPECT_TRUE(Shown().isEmpty());  // nothing until the batch
    dock.RefreshView();
    ASSERT_EQ(Shown().size(), 2);
    EXPECT_EQ(Shown()[0].toStdString(), "         0 <- none       frame 'A' len 0 sum 41 ok");
    EXPECT_EQ(Shown()[1].toStdString(), "        10 <- none       ACK");
    EXPECT_EQ(dock.lblCount->text(), "2 entries");

    dock.chkPause->setChecked(true);
    Record(TraceKind::Text, "Fire Zone 3\r");
    dock.RefreshView();
    EXPECT_EQ(Shown().size(), 2);
    dock.chkPause->setChecked(false);
    ASSERT_EQ(Shown().size(), 3);
    EXPECT_EQ(Shown()[2].toStdString(), "        20 <- none       text \"Fire Zone 3<CR>\"");
}

TEST_F(LinkTraceDockTest, FiltersToFramesOrTextAndClearsTheTrace) {
    Record(TraceKind::Frame, std::string("A\0A", 3));
    Record(TraceKind::Text, "Reset\r");
    Record(TraceKind::Nak, "\x15");
    dock.RefreshView();
    dock.cboFilter->setCurrentIndex(2);  // Text
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_TRUE(Shown()[0].endsWith("text \"Reset<CR>\""));
    dock.cboFilter->setCurrentIndex(1);  // Frames
    ASSERT_EQ(Shown().size(), 2);
    EXPECT_TRUE(Shown()[1].endsWith("NAK"));
    dock.cboFilter->setCurrentIndex(0);
    EXPECT_EQ(Shown().size(), 3);

    dock.btnClearClick();
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_TRUE(trace.Entries().empty());
    Record(TraceKind::Ack, "\x06");
    dock.RefreshView();
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_TRUE(Shown()[0].endsWith("ACK"));
    EXPECT_EQ(dock.lblCount->text(), "1 entries");
}

TEST_F(LinkTraceDockTest, SavesWhatTheFilterShowsOrSaysItCannot) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("trace.txt").toStdString();
    Record(TraceKind::Frame, std::string("A\0A", 3));
    Record(TraceKind::Text, "Reset\r");
    dock.cboFilter->setCurrentIndex(1);
    dock.AskSavePath = [&] { return std::optional<std::string>(path); };
    dock.btnSaveClick();
    EXPECT_TRUE(prompts.ShownMessages().empty());
    EXPECT_EQ(ReadFileBytes(path).bytes,
              TraceFileHeader(trace.StartedAt()) + "         0 <- none       frame 'A' len 0 sum 41 ok\n");

    const std::string unwritable = dir.filePath("missing/trace.txt").toStdString();
    dock.AskSavePath = [&] { return std::optional<std::string>(unwritable); };
    dock.btnSaveClick();
    ASSERT_EQ(prompts.ShownMessages().size(), 1u);
    EXPECT_EQ(prompts.LastText(), "Unable to write to " + unwritable);
    EXPECT_EQ(prompts.ShownMessages().back().kind, PromptKind::Error);

    dock.AskSavePath = [] { return std::optional<std::string>(); };  // cancelled
    dock.btnSaveClick();
    EXPECT_EQ(prompts.ShownMessages().size(), 1u);
}

}  // namespace
}  // namespace kelvane::test
