#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>

#include "app/cli/Cli.h"
#include "app/cli/ControllerTransfer.h"
#include "app/cli/SiteFiles.h"
#include "app/cli/TransferCommands.h"
#include "compare/CompareSamples.h"
#include "sim/DemoSite.h"
#include "support/FileTestSupport.h"

namespace kelvane::cli {
namespace {

using ::testing::HasSubstr;

struct CliCompare : ::testing::Test {
    CliCompare() { sim::BuildDemoSite(demo); }

    int Run(const std::vector<std::string>& arguments) {
        out.str({});
        err.str({});
        CommandIo io{out, err};
        return cli.Run(arguments, io);
    }
    std::string Write(const std::string& name, const TData& data) {
        const std::string path = dir.File(name);
        EXPECT_EQ(WriteSite(path, data, err), kExitOk);
        return path;
    }

    Cli cli = MakeCli();
    test::TempDir dir;
    TData demo;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CliCompare, DiffPrintsEachDifferingFieldAndExitsFourOrZero) {
    TData other;
    sim::BuildDemoSite(other);
    other.Loop.Device(12).Suffix = "9B";
    other.SiteConfig.ClientName = "Ash Court";
    const std::string a = Write("a.KCF", demo);
    const std::string b = Write("b.KCF", other);

    EXPECT_EQ(Run({"diff", a, a}), kExitOk);
    EXPECT_EQ(out.str() + err.str(), "");
    EXPECT_EQ(Run({"diff", a, b}), kExitDifferences);
    EXPECT_EQ(out.str(), "Device 12 Suffix: " + demo.Loop.Device(12).Suffix +
                             " -> 9B\nSite settings ClientName: " + demo.SiteConfig.ClientName +
                             " -> Ash Court\n");

    EXPECT_EQ(Run({"diff", "--json", a, b}), kExitDifferences);
    const QJsonArray array = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).array();
    ASSERT_EQ(array.size(), 2);
    const QJsonObject first = array[0].toObject();
    EXPECT_EQ(first["section"].toString(), "Device");
    EXPECT_EQ(first["record"].toString(), "12");
    EXPECT_EQ(first["field"].toString(), "Suffix");
    EXPECT_EQ(first["b"].toString(), "9B");
    EXPECT_EQ(array[1].toObject()["record"].toString(), "settings");
    EXPECT_EQ(Run({"diff", "--json", a, a}), kExitOk);
    EXPECT_EQ(out.str(), "[\n]\n");
}

TEST_F(CliCompare, DiffRefusesWhatItCannotRead) {
    const std::string a = Write("a.KCF", demo);
    test::WriteText(dir.File("notes.txt"), "[Other]\nx=1\n");
    EXPECT_EQ(Run({"diff", a}), kExitUsage);
    EXPECT_EQ(Run({"diff", a, dir.File("missing.KCF")}), kExitFailure);
    EXPECT_EQ(Run({"diff", dir.File("notes.txt"), a}), kExitNotValid);
    EXPECT_EQ(out.str(), "");
}

TEST_F(CliCompare, VerifyComparesWithTheControllerAndChangesNoFile) {
    const std::string file = Write("demo.KCF", demo);
    const std::string bytes = test::ReadText(file);
    EXPECT_EQ(Run({"verify", file, "--simulate"}), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "The controller holds the configuration in " + file + ".\n");

    TData changed;
    sim::BuildDemoSite(changed);
    changed.ZoneList.Zones[2].AreaEquation[1] = kAreaEmpty;
    changed.SiteConfig.ClientName = "Not compared";
    const std::string other = Write("changed.KCF", changed);
    EXPECT_EQ(Run({"verify", "--simulate", other}), kExitDifferences);
    const std::string printed = out.str();
    EXPECT_THAT(printed, ::testing::StartsWith("Zone 2 AreaEquation: "));
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1);
    EXPECT_EQ(err.str(), "1 difference between " + other + " and the controller.\n");
    EXPECT_EQ(test::ReadText(file), bytes);
    EXPECT_EQ(dir.EntryCount(), 4u);  // the two files and their comments
}

TEST_F(CliCompare, VerifyTraceFileHoldsTheDecodedLoad) {
    const std::string file = Write("demo.KCF", demo);
    const std::string traceFile = dir.File("verify.trace");
    ASSERT_EQ(Run({"verify", file, "--simulate", "--trace", traceFile}), kExitOk) << err.str();
    const std::string trace = test::ReadText(traceFile);
    EXPECT_EQ(trace.rfind("Kelvane Prog Tools link trace, started ", 0), 0u);
    EXPECT_THAT(trace, HasSubstr("-> none       SOH frame 'A' len 0 sum 41 ok\n"));
    EXPECT_THAT(trace, HasSubstr("<- none       frame 'A' len 0 sum 41 ok\n"));
    EXPECT_THAT(trace, ::testing::EndsWith("close\n"));

    const std::string unwritable = dir.File("no-such-folder/verify.trace");
    EXPECT_EQ(Run({"verify", file, "--simulate", "--trace", unwritable}), kExitTransferFailed);
    EXPECT_EQ(err.str(), "Unable to write to " + unwritable + "\n");
}

TEST_F(CliCompare, SaveWithVerifyReportsWhatTheControllerHolds) {
    TData site;
    testing::PopulateEveryField(site);
    const std::string file = Write("site.KCF", site);
    EXPECT_EQ(Run({"save", file, "--simulate", "--verify"}), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "The controller holds the configuration that was saved.\n");

    EXPECT_EQ(Run({"save", file, "--simulate", "--verify", "--corrupt-store", "0.05"}), kExitDifferences);
    EXPECT_THAT(out.str(), HasSubstr(" -> "));
    EXPECT_THAT(err.str(), HasSubstr(" between " + file + " and the controller.\n"));
    // Without --verify the same save reports success.
    EXPECT_EQ(Run({"save", file, "--simulate", "--corrupt-store", "0.05"}), kExitOk);
}

TEST_F(CliCompare, OnATerminalEachPhaseHasALineAboveItsProgress) {
    const std::string file = Write("demo.KCF", demo);
    Console terminal;
    terminal.Terminal = true;
    CommandIo io{out, err};
    EXPECT_EQ(MakeSaveCommand(terminal)->Run({file, "--simulate", "--verify"}, io), kExitOk);
    const std::string shown = err.str();
    const std::size_t saving = shown.find(std::string(ControllerVerify::kSavePhase) + "\n\r");
    const std::size_t reading = shown.find("\n" + std::string(ControllerVerify::kVerifyPhase) + "\n\r");
    ASSERT_NE(saving, std::string::npos);
    ASSERT_NE(reading, std::string::npos);
    EXPECT_LT(saving, reading);
    EXPECT_THAT(shown, ::testing::EndsWith("\nThe controller holds the configuration that was saved.\n"));
}

TEST_F(CliCompare, WrongVerifyCommandLines) {
    const std::string file = Write("demo.KCF", demo);
    EXPECT_EQ(Run({"verify", file}), kExitUsage);
    EXPECT_EQ(Run({"verify", file, "--simulate", "--verify"}), kExitUsage);
    EXPECT_EQ(Run({"load", "--simulate", "--verify", dir.File("x.KCF")}), kExitUsage);
    EXPECT_EQ(Run({"save", file, "--port", "/dev/null", "--corrupt-store", "0.1"}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("--corrupt-store needs --simulate"));
    EXPECT_EQ(Run({"save", file, "--simulate", "--corrupt-store", "2"}), kExitUsage);
    EXPECT_EQ(Run({"save", file, "--simulate", "--corrupt-store"}), kExitUsage);
    EXPECT_EQ(Run({"verify", dir.File("missing.KCF"), "--simulate"}), kExitFailure);
}

}  // namespace
}  // namespace kelvane::cli
