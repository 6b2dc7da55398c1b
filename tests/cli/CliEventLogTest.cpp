#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/cli/EventLogCommands.h"
#include "app/cli/SiteFiles.h"
#include "log/LogFile.h"
#include "model/DeviceCatalogue.h"
#include "sim/ConfigurationPrintout.h"
#include "sim/DemoSite.h"
#include "support/FileTestSupport.h"

namespace kelvane::cli {
namespace {

using Lines = std::vector<std::string>;

struct CliEventLog : ::testing::Test {
    int Run(Command& command, const std::vector<std::string>& arguments) {
        out.str({});
        err.str({});
        CommandIo io{out, err};
        return command.Run(arguments, io);
    }
    std::string WriteLog(const std::string& name, const Lines& lines) {
        std::string error;
        EXPECT_TRUE(WriteLogFile(dir.File(name), lines, error)) << error;
        return dir.File(name);
    }

    test::TempDir dir;
    std::ostringstream out;
    std::ostringstream err;
    std::unique_ptr<Command> convert = MakeConvertCommand();
    std::unique_ptr<Command> log = MakeLogCommand();
};

TEST_F(CliEventLog, ConvertWritesTheSiteThePrintoutDescribes) {
    TData demo;
    sim::BuildDemoSite(demo);
    const std::string logFile = WriteLog("printout.log", sim::ConfigurationPrintout(demo, std::tm{}));
    ASSERT_EQ(Run(*convert, {logFile, dir.File("out.KCF"), "--update-custom-names"}), kExitOk) << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(out.str().rfind("The data has been converted (", 0), 0u) << out.str();
    TData site;
    ASSERT_EQ(ReadSite(dir.File("out.KCF"), site, err), kExitOk);
    EXPECT_EQ(site.Loop.Device(9).DeviceType, demo.Loop.Device(9).DeviceType);
    EXPECT_EQ(site.DevicePlaceName(7), "Nurse Stn");
    EXPECT_EQ(site.CustomNames.Item(0).Name, "Nurse Stn");
    EXPECT_EQ(site.ZoneList.Zones[2].DeviceEquation, demo.ZoneList.Zones[2].DeviceEquation);
    EXPECT_EQ(site.SiteConfig.ClientName, "");  // the rest is the new document's

    // Without the option the unknown names stay unnamed.
    ASSERT_EQ(Run(*convert, {logFile, dir.File("plain.KCF")}), kExitOk) << err.str();
    ASSERT_EQ(ReadSite(dir.File("plain.KCF"), site, err), kExitOk);
    EXPECT_EQ(site.Loop.Device(7).PlaceNameIndex, 0);
}

TEST_F(CliEventLog, ConvertIntoASiteFromAFileKeepsTheRestOfIt) {
    TData demo;
    sim::BuildDemoSite(demo);
    ASSERT_EQ(WriteSite(dir.File("in.KCF"), demo, err), kExitOk);
    std::ofstream(dir.File("one.txt"), std::ios::binary) << "DEVICES\r\n 200 | Z |  |  | 12 | Lounge | 4\r\n";
    ASSERT_EQ(Run(*convert, {dir.File("one.txt"), "--site", dir.File("in.KCF"), dir.File("out.KCF")}),
              kExitOk)
        << err.str();
    TData site;
    ASSERT_EQ(ReadSite(dir.File("out.KCF"), site, err), kExitOk);
    EXPECT_EQ(site.Loop.Device(200).DeviceType, dtOverDoorLight);
    EXPECT_EQ(site.Loop.Device(200).Allocation, 11);
    EXPECT_EQ(site.Loop.Device(200).Suffix, " 4");  // the file keeps the leading blank (quoted)
    EXPECT_EQ(site.SiteConfig.ClientName, demo.SiteConfig.ClientName);
    EXPECT_EQ(site.Loop.Device(9).DeviceType, demo.Loop.Device(9).DeviceType);
}

TEST_F(CliEventLog, ConvertFailuresWriteNothing) {
    struct Case {
        Lines lines;
        const char* message;
    };
    const Case cases[] = {
        {{}, "There is no data to convert, or it may be incorrectly formatted.\n"},
        {{"12:00:01 CALL Bedroom 101"}, "The data is incorrectly formatted.\n"},
        {{"2|C|A|||Lounge|1", "3|Z|A|||Lounge|1"},
         "The data could not be converted at line 2: the zone \"\" is not"},
    };
    for (const Case& c : cases) {
        const std::string logFile = WriteLog("bad.log", c.lines);
        EXPECT_EQ(Run(*convert, {logFile, dir.File("out.KCF")}), kExitNotConverted);
        EXPECT_EQ(err.str().rfind(c.message, 0), 0u) << err.str();
        EXPECT_EQ(out.str(), "");
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.KCF")));
    }
    EXPECT_EQ(Run(*convert, {dir.File("missing.log"), dir.File("out.KCF")}), kExitFailure);
    EXPECT_EQ(err.str(), "Unable to read " + dir.File("missing.log") + ": No such file or directory\n");
    std::ofstream(dir.File("not.KCF")) << "not a configuration\n";
    EXPECT_EQ(Run(*convert, {WriteLog("ok.log", {"2|C|A|||Lounge|1"}), dir.File("out.KCF"), "--site",
                             dir.File("not.KCF")}),
              kExitNotValid);
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"only.log"},
                                                  {"a.log", "b.KCF", "c"},
                                                  {"a.log", "b.KCF", "--site"},
                                                  {"a.log", "b.KCF", "--unknown"}})
        EXPECT_EQ(Run(*convert, wrong), kExitUsage) << wrong.back();
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.KCF")));
}

TEST_F(CliEventLog, ConvertNeverWritesOverItsLogAndSaysWhatItDid) {
    const Lines printout{"2|C|A|||Lounge|1"};
    // The output, or its comments file, is the log itself: refused, the log kept.
    const std::string logFile = WriteLog("site.log", printout);
    const std::string comments = WriteLog("site.RTF", printout);
    const std::string logBytes = test::ReadText(logFile);
    for (const auto& [input, output] :
         {std::pair{logFile, logFile}, std::pair{logFile, dir.Path().string() + "/./site.log"},
          std::pair{comments, dir.File("site.KCF")}}) {
        EXPECT_EQ(Run(*convert, {input, output}), kExitUsage) << output;
        EXPECT_NE(err.str().find(" is the log "), std::string::npos) << err.str();
        EXPECT_EQ(test::ReadText(input), logBytes);
    }
    EXPECT_EQ(dir.EntryCount(), 2u);

    // An output without an extension gets the site file's, so that its
    // comments file is named beside it.
    ASSERT_EQ(Run(*convert, {logFile, dir.File("out")}), kExitOk) << err.str();
    EXPECT_NE(out.str().find("written to " + dir.File("out.KCF") + "\n"), std::string::npos) << out.str();
    EXPECT_TRUE(std::filesystem::exists(dir.File("out.KCF")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("out.RTF")));
    EXPECT_EQ(dir.EntryCount(), 4u);

    // A stop says that nothing was written, and shows the line as the terminal takes it.
    const std::string bad = WriteLog("bad.log", {"2|C|A|||Lounge|1", "3|Z|A|||Lounge\x1b[2J|1"});
    EXPECT_EQ(Run(*convert, {bad, dir.File("new.KCF")}), kExitNotConverted);
    EXPECT_EQ(err.str().find("have been converted"), std::string::npos) << err.str();
    EXPECT_NE(
        err.str().find("\n3|Z|A|||Lounge\\x1b[2J|1\n" + dir.File("new.KCF") + " has not been written.\n"),
        std::string::npos)
        << err.str();
    EXPECT_FALSE(std::filesystem::exists(dir.File("new.KCF")));

    // A named pipe as the log is refused at once, a disk image unread.
    const std::string pipe = dir.File("pipe.log");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(Run(*convert, {pipe, dir.File("new.KCF")}), kExitFailure);
    EXPECT_EQ(err.str(), "Unable to read " + pipe + ": not a regular file\n");
    const std::string image = dir.File("disk.img");
    std::ofstream(image) << "1|C|A|||Lounge|1\n";
    std::filesystem::resize_file(image, std::uintmax_t{2} << 40);
    EXPECT_EQ(Run(*convert, {image, dir.File("new.KCF")}), kExitFailure);
    EXPECT_EQ(err.str(), "Unable to read " + image + ": File too large\n");
}

TEST_F(CliEventLog, LogShowsTheSimulatedControllersTextAndSavesIt) {
    const std::string logFile = dir.File("watched.log");
    ASSERT_EQ(Run(*log, {"--simulate", "--printout", "--seconds", "40", "-o", logFile}), kExitOk)
        << err.str();
    const Lines shown = LogLinesFromBytes(out.str());
    TData demo;
    sim::BuildDemoSite(demo);
    const Lines printout = sim::ConfigurationPrintout(demo, std::tm{});
    ASSERT_GT(shown.size(), printout.size());
    // A blank line and the printout first (its title line carries the time it
    // was printed), then events.
    EXPECT_EQ(shown[0], "");
    EXPECT_EQ(Lines(shown.begin() + 3, shown.begin() + 1 + static_cast<long>(printout.size())),
              Lines(printout.begin() + 2, printout.end()));
    EXPECT_NE(shown.back().find(':'), std::string::npos);
    EXPECT_EQ(ReadLogFile(logFile).Lines, shown);
    EXPECT_EQ(err.str(), std::to_string(shown.size()) + " lines saved to " + logFile + "\n");

    // What it saved converts back into the demo site.
    ASSERT_EQ(Run(*convert, {logFile, dir.File("out.KCF"), "--update-custom-names"}), kExitOk) << err.str();
    TData site;
    ASSERT_EQ(ReadSite(dir.File("out.KCF"), site, err), kExitOk);
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        if (demo.Loop.Device(n).DeviceType == dtRadioReceiver) continue;
        EXPECT_EQ(site.Loop.Device(n).DeviceType, demo.Loop.Device(n).DeviceType) << n;
        EXPECT_EQ(site.DevicePlaceName(n), demo.DevicePlaceName(n)) << n;
    }
}

TEST_F(CliEventLog, LogTraceFileHoldsTheTextLinesAsTheyArrived) {
    const std::string traceFile = dir.File("log.trace");
    ASSERT_EQ(Run(*log, {"--simulate", "--printout", "--seconds", "10", "--trace", traceFile}), kExitOk)
        << err.str();
    const Lines shown = LogLinesFromBytes(out.str());
    const std::string trace = test::ReadText(traceFile);
    EXPECT_EQ(trace.rfind("Kelvane Prog Tools link trace, started ", 0), 0u);
    // Every line shown came in as a text line of the link, in its order.
    std::size_t at = 0;
    for (const std::string& line : shown) {
        if (line.empty()) continue;
        at = trace.find("<- none       text \"" + line + "<LF><CR>\"\n", at);
        ASSERT_NE(at, std::string::npos) << line;
    }
    EXPECT_EQ(trace.substr(trace.size() - 6), "close\n");

    const std::string unwritable = dir.File("no-such-folder/log.trace");
    EXPECT_EQ(Run(*log, {"--simulate", "--seconds", "5", "--trace", unwritable}), kExitFailure);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "Unable to write to " + unwritable + "\n");
    EXPECT_EQ(Run(*log, {"--simulate", "--trace"}), kExitUsage);
}

TEST_F(CliEventLog, LogCommandLines) {
    EXPECT_EQ(Run(*log, {"--simulate", "--seconds", "5"}), kExitOk);
    EXPECT_EQ(err.str(), "");
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{},
                                                  {"--simulate", "--port", "/dev/null"},
                                                  {"--port", "x", "--printout"},
                                                  {"--simulate", "--seconds", "ten"},
                                                  {"--simulate", "-o"},
                                                  {"--simulate", "extra"}})
        EXPECT_EQ(Run(*log, wrong), kExitUsage) << (wrong.empty() ? "" : wrong.back());
    EXPECT_EQ(Run(*log, {"--port", dir.File("no-such-port"), "--seconds", "1"}), kExitFailure);
    EXPECT_EQ(err.str().rfind("Cannot open serial port", 0), 0u) << err.str();
    EXPECT_NE(err.str().find(dir.File("no-such-port")), std::string::npos) << err.str();
}

}  // namespace
}  // namespace kelvane::cli
