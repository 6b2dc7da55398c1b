#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ProgramSettings.h"
#include "file/RecentFiles.h"
#include "support/MemorySettings.h"

namespace kelvane::test {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, MostRecentFirstAndOnceEach) {
    MemorySettings settings;
    RecentFiles recent(settings);
    EXPECT_TRUE(recent.Paths().empty());
    recent.Remember("/sites/A.KCF");
    recent.Remember("/sites/B.KCF");
    recent.Remember("/sites/C.KCF");
    EXPECT_EQ(recent.Paths(), (Paths{"/sites/C.KCF", "/sites/B.KCF", "/sites/A.KCF"}));

    // Opening or saving a file already listed moves it to the top.
    recent.Remember("/sites/A.KCF");
    EXPECT_EQ(recent.Paths(), (Paths{"/sites/A.KCF", "/sites/C.KCF", "/sites/B.KCF"}));
    recent.Remember("/sites/A.KCF");
    EXPECT_EQ(recent.Paths().size(), 3u);
    // Names differing only in case are different files here.
    recent.Remember("/sites/a.kcf");
    EXPECT_EQ(recent.Paths().front(), "/sites/a.kcf");
    EXPECT_EQ(recent.Paths().size(), 4u);
    recent.Remember("");
    EXPECT_EQ(recent.Paths().size(), 4u);
}

TEST(RecentFiles, KeepsTheLastEightAndDropsTheOldest) {
    MemorySettings settings;
    RecentFiles recent(settings);
    for (int n = 1; n <= 10; ++n) recent.Remember("/sites/" + std::to_string(n) + ".KCF");
    const Paths paths = recent.Paths();
    ASSERT_EQ(paths.size(), RecentFiles::kLimit);
    EXPECT_EQ(paths.front(), "/sites/10.KCF");
    EXPECT_EQ(paths.back(), "/sites/3.KCF");
    EXPECT_EQ(settings.List(ProgramSettings::kRecentFilesKey).size(), 8u);

    // A listed file coming back to the top pushes nothing out.
    recent.Remember("/sites/3.KCF");
    EXPECT_EQ(recent.Paths().front(), "/sites/3.KCF");
    EXPECT_EQ(recent.Paths().back(), "/sites/4.KCF");
}

TEST(RecentFiles, LivesInTheSettingsNotInTheObject) {
    MemorySettings settings;
    RecentFiles(settings).Remember("/sites/A.KCF");
    RecentFiles(settings).Remember("/sites/B.KCF");
    // A second copy of the program adds to the same list.
    RecentFiles first(settings);
    RecentFiles second(settings);
    first.Remember("/sites/C.KCF");
    second.Remember("/sites/D.KCF");
    EXPECT_EQ(RecentFiles(settings).Paths(),
              (Paths{"/sites/D.KCF", "/sites/C.KCF", "/sites/B.KCF", "/sites/A.KCF"}));
}

TEST(RecentFiles, AStoreEditedByHandIsReadSafely) {
    MemorySettings settings;
    Paths stored{"", "/sites/A.KCF", "/sites/A.KCF"};
    for (int n = 1; n <= 12; ++n) stored.push_back("/old/" + std::to_string(n) + ".KCF");
    settings.SetList(ProgramSettings::kRecentFilesKey, stored);
    RecentFiles recent(settings);
    const Paths paths = recent.Paths();
    ASSERT_EQ(paths.size(), 8u);
    EXPECT_EQ(paths[0], "/sites/A.KCF");
    EXPECT_EQ(paths[1], "/old/1.KCF");
    recent.Remember("/sites/B.KCF");
    EXPECT_EQ(settings.List(ProgramSettings::kRecentFilesKey).size(), 8u);
    EXPECT_EQ(recent.Paths()[1], "/sites/A.KCF");
}

}  // namespace
}  // namespace kelvane::test
