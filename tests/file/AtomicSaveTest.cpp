#include <gtest/gtest.h>
#include <sys/stat.h>

#include "FileTestSupport.h"
#include "file/AtomicWriter.h"
#include "file/ConfigFile.h"

namespace kelvane {
namespace {

using test::ReadText;
using test::TempDir;
using test::WriteText;

// The tests run as root, for whom file permissions refuse nothing, so the
// refused writes below are ones that fail for everybody: a folder that does
// not exist, and a target that is a folder.
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
