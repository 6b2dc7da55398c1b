#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "file/FileBytes.h"
#include "fuzz/targets/FuzzTargets.h"

namespace kelvane::fuzz {
namespace {

namespace fs = std::filesystem;

fs::path TestData() {
    const char* dir = std::getenv("KELVANE_TEST_DATA");
    return dir ? fs::path(dir) : fs::path("tests/data");
}

std::vector<fs::path> FilesIn(const fs::path& dir) {
    std::vector<fs::path> files;
    if (!fs::is_directory(dir)) return files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    return files;
}

void RunAll(const Target& target, const std::vector<fs::path>& files) {
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        const FileBytes input = ReadFileBytes(file.string());
        ASSERT_EQ(input.status, FileReadStatus::Read);
        target.Run(reinterpret_cast<const std::uint8_t*>(input.bytes.data()), input.bytes.size());
    }
}

// Every input that once made a fuzz target fail is kept under
// tests/data/fuzz/<target>/ and must now pass.
TEST(FuzzRegressions, EveryKeptInputPasses) {
    for (const Target& target : Targets()) {
        SCOPED_TRACE(target.Name);
        RunAll(target, FilesIn(TestData() / "fuzz" / target.Name));
    }
}

// The seeds the fuzzing starts from, and the empty input.
TEST(FuzzRegressions, SeedsAndTheEmptyInputPass) {
    const fs::path corpus = TestData().parent_path().parent_path() / "fuzz" / "corpus";
    for (const Target& target : Targets()) {
        SCOPED_TRACE(target.Name);
        const std::vector<fs::path> seeds = FilesIn(corpus / target.Name);
        EXPECT_FALSE(seeds.empty());
        RunAll(target, seeds);
        target.Run(nullptr, 0);
    }
}

}  // namespace
}  // namespace kelvane::fuzz
