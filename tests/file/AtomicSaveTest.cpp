#include <gtest/gtest.h>
#include <sys/stat.h>

#include "file/AtomicWriter.h"
#include "file/ConfigFile.h"
#include "support/FileTestSupport.h"

namespace kelvane {
namespace {

using test::FindOtherUser;
using test::OtherUser;
using test::ReadText;
using test::RunAs;
using test::TempDir;
using test::WriteText;

// The tests may run as root, for whom file permissions refuse nothing: the
// permission tests run their saves in a child process as another user.
class AtomicSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        data.ResetToDefaults();
        data.SiteConfig.ClientName = "New client";
        document.SetModified(true);
    }

    TempDir dir;
    TData data;
    Document document;
};

TEST_F(AtomicSaveTest, AFolderThatDoesNotExistRefusesTheSave) {
    const std::string path = dir.File("no such folder/Ward.KCF");
    const ConfigSaveResult result = WriteConfigFile(path, data, document);
    EXPECT_FALSE(result.saved);
    EXPECT_EQ(result.message, "Unable to write to " + path);
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(dir.EntryCount(), 0u);
}

TEST_F(AtomicSaveTest, APathThatIsAFolderRefusesTheSave) {
    const std::string path = dir.File("Ward.KCF");
    std::filesystem::create_directory(path);
    const ConfigSaveResult result = WriteConfigFile(path, data, document);
    EXPECT_FALSE(result.saved);
    EXPECT_EQ(result.message, "Unable to write to " + path);
    EXPECT_TRUE(document.Modified());
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST_F(AtomicSaveTest, ARefusedCommentsFileLeavesTheOldConfigurationWhole) {
    const std::string path = dir.File("Ward.KCF");
    const std::string old =
        "[Kelvane Header]\r\nFileType=Prog Tools\r\n[Site Config]\r\nClient Name=Old client\r\n";
    WriteText(path, old);
    std::filesystem::create_directory(dir.File("Ward.RTF"));

    const ConfigSaveResult result = WriteConfigFile(path, data, document);
    EXPECT_FALSE(result.saved);
    EXPECT_EQ(result.message, "Unable to write to " + dir.File("Ward.RTF"));
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(ReadText(path), old);
    EXPECT_EQ(dir.EntryCount(), 2u);  // no temporary file left behind
}

TEST_F(AtomicSaveTest, ReplacingKeepsTheFilesPermissionsAndLinks) {
    const std::string real = dir.File("real.KCF");
    const std::string link = dir.File("link.KCF");
    WriteText(real, "[Kelvane Header]\r\nFileType=Prog Tools\r\n");
    ::chmod(real.c_str(), 0640);
    std::filesystem::create_symlink(real, link);

    const ConfigSaveResult result = WriteConfigFile(link, data, document);
    ASSERT_TRUE(result.saved) << result.message;
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_NE(ReadText(real).find("Client Name=New client"), std::string::npos);
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

// Saves as a user other than root into a folder of that user's.
class PermissionSaveTest : public AtomicSaveTest {
protected:
    void SetUp() override {
        AtomicSaveTest::SetUp();
        const std::optional<OtherUser> other = FindOtherUser();
        if (!other) GTEST_SKIP() << "running as root and there is no user \"nobody\" to save as";
        user = *other;
        ASSERT_EQ(::chown(dir.Path().c_str(), user.uid, user.gid), 0);
    }

    // Saves `path` as the other user and reports what differed from a refusal
    // that leaves everything as it was.
    void ExpectRefusedAsOtherUser(const std::string& path, const std::string& failedPath) {
        const std::size_t entries = dir.EntryCount();
        const std::optional<std::string> report = RunAs(user, [&]() -> std::string {
            const ConfigSaveResult result = WriteConfigFile(path, data, document);
            if (result.saved) return "the save went through";
            if (result.message != "Unable to write to " + failedPath) return "message: " + result.message;
            if (!document.Modified()) return "the document is no longer modified";
            return {};
        });
        if (!report) GTEST_SKIP() << "cannot take the identity of another user here";
        EXPECT_EQ(*report, "");
        EXPECT_EQ(dir.EntryCount(), entries);  // no temporary file left
    }

    OtherUser user{};
};

TEST_F(PermissionSaveTest, AReadOnlyFileIsRefusedAndKept) {
    const std::string path = dir.File("Ward.KCF");
    const std::string old = "[Kelvane Header]\r\nFileType=Prog Tools\r\n";
    WriteText(path, old);
    ASSERT_EQ(::chown(path.c_str(), user.uid, user.gid), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    ExpectRefusedAsOtherUser(path, path);
    EXPECT_EQ(ReadText(path), old);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0444u);
    EXPECT_EQ(info.st_uid, user.uid);
}

TEST_F(PermissionSaveTest, SomeoneElsesFileInASharedFolderIsRefused) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs a file of another user's, which only root can make";
    const std::string path = dir.File("Shared.KCF");
    const std::string old = "[Kelvane Header]\r\nFileType=Prog Tools\r\n";
    WriteText(path, old);
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);  // root's, readable by all
    ExpectRefusedAsOtherUser(path, path);
    EXPECT_EQ(ReadText(path), old);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 0u);
}

TEST_F(PermissionSaveTest, AReadOnlyCommentsFileRefusesTheWholeSave) {
    const std::string path = dir.File("Ward.KCF");
    const std::string old = "[Kelvane Header]\r\nFileType=Prog Tools\r\n";
    WriteText(path, old);
    WriteText(dir.File("Ward.RTF"), "kept\r\n");
    for (const char* name : {"Ward.KCF", "Ward.RTF"})
        ASSERT_EQ(::chown(dir.File(name).c_str(), user.uid, user.gid), 0);
    ASSERT_EQ(::chmod(dir.File("Ward.RTF").c_str(), 0444), 0);
    ExpectRefusedAsOtherUser(path, dir.File("Ward.RTF"));
    EXPECT_EQ(ReadText(path), old);
    EXPECT_EQ(ReadText(dir.File("Ward.RTF")), "kept\r\n");
}

TEST_F(PermissionSaveTest, AWritableFileKeepsItsModeAndOwnerAsTheOtherUserSavesIt) {
    const std::string path = dir.File("Ward.KCF");
    WriteText(path, "[Kelvane Header]\r\nFileType=Prog Tools\r\n");
    ASSERT_EQ(::chown(path.c_str(), user.uid, user.gid), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
    const std::optional<std::string> report = RunAs(user, [&]() -> std::string {
        const ConfigSaveResult result = WriteConfigFile(path, data, document);
        return result.saved ? std::string() : result.message;
    });
    if (!report) GTEST_SKIP() << "cannot take the identity of another user here";
    EXPECT_EQ(*report, "");
    EXPECT_NE(ReadText(path).find("Client Name=New client"), std::string::npos);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0604u);
    EXPECT_EQ(info.st_uid, user.uid);
}

TEST_F(AtomicSaveTest, AFileOfAnotherUserKeepsItsOwnerAndGroupWhenRootSavesIt) {
    const std::optional<OtherUser> other = FindOtherUser();
    if (::geteuid() != 0 || !other) GTEST_SKIP() << "only root may give a file to another user";
    const std::string path = dir.File("Ward.KCF");
    WriteText(path, "[Kelvane Header]\r\nFileType=Prog Tools\r\n");
    ASSERT_EQ(::chown(path.c_str(), other->uid, other->gid), 0);
    const ConfigSaveResult result = WriteConfigFile(path, data, document);
    ASSERT_TRUE(result.saved) << result.message;
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, other->uid);
    EXPECT_EQ(info.st_gid, other->gid);
}

TEST_F(AtomicSaveTest, AnUncommittedWriterLeavesNothingBehind) {
    const std::string path = dir.File("a.txt");
    WriteText(path, "old");
    {
        AtomicWriter writer;
        ASSERT_TRUE(writer.Stage(path, "new"));
        EXPECT_EQ(ReadText(path), "old");
    }
    EXPECT_EQ(ReadText(path), "old");
    EXPECT_EQ(dir.EntryCount(), 1u);
    EXPECT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(ReadText(path), "new");
    EXPECT_EQ(dir.EntryCount(), 1u);
}

}  // namespace
}  // namespace kelvane
