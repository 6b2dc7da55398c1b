#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <filesystem>
#include <sstream>

#include "app/cli/ConsolePrompts.h"
#include "app/cli/SiteFiles.h"
#include "app/cli/TransferCommands.h"
#include "app/cli/TransferProgress.h"
#include "file/FileBytes.h"
#include "sim/DemoSite.h"
#include "support/FileTestSupport.h"
#include "support/SiteSamples.h"

namespace kelvane::cli {
namespace {

struct CliTransfer : ::testing::Test {
    int Run(Command& command, const std::vector<std::string>& arguments) {
        out.str({});
        err.str({});
        CommandIo io{out, err};
        return command.Run(arguments, io);
    }

    test::TempDir dir;
    std::ostringstream out;
    std::ostringstream err;
    std::unique_ptr<Command> load = MakeLoadCommand({});
    std::unique_ptr<Command> save = MakeSaveCommand({});
};

TEST_F(CliTransfer, LoadFromTheSimulatedControllerWritesTheDemoSite) {
    const std::string file = dir.File("demo.KCF");
    ASSERT_EQ(Run(*load, {"--simulate", file}), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "");  // not a terminal: no progress line
    TData loaded;
    ASSERT_EQ(ReadSite(file, loaded, err), kExitOk);
    TData demo;
    sim::BuildDemoSite(demo);
    testing::ExpectTravellingFieldsEqual(demo, loaded);
    EXPECT_TRUE(std::filesystem::exists(dir.File("demo.RTF")));
}

TEST_F(CliTransfer, SaveToTheSimulatedControllerCompletes) {
    const std::string file = dir.File("site.KCF");
    TData site;
    testing::PopulateTravellingFields(site, "08A00");
    ASSERT_EQ(WriteSite(file, site, err), kExitOk);
    EXPECT_EQ(Run(*save, {file, "--simulate"}), kExitOk) << err.str();
    EXPECT_EQ(Run(*save, {"--time", "--simulate", file}), kExitOk) << err.str();
    EXPECT_EQ(out.str() + err.str(), "");
}

TEST_F(CliTransfer, APortThatCannotOpenFailsWithTheSystemsMessageAndWritesNothing) {
    const std::string file = dir.File("out.KCF");
    EXPECT_EQ(Run(*load, {"--port", dir.File("no-such-port"), file}), kExitTransferFailed);
    EXPECT_EQ(err.str(),
              "Cannot open serial port " + dir.File("no-such-port") + ": No such file or directory\n");
    EXPECT_EQ(dir.EntryCount(), 0u);

    TData site;
    site.ResetToDefaults();
    ASSERT_EQ(WriteSite(file, site, err), kExitOk);
    EXPECT_EQ(Run(*save, {file, "--port", dir.File("no-such-port")}), kExitTransferFailed);
    EXPECT_EQ(err.str(),
              "Cannot open serial port " + dir.File("no-such-port") + ": No such file or directory\n");
}

TEST_F(CliTransfer, WrongCommandLinesAndFiles) {
    const std::string file = dir.File("out.KCF");
    EXPECT_EQ(Run(*load, {file}), kExitUsage);
    EXPECT_NE(err.str().find("give either --port DEVICE or --simulate"), std::string::npos);
    EXPECT_EQ(Run(*load, {"--simulate", "--port", "/dev/ttyS0", file}), kExitUsage);
    EXPECT_EQ(Run(*load, {"--simulate"}), kExitUsage);
    EXPECT_EQ(Run(*load, {"--simulate", "--time", file}), kExitUsage);  // --time is for saving
    EXPECT_EQ(Run(*load, {"--simulate", file, "other.KCF"}), kExitUsage);
    EXPECT_EQ(Run(*save, {file, "--port"}), kExitUsage);
    EXPECT_EQ(dir.EntryCount(), 0u);
    EXPECT_EQ(Run(*save, {dir.File("missing.KCF"), "--simulate"}), kExitFailure);
}

TEST_F(CliTransfer, TraceFileHoldsTheDecodedExchangeOfALoadAndASave) {
    const std::string site = dir.File("demo.KCF");
    const std::string loadTrace = dir.File("load.trace");
    ASSERT_EQ(Run(*load, {"--trace", loadTrace, "--simulate", site}), kExitOk) << err.str();
    const std::string loaded = ReadFileBytes(loadTrace).bytes;
    EXPECT_EQ(loaded.rfind("Kelvane Prog Tools link trace, started ", 0), 0u);
    EXPECT_NE(loaded.find("-> none       SOH frame 'A' len 0 sum 41 ok\n"), std::string::npos);
    EXPECT_NE(loaded.find("<- none       frame 'A' len 0 sum 41 ok\n"), std::string::npos);
    EXPECT_NE(loaded.find("-> none       SOH frame '\\' len 0 sum 5C ok\n"), std::string::npos);
    EXPECT_NE(loaded.find("-> none       SOH frame 'p' len 1 data 2D \"-\" sum 9E ok\n"), std::string::npos);
    EXPECT_EQ(loaded.substr(loaded.size() - 6), "close\n");

    const std::string saveTrace = dir.File("save.trace");
    ASSERT_EQ(Run(*save, {site, "--simulate", "--trace", saveTrace}), kExitOk) << err.str();
    const std::string saved = ReadFileBytes(saveTrace).bytes;
    EXPECT_NE(saved.find("<- none       ACK\n"), std::string::npos);
    EXPECT_EQ(saved.find("RESEND"), std::string::npos);
}

TEST_F(CliTransfer, AnUnwritableTraceFileStopsBeforeAnythingIsSent) {
    const std::string file = dir.File("out.KCF");
    EXPECT_EQ(Run(*load, {"--simulate", "--trace", dir.File("no-such-folder/t.txt"), file}),
              kExitTransferFailed);
    EXPECT_EQ(err.str(), "Unable to write to " + dir.File("no-such-folder/t.txt") + "\n");
    EXPECT_EQ(dir.EntryCount(), 0u);
    EXPECT_EQ(Run(*load, {"--simulate", file, "--trace"}), kExitUsage);
    EXPECT_NE(err.str().find("--trace needs a file"), std::string::npos);
}

// Writes past `bytes` fail in this process while it lives, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*handler_)(int);
};

TEST_F(CliTransfer, ATraceThatCannotBeWrittenToTheEndFailsTheCommand) {
    const std::string site = dir.File("demo.KCF");
    ASSERT_EQ(Run(*load, {"--simulate", site}), kExitOk) << err.str();
    const std::string trace = dir.File("save.trace");
    {
        FileSizeLimit full(8192);
        EXPECT_EQ(Run(*save, {site, "--simulate", "--trace", trace}), kExitTransferFailed);
    }
    EXPECT_EQ(err.str(), "Unable to write to " + trace + ": the trace is incomplete\n");
    EXPECT_EQ(std::filesystem::file_size(trace), 8192u);
}

TEST_F(CliTransfer, ProgressLineOnlyOnATerminal) {
    Console terminal;
    terminal.Terminal = true;
    std::unique_ptr<Command> loadOnTerminal = MakeLoadCommand(terminal);
    ASSERT_EQ(Run(*loadOnTerminal, {"--simulate", dir.File("demo.KCF")}), kExitOk);
    const std::string shown = err.str();
    EXPECT_NE(shown.find("\rLoading data for device 1 "), std::string::npos);
    EXPECT_NE(shown.find("\rLoading custom place name 45"), std::string::npos);
    EXPECT_EQ(shown.back(), '\n');
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 1);
}

// The percentages a progress line showed, in order.
std::vector<int> ShownPercentages(const std::string& shown) {
    std::vector<int> percentages;
    for (std::size_t end = shown.find('%'); end != std::string::npos; end = shown.find('%', end + 1)) {
        std::size_t start = end;
        while (start > 0 && std::isdigit(static_cast<unsigned char>(shown[start - 1]))) --start;
        if (start < end) percentages.push_back(std::stoi(shown.substr(start, end - start)));
    }
    return percentages;
}

TEST_F(CliTransfer, TheProgressLineCountsTheWholeTransferAndOnlyItemsThatExist) {
    Console terminal;
    terminal.Terminal = true;
    const std::string site = dir.File("demo.KCF");
    ASSERT_EQ(Run(*MakeLoadCommand(terminal), {"--simulate", site}), kExitOk);
    ASSERT_EQ(Run(*MakeSaveCommand(terminal), {site, "--simulate"}), kExitOk);
    const std::string saved = err.str();
    ASSERT_EQ(Run(*MakeLoadCommand(terminal), {"--simulate", site}), kExitOk);
    for (const std::string& shown : {err.str(), saved}) {
        EXPECT_EQ(shown.find("custom place name 46"), std::string::npos);
        EXPECT_EQ(shown.find("Zone 65"), std::string::npos);
        EXPECT_EQ(shown.find("zone 65"), std::string::npos);
        // One figure from start to end, never going back at a new section.
        const std::vector<int> percentages = ShownPercentages(shown);
        ASSERT_GT(percentages.size(), 300u);
        EXPECT_TRUE(std::is_sorted(percentages.begin(), percentages.end()));
        EXPECT_LE(percentages.front(), 1);
        EXPECT_EQ(percentages.back(), 100);
    }
}

TEST(TransferProgress, AControllerOf32ZonesHasNoZone33) {
    TransferProgress progress([] { return 32; });
    EXPECT_TRUE(progress.NamesAnItem("Loading data for Zone 32"));
    EXPECT_FALSE(progress.NamesAnItem("Loading data for Zone 33"));
    EXPECT_TRUE(progress.NamesAnItem("Saving data for zone 32"));
    EXPECT_FALSE(progress.NamesAnItem("Loading custom place name 46"));
    EXPECT_TRUE(progress.NamesAnItem("Establishing communications with the panel"));
    TransferStatus status;
    status.Widen(TransferStatus::List::Load);
    const auto percentAt = [&](const char* text) {
        status.SetStatusText(text);
        return progress.Percent(status).value_or(-1);
    };
    // 256 devices, 32 zones, 32 groups, 8 settings, 45 names.
    EXPECT_EQ(percentAt("Loading data for device 1"), 0);
    EXPECT_EQ(percentAt("Loading data for Zone 1"), 257 * 100 / 373);
    EXPECT_EQ(percentAt("Loading data for Group 1"), 289 * 100 / 373);
    EXPECT_EQ(percentAt("Loading Access codes"), 323 * 100 / 373);
    EXPECT_EQ(percentAt("Loading custom place name 45"), 100);
    EXPECT_EQ(percentAt("Loading version information"), -1);
}

TEST_F(CliTransfer, TheProgressLineNeverPassesAHundredPercent) {
    Console terminal;
    terminal.Terminal = true;
    const std::string site = dir.File("demo.KCF");
    ASSERT_EQ(Run(*load, {"--simulate", site}), kExitOk);
    // A whole save sends the custom names on the site chain's step, whose
    // progress bar still counts the 32 groups.
    ASSERT_EQ(Run(*MakeSaveCommand(terminal), {site, "--simulate"}), kExitOk);
    const std::string shown = err.str();
    EXPECT_NE(shown.find("\rSaving custom place name 45"), std::string::npos);
    EXPECT_EQ(shown.find("140%"), std::string::npos);
}

TEST(ConsolePrompts, QuestionsAreAnsweredOnTheTerminalOrStop) {
    std::ostringstream err;
    std::istringstream typed("\n  x\n r\n");
    ConsolePrompts onTerminal(err, &typed);
    EXPECT_EQ(onTerminal.Ask(PromptKind::Warning, "Fit the link.", PromptButtons::AbortRetry),
              PromptAnswer::Retry);
    EXPECT_EQ(err.str(), "Fit the link.\n[A]bort/[R]etry? [A]bort/[R]etry? [A]bort/[R]etry? ");
    // The end of the input stops.
    EXPECT_EQ(onTerminal.Ask(PromptKind::Warning, "Again?", PromptButtons::AbortRetry), PromptAnswer::Abort);

    err.str({});
    ConsolePrompts unattended(err, nullptr);
    EXPECT_EQ(unattended.Ask(PromptKind::Warning, "Fit the link.", PromptButtons::AbortRetry),
              PromptAnswer::Abort);
    EXPECT_EQ(unattended.Ask(PromptKind::Confirmation, " Sure?", PromptButtons::YesNo), PromptAnswer::No);
    EXPECT_EQ(unattended.Ask(PromptKind::Error, "Error: cannot communicate with panel", PromptButtons::Ok),
              PromptAnswer::Ok);
    EXPECT_EQ(err.str(),
              "Fit the link.\n(no terminal to answer on: Abort)\n Sure?\n(no terminal to answer on: No)\n"
              "Error: cannot communicate with panel\n");
}

}  // namespace
}  // namespace kelvane::cli
