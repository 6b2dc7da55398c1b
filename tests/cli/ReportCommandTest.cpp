#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <sstream>

#include "app/cli/Cli.h"
#include "app/cli/SiteFiles.h"
#include "log/LogFile.h"
#include "sim/DemoSite.h"
#include "support/PdfFiles.h"

namespace kelvane::test {
namespace {

class ReportCommandTest : public ::testing::Test {
protected:
    // The command draws with fonts, which need a GUI application: one for
    // these tests, as a run of the command line has one for its report.
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "test_cli";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = new QGuiApplication(argc, argv);
    }
    static void TearDownTestSuite() {
        delete application;
        application = nullptr;
    }
    void SetUp() override {
        TData demo;
        sim::BuildDemoSite(demo);
        std::ostringstream ignored;
        ASSERT_EQ(cli::WriteSite(Path("demo.KCF"), demo, ignored), cli::kExitOk);
    }
    std::string Path(const char* name) const {
        return folder.filePath(QString::fromLatin1(name)).toStdString();
    }
    int Run(std::vector<std::string> arguments) {
        out.str("");
        err.str("");
        arguments.insert(arguments.begin(), "report");
        cli::CommandIo io{out, err};
        return cli::MakeCli().Run(arguments, io);
    }
    int PdfPages(const char* name) const {
        QFile file(QString::fromStdString(Path(name)));
        return file.open(QIODevice::ReadOnly) ? CountPdfPages(file.readAll()) : -1;
    }

    static inline QGuiApplication* application = nullptr;
    QTemporaryDir folder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ReportCommandTest, WritesTheWholeReportAsAPdf) {
    ASSERT_EQ(Run({Path("demo.KCF"), "-o", Path("all.pdf")}), cli::kExitOk) << err.str();
    EXPECT_EQ(PdfPages("all.pdf"), 11);  // site, 6 device pages, 2 zone pages, groups, comments

    const std::optional<QString> text = PdfText(QString::fromStdString(Path("all.pdf")));
    if (!text) GTEST_SKIP() << "pdftotext is not installed";
    for (const char* expected : {"Rowan House", "Loop Configuration", "Zone Routing Table",
                                 "Group Routing Table", "Comments", "Page 10", "Network Controller"})
        EXPECT_TRUE(text->contains(QString::fromLatin1(expected))) << expected;
    EXPECT_FALSE(text->contains(QStringLiteral("Event Log")));
}

TEST_F(ReportCommandTest, LogAddsTheEventLogSectionFromALogFile) {
    const std::vector<std::string> lines = {"12:01 CALL Lounge", "12:02 ACCEPT Lounge", "12:05 RESET Lounge"};
    std::string error;
    ASSERT_TRUE(WriteLogFile(Path("events.log"), lines, error)) << error;
    ASSERT_EQ(
        Run({Path("demo.KCF"), "-o", Path("log.pdf"), "--sections", "site", "--log", Path("events.log")}),
        cli::kExitOk)
        << err.str();
    EXPECT_EQ(PdfPages("log.pdf"), 2);  // site information, event log
    // --log adds the section to the default choice too.
    ASSERT_EQ(Run({Path("demo.KCF"), "--log", Path("events.log"), "-o", Path("all.pdf")}), cli::kExitOk);
    EXPECT_EQ(PdfPages("all.pdf"), 12);

    const std::optional<QString> text = PdfText(QString::fromStdString(Path("log.pdf")));
    if (!text) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(text->contains(QStringLiteral("Event Log")));
    for (const std::string& line : lines) EXPECT_TRUE(text->contains(QString::fromStdString(line))) << line;
}

TEST_F(ReportCommandTest, AMissingLogFileWritesNoReport) {
    EXPECT_EQ(Run({Path("demo.KCF"), "-o", Path("log.pdf"), "--log", Path("missing.log")}),
              cli::kExitFailure);
    EXPECT_EQ(err.str().rfind("Unable to read " + Path("missing.log"), 0), 0u) << err.str();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("log.pdf"))));
    EXPECT_EQ(Run({Path("demo.KCF"), "-o", Path("log.pdf"), "--log"}), cli::kExitUsage);
}

TEST_F(ReportCommandTest, SectionsScopeAndOrder) {
    ASSERT_EQ(Run({Path("demo.KCF"), "-o", Path("none.pdf"), "--sections", ""}), cli::kExitOk);
    EXPECT_EQ(PdfPages("none.pdf"), 1);
    ASSERT_EQ(Run({Path("demo.KCF"), "-o", Path("fitted.pdf"), "--sections", "devices", "--fitted-only",
                   "--order", "type"}),
              cli::kExitOk);
    EXPECT_EQ(PdfPages("fitted.pdf"), 2);
    ASSERT_EQ(Run({Path("demo.KCF"), "-o", Path("two.pdf"), "--sections", "site,groups"}), cli::kExitOk);
    EXPECT_EQ(PdfPages("two.pdf"), 2);
}

TEST_F(ReportCommandTest, RefusesWhatIsNotAConfigurationFileAndBadCommandLines) {
    {
        QFile notSite(QString::fromStdString(Path("notes.KCF")));
        ASSERT_TRUE(notSite.open(QIODevice::WriteOnly));
        notSite.write("just some notes\n");
    }
    EXPECT_EQ(Run({Path("notes.KCF"), "-o", Path("notes.pdf")}), cli::kExitNotValid);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("notes.pdf"))));
    EXPECT_NE(err.str().find("The selected file is not a valid Kelvane Programming Tools file"),
              std::string::npos)
        << err.str();

    EXPECT_EQ(Run({Path("demo.KCF")}), cli::kExitUsage);
    EXPECT_EQ(Run({Path("demo.KCF"), "-o", Path("x.pdf"), "--sections", "site,maps"}), cli::kExitUsage);
    EXPECT_NE(err.str().find("unknown section \"maps\""), std::string::npos);
    EXPECT_EQ(Run({Path("demo.KCF"), "-o", Path("x.pdf"), "--order", "name"}), cli::kExitUsage);
    EXPECT_EQ(Run({Path("demo.KCF"), "-o", Path("missing/x.pdf")}), cli::kExitFailure);
}

}  // namespace
}  // namespace kelvane::test
