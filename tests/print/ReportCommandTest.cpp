#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <sstream>

#include "PrintTestSupport.h"
#include "app/cli/Cli.h"
#include "app/cli/SiteFiles.h"
#include "panel-sim/DemoSite.h"

namespace kelvane::test {
namespace {

class ReportCommandTest : public ::testing::Test {
protected:
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

    QTemporaryDir folder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ReportCommandTest, WritesTheWholeReportAsAPdf) {
    ASSERT_EQ(Run({Path("demo.KCF"), "-o", Path("all.pdf")}), cli::kExitOk) << err.str();
    EXPECT_EQ(PdfPages("all.pdf"), 11);  // site, 6 device pages, 2 zone pages, groups, comments

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QProcess reader;
    reader.start(pdftotext, {QString::fromStdString(Path("all.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished(10000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    for (const char* expected : {"Rowan House", "Loop Configuration", "Zone Routing Table",
                                 "Group Routing Table", "Comments", "Page 10", "Network Controller"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected;
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
