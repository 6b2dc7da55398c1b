#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>

#include "app/cli/Cli.h"
#include "file/ConfigFile.h"
#include "routing/RoutingSites.h"
#include "support/FileTestSupport.h"

namespace kelvane {
namespace {

class CliRoutingTest : public ::testing::Test {
protected:
    int Run(std::vector<std::string> arguments) {
        out.str("");
        err.str("");
        cli::CommandIo io{out, err, cli::TerminalText("UTF-8")};
        return cli::MakeCli().Run(arguments, io);
    }

    std::string Write(const TData& data, const std::string& name) {
        const std::string path = dir.File(name);
        Document document;
        EXPECT_TRUE(WriteConfigFile(path, data, document).saved);
        return path;
    }

    QJsonArray JsonOut() const {
        const QByteArray text = QByteArray::fromStdString(out.str());
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(text, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << out.str();
        return document.array();
    }

    test::TempDir dir;
    std::ostringstream out;
    std::ostringstream err;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST_F(CliRoutingTest, RoutesListsAreasThenFittedDevicesInTextAndJson) {
    TData data;
    test::WardSite(data);
    const std::string path = Write(data, "ward.KCF");

    EXPECT_EQ(Run({"routes", path}), 0);
    const std::vector<std::string> lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 26u + 8u);
    EXPECT_EQ(lines[0],
              "area A -> zones none; groups by day none; at night none; diverts none; outputs none");
    EXPECT_EQ(lines[2], "area C -> zones 1 4; groups by day 2; at night 5; diverts 7; outputs 12 13 40 41");
    EXPECT_EQ(lines[25].substr(0, 10), "area Z -> ");
    EXPECT_EQ(lines[30], "device 20 -> zones 1; groups by day 7; at night none; diverts none; outputs 12 42");
    EXPECT_EQ(err.str(), "");

    EXPECT_EQ(Run({"routes", "--json", path}), 0);
    const QJsonArray routes = JsonOut();
    ASSERT_EQ(routes.size(), 34);
    const QJsonObject c = routes[2].toObject();
    EXPECT_EQ(c.keys(), (QStringList{"diverts", "groupsDay", "groupsNight", "outputs", "source", "zones"}));
    EXPECT_EQ(c["source"].toString(), "area C");
    EXPECT_EQ(c["zones"].toArray(), (QJsonArray{1, 4}));
    EXPECT_EQ(c["groupsDay"].toArray(), QJsonArray{2});
    EXPECT_EQ(c["groupsNight"].toArray(), QJsonArray{5});
    EXPECT_EQ(c["diverts"].toArray(), QJsonArray{7});
    EXPECT_EQ(c["outputs"].toArray(), (QJsonArray{12, 13, 40, 41}));
    EXPECT_EQ(routes[26].toObject()["source"].toString(), "device 10");
    EXPECT_EQ(routes[0].toObject()["outputs"].toArray(), QJsonArray{});
}

TEST_F(CliRoutingTest, CheckListsFindingsAndExitsFiveOnAnErrorOrWarning) {
    TData data;
    test::WardSite(data);
    data.Loop.Device(13).DeviceType = dtNotFitted;  // zone 4 loses its light
    test::SetTerms(data.ZoneList.Zones[4].DeviceEquation, {199}, kDeviceEmpty);
    data.Loop.Device(10).Suffix = "\xe9t\x1b";  // Latin-1 e acute and an escape
    data.Loop.Device(11).Suffix = "\xe9t\x1b";
    const std::string path = Write(data, "faults.KCF");

    EXPECT_EQ(Run({"check", path}), 5);
    EXPECT_EQ(
        Lines(out.str()),
        (std::vector<std::string>{
            "error equation-unfitted zone 4: The Device Equation of Zone 4 names device 200, but no device "
            "is fitted at address 200: that entry routes no call",
            "warning zone-no-outputs zone 4: No fitted over-door light or sounder is allocated to Zone 4: "
            "the calls its equations route to it light nothing",
            "note same-place device 11: Callpoint \"Room \xc3\xa9t\\x1b\" has the same place name and suffix "
            "as device 10 (Callpoint): a nurse cannot tell their calls apart",
        }));

    EXPECT_EQ(Run({"check", path, "--json"}), 5);
    const QJsonArray findings = JsonOut();
    ASSERT_EQ(findings.size(), 3);
    const QJsonObject first = findings[0].toObject();
    EXPECT_EQ(first.keys(), (QStringList{"code", "message", "record", "severity"}));
    EXPECT_EQ(first["severity"].toString(), "error");
    EXPECT_EQ(first["code"].toString(), "equation-unfitted");
    EXPECT_EQ(first["record"].toString(), "zone 4");
    // JSON keeps the text: the Latin-1 byte as its character, the escape as is.
    EXPECT_EQ(findings[2].toObject()["message"].toString().mid(10, 14),
              QString::fromUtf8("\"Room \xc3\xa9t\x1b\" has"));
}

TEST_F(CliRoutingTest, NotesAloneExitZeroAndNothingAtAllPrintsAnEmptyArray) {
    TData data;
    test::WardSite(data);
    data.SiteConfig.AL3Code = kDefaultAL3Code;
    EXPECT_EQ(Run({"check", Write(data, "notes.KCF")}), 0);
    EXPECT_EQ(out.str().substr(0, 31), "note default-codes site: The En");

    test::WardSite(data);
    EXPECT_EQ(Run({"check", "--json", Write(data, "clean.KCF")}), 0);
    EXPECT_EQ(JsonOut(), QJsonArray{});
    EXPECT_EQ(Run({"check", dir.File("clean.KCF")}), 0);
    EXPECT_EQ(out.str(), "");
}

TEST_F(CliRoutingTest, HelpUsageAndUnreadableFiles) {
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out.str().find("  routes FILE.KCF [--json]\n"), std::string::npos);
    EXPECT_NE(out.str().find("  check FILE.KCF [--json]\n"), std::string::npos);
    EXPECT_NE(out.str().find("5 the site checks\nfound an error or a warning"), std::string::npos);
    for (const char* command : {"routes", "check"}) {
        EXPECT_EQ(Run({command, "--help"}), 0);
        EXPECT_NE(out.str().find("--json prints a JSON array"), std::string::npos) << command;
        EXPECT_EQ(Run({command}), 64);
        EXPECT_EQ(err.str(), std::string("kelvane-cli ") + command +
                                 ": give one configuration file\nUsage: "
                                 "kelvane-cli " +
                                 command + " FILE.KCF [--json] (see kelvane-cli " + command + " --help)\n");
        EXPECT_EQ(Run({command, "a.KCF", "b.KCF"}), 64);
        EXPECT_EQ(Run({command, dir.File("missing.KCF")}), 1);
        EXPECT_EQ(out.str(), "");
    }
}

}  // namespace
}  // namespace kelvane
