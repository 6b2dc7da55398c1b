#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "log/LogFile.h"
#include "support/FileTestSupport.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

class LogFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kelvane-log-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all);
        fs::remove_all(folder);
    }
    std::string PathOf(const std::string& name) const { return (folder / name).string(); }
    void WriteRaw(const std::string& name, const std::string& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
    }

    fs::path folder;
};

TEST_F(LogFileTest, ASavedLogLoadsBackLineForLine) {
    const std::vector<std::string> lines{"12:00:01 CALL Bedroom 101", "", "  5|Z| | |12|Lounge| 4",
                                         "\xe9\\{}"};
    std::string error;
    ASSERT_TRUE(WriteLogFile(PathOf("night.log"), lines, error)) << error;
    const LogFileRead read = ReadLogFile(PathOf("night.log"));
    ASSERT_TRUE(read.Read) << read.Error;
    EXPECT_EQ(read.Lines, lines);

    // Saving again overwrites the file whole.
    ASSERT_TRUE(WriteLogFile(PathOf("night.log"), {"only"}, error));
    EXPECT_EQ(ReadLogFile(PathOf("night.log")).Lines, std::vector<std::string>{"only"});
}

TEST_F(LogFileTest, AFileThatIsNotRtfReadsAsPlainText) {
    WriteRaw("printout.txt", "DEVICES\r\n  2|C|A|||Lounge|1\n");
    EXPECT_EQ(ReadLogFile(PathOf("printout.txt")).Lines,
              (std::vector<std::string>{"DEVICES", "  2|C|A|||Lounge|1"}));
}

TEST_F(LogFileTest, ReadErrorsNameTheFileAndTheReason) {
    LogFileRead read = ReadLogFile(PathOf("missing.log"));
    EXPECT_FALSE(read.Read);
    EXPECT_EQ(read.Error, "Unable to read " + PathOf("missing.log") + ": No such file or directory");
    fs::create_directory(PathOf("folder.log"));
    read = ReadLogFile(PathOf("folder.log"));
    EXPECT_FALSE(read.Read);
    EXPECT_EQ(read.Error, "Unable to read " + PathOf("folder.log") + ": Is a directory");
}

TEST_F(LogFileTest, AFailedWriteNamesTheFileAndTheReason) {
    std::string error;
    fs::create_directory(PathOf("folder.log"));
    EXPECT_FALSE(WriteLogFile(PathOf("folder.log"), {"x"}, error));
    EXPECT_EQ(error, "Unable to write to " + PathOf("folder.log") + ": Is a directory");
    EXPECT_FALSE(WriteLogFile(PathOf("no-folder/x.log"), {"x"}, error));
    EXPECT_EQ(error, "Unable to write to " + PathOf("no-folder/x.log") + ": No such file or directory");
}

TEST_F(LogFileTest, AFailedWriteKeepsTheOldFile) {
    std::string error;
    ASSERT_TRUE(WriteLogFile(PathOf("kept.log"), {"old"}, error));
    // Root writes into read-only folders and files, so the writes are made
    // as a user other than root whose folder and file they are.
    const std::optional<test::OtherUser> user = test::FindOtherUser();
    if (!user) GTEST_SKIP() << "running as root and there is no user \"nobody\" to write as";
    for (const std::string& path : {folder.string(), PathOf("kept.log")})
        ASSERT_EQ(::chown(path.c_str(), user->uid, user->gid), 0) << path;
    const auto writeAsUser = [&] {
        const std::optional<std::string> refusal = test::RunAs(*user, [this]() -> std::string {
            std::string reason;
            return WriteLogFile(PathOf("kept.log"), {"new"}, reason) ? "the write went through" : reason;
        });
        return refusal;
    };
    const auto entries = [&] {
        return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    };

    // A read-only folder: no file can be made beside the old one.
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    const std::optional<std::string> refusal = writeAsUser();
    if (!refusal) GTEST_SKIP() << "cannot take the identity of another user here";
    EXPECT_EQ(*refusal, "Unable to write to " + PathOf("kept.log") + ": Permission denied");
    EXPECT_EQ(ReadLogFile(PathOf("kept.log")).Lines, std::vector<std::string>{"old"});
    EXPECT_EQ(entries(), 1);  // nothing left over

    // A read-only file in a writable folder: refused for what it is.
    fs::permissions(folder, fs::perms::owner_all);
    fs::permissions(PathOf("kept.log"), fs::perms::owner_read);
    EXPECT_EQ(writeAsUser().value_or(""), "Unable to write to " + PathOf("kept.log") + ": Permission denied");
    EXPECT_EQ(ReadLogFile(PathOf("kept.log")).Lines, std::vector<std::string>{"old"});
    EXPECT_EQ(entries(), 1);
}

}  // namespace
}  // namespace kelvane
