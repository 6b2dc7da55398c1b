#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "file/CommentsFile.h"
#include "file/ConfigFile.h"
#include "file/IniFile.h"
#include "support/FileTestSupport.h"
#include "support/SiteEquality.h"
#include "support/SiteSamples.h"

namespace kelvane {
namespace {

using test::ReadText;
using test::TempDir;
using test::WriteText;

constexpr const char* kHeaderOnly = "[Kelvane Header]\r\nFileType=Prog Tools\r\n";

class ConfigFileTest : public ::testing::Test {
protected:
    // Reads `text` as a configuration file at a path of the temporary folder.
    void Read(const std::string& text) {
        WriteText(path, text);
        ASSERT_TRUE(OpenConfigFile(path, data, document).Read());
    }
    ConfigSaveResult Write() { return WriteConfigFile(path, data, document); }

    TempDir dir;
    std::string path = dir.File("Ward.KCF");
    TData data;
    Document document;
};

TEST_F(ConfigFileTest, TheValidityMarkIsCaseSensitiveButItsKeyIsNot) {
    const IniFile good(kHeaderOnly);
    EXPECT_TRUE(IsValidConfigFile(good));
    EXPECT_TRUE(IsValidConfigFile(IniFile("[KELVANE HEADER]\nfiletype=Prog Tools\n")));
    EXPECT_TRUE(IsValidConfigFile(IniFile("[Kelvane Header]\nFileType = \"Prog Tools\" \n")));
    EXPECT_FALSE(IsValidConfigFile(IniFile("[Kelvane Header]\nFileType=prog tools\n")));
    EXPECT_FALSE(IsValidConfigFile(IniFile("[Kelvane Header]\nFileType=Prog Tools 2\n")));
    EXPECT_FALSE(IsValidConfigFile(IniFile("[Other]\nFileType=Prog Tools\n")));
    EXPECT_FALSE(IsValidConfigFile(IniFile("\x89PNG\r\n\x1a\n binary")));
}

TEST_F(ConfigFileTest, TheFileTestReadsTheHeaderAsTheReaderDoes) {
    const std::vector<std::string> texts{
        kHeaderOnly, "[KELVANE HEADER]\nfiletype=Prog Tools",
        "[Kelvane Header]\nFileType = \"Prog Tools\" \n",
        "[Site Config]\r\nClient Name=A\r\n[ Kelvane Header ]\r\nOther=1\r\nFileType=Prog Tools\r\n",
        // Only the first header section counts, and in it the first FileType.
        "[Kelvane Header]\nFileType=Other\nFileType=Prog Tools\n",
        "[Kelvane Header]\nMain Version=08A00\n[Other]\n[Kelvane Header]\nFileType=Prog Tools\n",
        "FileType=Prog Tools\n[Kelvane Header]\n", "[Kelvane Header]\nFileType=Prog Tools\r",
        "[Kelvane Header]\nFileType=prog tools\n", "\x89PNG\r\n\x1a\n binary"};
    for (const std::string& text : texts) {
        WriteText(path, text);
        EXPECT_EQ(TestConfigFile(path).test.Read(), IsValidConfigFile(IniFile(text))) << text;
    }
    EXPECT_EQ(TestConfigFile(path + "-none").test.status, ConfigOpenStatus::Missing);
}

TEST_F(ConfigFileTest, WhatCannotBeASiteFileIsRefusedUnread) {
    data.SiteConfig.ClientName = "Keep me";
    const auto expectUntouched = [this] {
        EXPECT_EQ(data.SiteConfig.ClientName, "Keep me");
        EXPECT_FALSE(IsValidConfigFile(path));
    };
    // A sparse file far larger than memory (a disk image picked under All
    // Files), even one that starts like a site file.
    WriteText(path, kHeaderOnly);
    std::filesystem::resize_file(path, std::uintmax_t{2} << 40);
    ConfigOpenResult opened = OpenConfigFile(path, data, document);
    EXPECT_EQ(opened.status, ConfigOpenStatus::NotValid);
    EXPECT_EQ(opened.message, kNotValidConfigFileMessage);
    expectUntouched();
    // Megabytes of junk that no line of would be a site.
    std::string junk(8u << 20, '\n');
    for (std::size_t i = 0; i < junk.size(); i += 7) junk[i] = static_cast<char>(i * 31 % 251);
    WriteText(path, junk);
    EXPECT_EQ(OpenConfigFile(path, data, document).status, ConfigOpenStatus::NotValid);
    expectUntouched();
    // A named pipe nothing writes to: refused at once, as the file layer says.
    std::filesystem::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    opened = OpenConfigFile(path, data, document);
    EXPECT_EQ(opened.status, ConfigOpenStatus::Unreadable);
    EXPECT_EQ(opened.message, "Unable to read " + path + ": not a regular file");
    expectUntouched();
    // Nor is a site written over it.
    EXPECT_FALSE(WriteConfigFile(path, data, document).saved);
}

TEST_F(ConfigFileTest, ARejectedFileLeavesTheModelAlone) {
    data.SiteConfig.ClientName = "Keep me";
    data.Comments = {"keep"};
    WriteText(path, "[Kelvane Header]\nFileType=Other\n");
    const ConfigOpenResult result = OpenConfigFile(path, data, document);
    EXPECT_EQ(result.status, ConfigOpenStatus::NotValid);
    EXPECT_EQ(result.message, "The selected file is not a valid Kelvane Programming Tools file");
    EXPECT_EQ(data.SiteConfig.ClientName, "Keep me");
    EXPECT_EQ(data.Comments, std::vector<std::string>{"keep"});
    EXPECT_FALSE(IsValidConfigFile(path));

    const ConfigOpenResult missing = OpenConfigFile(dir.File("none.KCF"), data, document);
    EXPECT_EQ(missing.status, ConfigOpenStatus::Missing);
    EXPECT_EQ(missing.message, "Unable to read " + dir.File("none.KCF") + ": No such file or directory");
    EXPECT_EQ(OpenConfigFile(dir.Path().string(), data, document).status, ConfigOpenStatus::Unreadable);
}

TEST_F(ConfigFileTest, AHeaderOnlyFileGivesTheReadersDefaults) {
    data.ZoneList.Zones[3].Name = "Left from before";
    int resets = 0;
    data.OnResetViews = [&] { ++resets; };
    document.SetModified(true);
    Read(kHeaderOnly);

    EXPECT_EQ(resets, 1);
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(document.CustomNamesChanged);
    EXPECT_EQ(data.SiteConfig.MainVersion, "Not Available");
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        const TKDeviceType& device = data.Loop.Device(n);
        EXPECT_EQ(device.DeviceType, 0) << n;
        EXPECT_EQ(device.Allocation, 0) << n;
        EXPECT_EQ(device.PlaceNameIndex, 0) << n;
        EXPECT_EQ(device.Suffix, "") << n;
        EXPECT_EQ(device.Enabled, 0) << n;
    }
    EXPECT_EQ(data.ZoneList.Zones[3].Name, "Zone 3");
    EXPECT_EQ(data.ZoneList.Zones[64].Name, "Zone 64");
    EXPECT_EQ(data.ZoneList.Zones[64].AreaEquation[8], 26);
    EXPECT_EQ(data.ZoneList.Zones[64].DeviceEquation[1], 256);
    // Unlike a new document: group 1 has no area A, and divert entries are 256.
    EXPECT_EQ(data.GroupList.Groups[1].PrimaryAreaEquation[1], 26);
    EXPECT_EQ(data.GroupList.Groups[32].NightAreaEquation[8], 26);
    EXPECT_EQ(data.GroupList.Groups[1].DivertEquation[1], 256);
    EXPECT_EQ(data.CustomNames.Item(0).Name, "Custom 1");
    EXPECT_EQ(data.CustomNames.Item(44).Name, "Custom 45");

    const TKSiteConfig1& site = data.SiteConfig;
    EXPECT_EQ(site.AL2Code, "");
    EXPECT_EQ(site.AL3Code, "");
    EXPECT_EQ(site.CallCode, "");
    EXPECT_EQ(site.AttackCode, "");
    EXPECT_EQ(site.InstallDate, "");
    EXPECT_EQ(site.CommissionDate, "");
    EXPECT_EQ(site.NightModeTime, "19:00");
    EXPECT_EQ(site.DayModeTime, "07:30");
    EXPECT_FALSE(site.AttackState);
    EXPECT_FALSE(site.PagerEnabled);
    EXPECT_EQ(site.PagerLevel, 1);
    EXPECT_EQ(site.LoggerSetting, 1);
    EXPECT_EQ(site.AccTimeout, 1);
    EXPECT_EQ(site.DivTimeout, 1);
    EXPECT_FALSE(site.CopyTime);
    EXPECT_EQ(data.RepeaterList.Repeater(1).Name, "");
    EXPECT_FALSE(data.RepeaterList.Repeater(15).Fitted);
    EXPECT_EQ(data.RepeaterList.PanelName, "Main Panel");
    EXPECT_EQ(data.RepeaterList.Segment, 1);
    EXPECT_TRUE(data.Comments.empty());  // no comments file
}

TEST_F(ConfigFileTest, OnlyOverDoorLightsHaveTheirAllocationLimited) {
    Read(std::string(kHeaderOnly) +
         "[Detector Type]\nD5=7\nD6=1\nD7=7\nD8=7\n"
         "[Detector Zone]\nD5=70\nD6=70\nD7=-1\nD8=64\n");
    EXPECT_EQ(data.Loop.Device(5).Allocation, 0);
    EXPECT_EQ(data.Loop.Device(6).Allocation, 70);
    EXPECT_EQ(data.Loop.Device(7).Allocation, 0);
    EXPECT_EQ(data.Loop.Device(8).Allocation, 64);
}

TEST_F(ConfigFileTest, HexAndJunkValuesInEquationsAndSettings) {
    Read(std::string(kHeaderOnly) +
         "[Zone Config]\nZ3A2=0x19\nZ3A3=abc\nz3z1=$FF\n"
         "[Site Config]\nAccept Timeout=$8\nPager Level=x\nNight Mode AE=7\n");
    EXPECT_EQ(data.ZoneList.Zones[3].AreaEquation[2], 25);
    EXPECT_EQ(data.ZoneList.Zones[3].AreaEquation[3], 26);
    EXPECT_EQ(data.ZoneList.Zones[3].DeviceEquation[1], 255);
    EXPECT_EQ(data.SiteConfig.AccTimeout, 8);
    EXPECT_EQ(data.SiteConfig.PagerLevel, 1);
    EXPECT_TRUE(data.SiteConfig.NightModeAutoEnable);
}

TEST_F(ConfigFileTest, TheVersionIsWrittenThroughGetMainVersionAndReadAsStored) {
    data.SiteConfig.MainVersion = "";
    ASSERT_TRUE(Write().saved);
    EXPECT_EQ(IniFile(ReadText(path)).ReadString("Kelvane Header", "Main Version", ""), "08A00");

    Read(std::string(kHeaderOnly) + "Main Version=07B12\n");
    EXPECT_EQ(data.SiteConfig.MainVersion, "07B12");
    Read(std::string(kHeaderOnly) + "Main Version=\n");
    EXPECT_EQ(data.SiteConfig.MainVersion, "");
}

TEST_F(ConfigFileTest, AFreshFileHasItsSectionsAndKeysInWritingOrder) {
    data.ResetToDefaults();
    ASSERT_TRUE(Write().saved);
    const std::string text = ReadText(path);
    std::vector<std::string> sections;
    std::size_t position = 0;
    while ((position = text.find("\r\n[", position)) != std::string::npos) {
        position += 3;
        sections.push_back(text.substr(position, text.find(']', position) - position));
    }
    EXPECT_TRUE(
        text.starts_with("[Kelvane Header]\r\nFileType=Prog Tools\r\nMain Version=Not Available\r\n"
                         "[Detector Names]\r\nD1=9\r\nDS1=1\r\nD2=0\r\nDS2=\r\n"));
    EXPECT_EQ(sections, (std::vector<std::string>{"Detector Names", "Detector Type", "Detector Zone",
                                                  "Detector Enabled", "Zone Config", "Group Config",
                                                  "Custom Names", "AccessCodes", "Site Config",
                                                  "Repeater Name", "Repeater Fitted", "Network Config"}));
    const auto before = [&](const char* a, const char* b) { return text.find(a) < text.find(b); };
    EXPECT_NE(text.find("[Zone Config]\r\nZone1=Zone 1\r\nZ1A1=26\r\nZ1Z1=256\r\nZ1A2=26\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("[Group Config]\r\nG1P1=0\r\nG1N1=26\r\nG1D1=32\r\nG1P2=26\r\n"), std::string::npos);
    EXPECT_NE(text.find("[AccessCodes]\r\nL2=1212\r\nL3=3131\r\nCallCode=DUAD\r\nAttackCode=DUAD\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("[Site Config]\r\nClient Name=\r\nClient Address 1="), std::string::npos);
    EXPECT_NE(text.find("Install Date=__/__/__\r\nCommission Date=__/__/__\r\nDay Mode Time=07:30\r\n"
                        "Night Mode Time=19:00\r\nNight Mode AE=0\r\n"),
              std::string::npos);
    EXPECT_TRUE(before("Attack Sent Globally=1", "Accept Timeout=1"));
    EXPECT_TRUE(
        text.ends_with("Pager Level=0\r\n[Repeater Name]\r\nRepeater1=Repeater 1\r\n"
                       "Repeater2=Repeater 2\r\nRepeater3=Repeater 3\r\nRepeater4=Repeater 4\r\n"
                       "Repeater5=Repeater 5\r\nRepeater6=Repeater 6\r\nRepeater7=Repeater 7\r\n"
                       "Repeater8=Repeater 8\r\nRepeater9=Repeater 9\r\nRepeater10=Repeater 10\r\n"
                       "Repeater11=Repeater 11\r\nRepeater12=Repeater 12\r\nRepeater13=Repeater 13\r\n"
                       "Repeater14=Repeater 14\r\nRepeater15=Repeater 15\r\n[Repeater Fitted]\r\n"
                       "Repeater1=0\r\nRepeater2=0\r\nRepeater3=0\r\nRepeater4=0\r\nRepeater5=0\r\n"
                       "Repeater6=0\r\nRepeater7=0\r\nRepeater8=0\r\nRepeater9=0\r\nRepeater10=0\r\n"
                       "Repeater11=0\r\nRepeater12=0\r\nRepeater13=0\r\nRepeater14=0\r\nRepeater15=0\r\n"
                       "[Network Config]\r\nPanel Name=Main Panel\r\nSegment Number=1\r\n"));
    EXPECT_EQ(text.find("[Loop]"), std::string::npos);
    EXPECT_EQ(text.find("CopyTime"), std::string::npos);
}

TEST_F(ConfigFileTest, ModelToFileToModelKeepsEverythingTheFileStores) {
    testing::FillSite(data, 7);
    document.SetModified(true);
    ASSERT_TRUE(Write().saved);
    EXPECT_FALSE(document.Modified());

    TData reread;
    Document readDocument;
    ASSERT_TRUE(OpenConfigFile(path, reread, readDocument).Read());
    reread.SiteConfig.CopyTime = data.SiteConfig.CopyTime;  // not stored: false after an open
    testing::ExpectSameSite(data, reread);
    EXPECT_EQ(reread.Loop.Device(256).Suffix, data.Loop.Device(256).Suffix);
    const Equation& divert = reread.GroupList.Groups[32].DivertEquation;
    EXPECT_TRUE(
        std::equal(divert.begin() + 1, divert.end(), data.GroupList.Groups[32].DivertEquation.begin() + 1));
    EXPECT_EQ(reread.Comments, data.Comments);

    // Saving what was read gives the same bytes again.
    const std::string first = ReadText(path);
    ASSERT_TRUE(WriteConfigFile(path, reread, readDocument).saved);
    EXPECT_EQ(ReadText(path), first);
}

TEST_F(ConfigFileTest, SavingOverAFileKeepsWhatWeDoNotWrite) {
    const std::string extra = "[Commissioning Notes]\r\nVisit=12/03/24\r\n; checked\r\n";
    WriteText(path, std::string(kHeaderOnly) + "Installer=old tool\r\n[Loop]\r\nType=2\r\n" + extra);
    data.ResetToDefaults();
    ASSERT_TRUE(Write().saved);
    const std::string text = ReadText(path);
    EXPECT_NE(
        text.find(
            "[Kelvane Header]\r\nFileType=Prog Tools\r\nInstaller=old tool\r\nMain Version=Not Available\r\n"
            "[Loop]\r\nType=2\r\n" +
            extra + "[Detector Names]\r\n"),
        std::string::npos);
}

TEST_F(ConfigFileTest, CommentsLiveBesideTheFileAsCrLfLines) {
    EXPECT_EQ(CommentsFilePath("/sites/Ward.KCF"), "/sites/Ward.RTF");
    EXPECT_EQ(CommentsFilePath("/sites/cfg.txt"), "/sites/cfg.RTF");
    EXPECT_EQ(CommentsFilePath("ab"), "RTF");

    path = dir.File("cfg.txt");
    data.Comments = {"Ward 5", "", "Nurse station"};
    ASSERT_TRUE(Write().saved);
    EXPECT_EQ(ReadText(dir.File("cfg.RTF")), "Ward 5\r\n\r\nNurse station\r\n");

    data.Comments.clear();
    ASSERT_TRUE(Write().saved);
    EXPECT_TRUE(std::filesystem::exists(dir.File("cfg.RTF")));
    EXPECT_EQ(ReadText(dir.File("cfg.RTF")), "");

    WriteText(dir.File("cfg.RTF"), "one\ntwo\r\nthree");
    ASSERT_TRUE(OpenConfigFile(path, data, document).Read());
    EXPECT_EQ(data.Comments, (std::vector<std::string>{"one", "two", "three"}));

    std::filesystem::remove(dir.File("cfg.RTF"));
    ASSERT_TRUE(OpenConfigFile(path, data, document).Read());
    EXPECT_TRUE(data.Comments.empty());
}

}  // namespace
}  // namespace kelvane
