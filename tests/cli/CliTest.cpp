#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <filesystem>
#include <sstream>

#include "app/cli/Cli.h"
#include "app/cli/SiteJson.h"
#include "file/ConfigFile.h"
#include "support/FileTestSupport.h"
#include "support/SiteSamples.h"

namespace kelvane {
namespace {

using test::ReadText;
using test::TempDir;
using test::WriteText;

class CliTest : public ::testing::Test {
protected:
    int Run(std::vector<std::string> arguments, const char* terminalCodeset = "UTF-8") {
        out.str("");
        err.str("");
        cli::CommandIo io{out, err, cli::TerminalText(terminalCodeset)};
        return cli::MakeCli().Run(arguments, io);
    }

    void WriteSite(const std::string& path, unsigned seed) {
        TData data;
        testing::FillSite(data, seed);
        Document document;
        ASSERT_TRUE(WriteConfigFile(path, data, document).saved);
    }

    TempDir dir;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CliTest, HelpForTheProgramAndEveryCommand) {
    EXPECT_EQ(Run({"--help"}), 0);
    for (const char* command : {"show", "export", "import", "new"}) {
        EXPECT_NE(out.str().find(std::string("  ") + command + " "), std::string::npos) << command;
    }
    for (const char* command : {"show", "export", "import", "new"}) {
        EXPECT_EQ(Run({command, "--help"}), 0) << command;
        EXPECT_TRUE(out.str().starts_with(std::string("Usage: kelvane-cli ") + command)) << command;
        EXPECT_EQ(err.str(), "");
    }
}

TEST_F(CliTest, WrongCommandLinesAreUsageErrors) {
    EXPECT_EQ(Run({}), 64);
    EXPECT_NE(err.str().find("Usage: kelvane-cli COMMAND"), std::string::npos);
    EXPECT_EQ(Run({"frobnicate"}), 64);
    EXPECT_EQ(err.str(), "Unknown command \"frobnicate\" (see kelvane-cli --help)\n");
    EXPECT_EQ(Run({"show"}), 64);
    EXPECT_EQ(err.str(), "Usage: kelvane-cli show FILE.KCF (see kelvane-cli show --help)\n");
    EXPECT_EQ(Run({"import", "a.json"}), 64);
    EXPECT_EQ(out.str(), "");
}

TEST_F(CliTest, ShowAndExportRejectFilesThatAreNotConfigurations) {
    const std::string notValid = dir.File("notes.KCF");
    WriteText(notValid, "[Kelvane Header]\r\nFileType=PROG TOOLS\r\n");
    for (const char* command : {"show", "export"}) {
        EXPECT_EQ(Run({command, notValid}), 2) << command;
        EXPECT_EQ(err.str(), "The selected file is not a valid Kelvane Programming Tools file\n");
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(Run({command, dir.File("missing.KCF")}), 1) << command;
        EXPECT_EQ(err.str(), "Unable to read " + dir.File("missing.KCF") + ": No such file or directory\n");
    }
    // A named pipe is refused at once instead of waiting for a writer, and a
    // file far too large to be a site is not read.
    const std::string pipe = dir.File("pipe.KCF");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string huge = dir.File("disk.img");
    WriteText(huge, "[Kelvane Header]\r\nFileType=Prog Tools\r\n");
    std::filesystem::resize_file(huge, std::uintmax_t{2} << 40);
    for (const char* command : {"show", "export"}) {
        EXPECT_EQ(Run({command, pipe}), 1) << command;
        EXPECT_EQ(err.str(), "Unable to read " + pipe + ": not a regular file\n");
        EXPECT_EQ(Run({command, huge}), 2) << command;
        EXPECT_EQ(err.str(), "The selected file is not a valid Kelvane Programming Tools file\n");
        EXPECT_EQ(out.str(), "");
    }
}

TEST_F(CliTest, PlainTextOutputWritesSiteTextsInTheTerminalsCharacterSet) {
    // Texts a crafted file could use to retitle, recolour or clear the terminal.
    TData site;
    site.ResetToDefaults();
    site.SiteConfig.ClientName = "Ren\xE9\x65 \x1b]0;owned\x07\x1b[31mred";
    site.CustomNames.Item(0).Name = "Caf\xE9\x9bK\b";
    site.Loop.Device(1).Suffix = "\xB1\t";
    Document document;
    const std::string pathA = dir.File("a.KCF");
    const std::string pathB = dir.File("b.KCF");
    ASSERT_TRUE(WriteConfigFile(pathA, site, document).saved);
    site.SiteConfig.ClientName = "Zo\xEB";
    ASSERT_TRUE(WriteConfigFile(pathB, site, document).saved);
    const auto expectNoControls = [](const std::string& text) {
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            EXPECT_TRUE(byte == '\n' || (byte >= 0x20 && byte != 0x7F && (byte < 0x80 || byte >= 0xA0)))
                << "byte " << int(byte) << " in " << text;
        }
    };

    ASSERT_EQ(Run({"show", pathA}), 0) << err.str();
    expectNoControls(out.str());
    EXPECT_NE(out.str().find("Ren\xC3\xA9\x65 \\x1b]0;owned\\x07\\x1b[31mred\n"), std::string::npos);
    EXPECT_NE(out.str().find("   1  Caf\xC3\xA9\\x9bK\\x08\n"), std::string::npos);
    EXPECT_NE(out.str().find("Display       \xC2\xB1\\x09   "), std::string::npos);
    ASSERT_EQ(Run({"diff", pathA, pathB}), 4);
    expectNoControls(out.str());
    EXPECT_NE(out.str().find("\xC3\xA9\x65 \\x1b]0;owned\\x07\\x1b[31mred -> Zo\xC3\xAB\n"),
              std::string::npos);

    // A Latin-1 terminal takes the bytes as they are; a plain ASCII one the escapes.
    ASSERT_EQ(Run({"diff", pathA, pathB}, "ISO-8859-1"), 4);
    EXPECT_NE(out.str().find("Ren\xE9\x65 \\x1b]0;owned\\x07\\x1b[31mred -> Zo\xEB\n"), std::string::npos);
    ASSERT_EQ(Run({"diff", pathA, pathB}, "ANSI_X3.4-1968"), 4);
    EXPECT_NE(out.str().find("Ren\\xe9e \\x1b]0;owned\\x07\\x1b[31mred -> Zo\\xeb\n"), std::string::npos);

    // JSON keeps every text whole.
    ASSERT_EQ(Run({"diff", pathA, pathB, "--json"}), 4);
    EXPECT_NE(out.str().find("\"a\": \"Ren\xC3\xA9\x65 \\u001"), std::string::npos) << out.str();
}

TEST_F(CliTest, ShowListsFittedDevicesEquationsAndNames) {
    TData data;
    data.ResetToDefaults();
    data.Loop.Device(5) = {7, 11, 25, "4A", 1};
    data.Loop.Device(6) = {1, 2, 41, "", 0};
    data.ZoneList.Zones[12].AreaEquation = {26, 0, 2, 26, 26, 26, 26, 26, 26};
    data.ZoneList.Zones[12].DeviceEquation = {256, 4, 119, 256, 256, 256, 256, 256, 256};
    data.GroupList.Groups[3].DivertEquation = {32, 1, 14, 33, 32, 32, 32, 32, 32};
    data.CustomNames.Item(0).Name = "Day Room";
    Document document;
    const std::string path = dir.File("site.KCF");
    ASSERT_TRUE(WriteConfigFile(path, data, document).saved);

    ASSERT_EQ(Run({"show", path}), 0) << err.str();
    const std::string listing = out.str();
    EXPECT_NE(listing.find("     1  Network Controller  Group 1     Display       1       Yes\n"),
              std::string::npos);
    EXPECT_NE(listing.find("     5  OD Light/Sounder    Zone 12     Lounge        4A      Yes\n"),
              std::string::npos);
    EXPECT_NE(listing.find("     6  Callpoint           Area C      Day Room              No\n"),
              std::string::npos);
    EXPECT_EQ(listing.find("     7  "), std::string::npos);
    EXPECT_NE(listing.find("  Zone 12  [A  C  ]  [  5  120  ]  Zone 12\n"), std::string::npos);
    EXPECT_NE(listing.find("  Group 3  [C  ]  []  [ 2 15 ]\n"), std::string::npos);
    EXPECT_NE(listing.find("   1  Day Room\n"), std::string::npos);
    EXPECT_NE(listing.find("  Call reset code:            DUAD\n"), std::string::npos);
    EXPECT_NE(listing.find("Comments\n  Comments Page\n"), std::string::npos);
}

TEST_F(CliTest, ExportThenImportGivesAnEquivalentConfiguration) {
    const std::string original = dir.File("original.KCF");
    WriteSite(original, 11);
    ASSERT_EQ(Run({"export", original}), 0) << err.str();
    const std::string json = out.str();
    WriteText(dir.File("site.json"), json);

    const std::string copy = dir.File("copy.KCF");
    ASSERT_EQ(Run({"import", dir.File("site.json"), copy}), 0) << err.str();
    EXPECT_EQ(ReadText(copy), ReadText(original));
    EXPECT_EQ(ReadText(dir.File("copy.RTF")), ReadText(dir.File("original.RTF")));

    ASSERT_EQ(Run({"export", copy}), 0);
    EXPECT_EQ(out.str(), json);
}

TEST_F(CliTest, ExportCarriesLatin1TextsAsUnicode) {
    TData data;
    data.ResetToDefaults();
    data.SiteConfig.ClientName = "Caf\xE9 \xA3";
    Document document;
    const std::string path = dir.File("latin.KCF");
    ASSERT_TRUE(WriteConfigFile(path, data, document).saved);
    ASSERT_EQ(Run({"export", path}), 0);
    EXPECT_NE(out.str().find("\"ClientName\": \"Caf\xC3\xA9 \xC2\xA3\""), std::string::npos);
    EXPECT_NE(out.str().find("\"MainVersion\": \"Not Available\""), std::string::npos);
}

TEST_F(CliTest, ImportTakesTypographicCharactersAsTheirLatin1LookAlikes) {
    TData data;
    data.ResetToDefaults();
    QJsonObject json = cli::SiteToJson(data);
    QJsonObject site = json["site"].toObject();
    site["ClientName"] = QString::fromUtf8("\u201CSt Ann\u2019s\u201D \u2013 Ward\u00A03\u2026");
    json["site"] = site;
    json["comments"] = QJsonArray{QString::fromUtf8("Caf\u00E9 \u2014 night staff")};
    WriteText(dir.File("site.json"), QJsonDocument(json).toJson().toStdString());

    const std::string path = dir.File("typed.KCF");
    ASSERT_EQ(Run({"import", dir.File("site.json"), path}), 0) << err.str();
    TData read;
    Document document;
    ASSERT_TRUE(OpenConfigFile(path, read, document).Read());
    EXPECT_EQ(read.SiteConfig.ClientName, "\"St Ann's\" - Ward 3...");
    EXPECT_EQ(read.Comments, std::vector<std::string>{"Caf\xE9 - night staff"});
}

TEST_F(CliTest, BadJsonIsRefusedWithOneLineAndNothingWritten) {
    const std::string out_kcf = dir.File("out.KCF");
    const std::string json = dir.File("site.json");
    TData data;
    data.ResetToDefaults();
    const QJsonObject good = cli::SiteToJson(data);
    const auto importing = [&](const std::string& text) {
        WriteText(json, text);
        const int code = Run({"import", json, out_kcf});
        EXPECT_FALSE(std::filesystem::exists(out_kcf));
        const std::string message = err.str();
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
        return code;
    };
    const auto without = [&](const char* field) {
        QJsonObject broken = good;
        broken.remove(field);
        return QJsonDocument(broken).toJson().toStdString();
    };

    EXPECT_EQ(importing("{\"MainVersion\": \"08A00\""), 1);
    EXPECT_TRUE(err.str().starts_with(json + ": not valid JSON ("));
    EXPECT_EQ(importing("[1, 2]"), 1);
    EXPECT_EQ(err.str(), json + ": not a site (the JSON is not an object)\n");
    EXPECT_EQ(importing(without("zones")), 1);
    EXPECT_EQ(err.str(), json + ": not a complete site (zones: missing)\n");

    QJsonObject shortList = good;
    QJsonArray devices = shortList["devices"].toArray();
    devices.removeLast();
    shortList["devices"] = devices;
    EXPECT_EQ(importing(QJsonDocument(shortList).toJson().toStdString()), 1);
    EXPECT_EQ(err.str(), json + ": not a complete site (devices: must have 256 entries, not 255)\n");

    QJsonObject badField = good;
    QJsonObject site = badField["site"].toObject();
    site["AccTimeout"] = "5";
    badField["site"] = site;
    EXPECT_EQ(importing(QJsonDocument(badField).toJson().toStdString()), 1);
    EXPECT_EQ(err.str(), json + ": not a complete site (site.AccTimeout: expected an integer)\n");

    QJsonObject notLatin1 = good;
    QJsonArray zones = notLatin1["zones"].toArray();
    QJsonObject zone = zones[2].toObject();
    zone["Name"] = QString::fromUtf8("Zone \xE2\x82\xAC");
    zones[2] = zone;
    notLatin1["zones"] = zones;
    EXPECT_EQ(importing(QJsonDocument(notLatin1).toJson().toStdString()), 1);
    EXPECT_EQ(err.str(), json +
                             ": not a complete site (zones[2].Name: holds the character U+20AC, which a site "
                             "configuration cannot hold (Latin-1 text only))\n");

    QJsonObject twice = good;
    QJsonArray groups = twice["groups"].toArray();
    QJsonObject group = groups[1].toObject();
    group["group"] = 1;
    groups[1] = group;
    twice["groups"] = groups;
    EXPECT_EQ(importing(QJsonDocument(twice).toJson().toStdString()), 1);
    EXPECT_EQ(err.str(), json + ": not a complete site (groups[1].group: 1 appears twice)\n");

    EXPECT_EQ(Run({"import", dir.File("none.json"), out_kcf}), 1);
    EXPECT_EQ(err.str(), "Unable to read " + dir.File("none.json") + "\n");
}

TEST_F(CliTest, NewWritesTheNewDocumentSite) {
    const std::string path = dir.File("new.KCF");
    ASSERT_EQ(Run({"new", path}), 0);
    TData reread;
    Document document;
    ASSERT_TRUE(OpenConfigFile(path, reread, document).Read());
    TData fresh;
    fresh.ResetToDefaults();
    EXPECT_EQ(cli::SiteToJson(reread), cli::SiteToJson(fresh));
    EXPECT_EQ(ReadText(dir.File("new.RTF")), "Comments Page\r\n");
}

TEST_F(CliTest, AnUnwritableOutputFailsCleanly) {
    const std::string path = dir.File("missing folder/new.KCF");
    EXPECT_EQ(Run({"new", path}), 1);
    EXPECT_EQ(err.str(), "Unable to write to " + path + "\n");
    EXPECT_EQ(dir.EntryCount(), 0u);
}

}  // namespace
}  // namespace kelvane
