#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/Cli.h"
#include "file/ConfigFile.h"
#include "file/DeviceCsvWriter.h"
#include "model/DeviceCatalogue.h"
#include "support/FileTestSupport.h"

namespace kelvane {
namespace {

using test::ReadText;
using test::TempDir;
using test::WriteText;

class DeviceCsvCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        site = dir.File("site.KCF");
        TData data;
        data.ResetToDefaults();
        data.Loop.Device(2) = {dtCallpoint, 2, 4, "12", 1};
        data.Comments = {"Ward 3"};
        Document document;
        ASSERT_TRUE(WriteConfigFile(site, data, document).saved);
    }

    int Run(std::vector<std::string> arguments) {
        out.str("");
        err.str("");
        cli::CommandIo io{out, err};
        return cli::MakeCli().Run(arguments, io);
    }

    void ReadSite(TData& data) {
        Document document;
        EXPECT_TRUE(OpenConfigFile(site, data, document).Read());
    }

    TempDir dir;
    std::string site;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(DeviceCsvCliTest, ExportWritesTheDeviceListToStandardOutputOrAFile) {
    ASSERT_EQ(Run({"export", "--csv", site}), 0) << err.str();
    TData data;
    ReadSite(data);
    const std::string csv = DeviceCsvText(data);
    EXPECT_EQ(out.str(), csv);
    EXPECT_NE(csv.find("\r\n2,Callpoint,Area C,Bedroom,12,YES\r\n"), std::string::npos);

    const std::string output = dir.File("devices.csv");
    ASSERT_EQ(Run({"export", site, "--csv", "-o", output}), 0) << err.str();
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(ReadText(output), csv);

    EXPECT_EQ(Run({"export", "--csv", site, "-o", dir.File("no/such/folder.csv")}), 1);
    EXPECT_TRUE(err.str().starts_with("Unable to write to " + dir.File("no/such/folder.csv") + ": "))
        << err.str();
}

TEST_F(DeviceCsvCliTest, ImportUpdatesTheNamedDevicesAndWritesTheFile) {
    const std::string csv = dir.File("in.csv");
    WriteText(csv,
              "Address;Type;Allocation;Place Name;Suffix;Enabled\r\n"
              "3;Display;Group 7;Kitchen;;\r\n"
              "2;callpoint;C;bedroom;12;yes\r\n"
              "4;OD Light/Sounder;Zone 9;Lounge;\"1;2\";NO\r\n");
    ASSERT_EQ(Run({"import", "--csv", csv, site}), 0) << err.str();
    EXPECT_EQ(out.str(), "2 devices changed in " + site + "\n");
    TData data;
    ReadSite(data);
    EXPECT_EQ(data.Loop.Device(2).DeviceType, dtCallpoint);
    EXPECT_EQ(data.Loop.Device(3).DeviceType, dtCorridorDisplay);
    EXPECT_EQ(data.Loop.Device(3).Allocation, 6);
    EXPECT_EQ(data.DevicePlaceName(3), "Kitchen");
    EXPECT_EQ(data.Loop.Device(3).Enabled, 1);
    EXPECT_EQ(data.Loop.Device(4).Suffix, "1;2");
    EXPECT_EQ(data.Loop.Device(4).Enabled, 0);
    EXPECT_EQ(data.Comments, std::vector<std::string>{"Ward 3"});

    const std::string written = ReadText(site);
    ASSERT_EQ(Run({"import", "--csv", csv, site}), 0);
    EXPECT_EQ(out.str(), "No device changed; " + site + " left as it was\n");
    EXPECT_EQ(ReadText(site), written);
}

TEST_F(DeviceCsvCliTest, AFaultyListWritesNothingAndNamesEachFault) {
    const std::string before = ReadText(site);
    const std::string csv = dir.File("in.csv");
    std::string rows = "Address,Type,Allocation,Place Name,Suffix,Enabled\n3,Display,Group 7,Kitchen,,\n";
    for (int n = 4; n <= 26; ++n) rows += std::to_string(n) + ",Smoke,A,,,\n";
    rows += "1,Callpoint,\x1B[2J,,,\n";
    WriteText(csv, rows);
    EXPECT_EQ(Run({"import", "--csv", csv, site}), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_TRUE(err.str().starts_with(
        csv + ": line 3, column 2 (Type): device type \"Smoke\" is not one of the device types\n"))
        << err.str();
    EXPECT_TRUE(
        err.str().ends_with(csv +
                            ": line 22, column 2 (Type): device type \"Smoke\" is not one of the device "
                            "types\n" +
                            csv + ": 4 more faults not shown\n" + site + " not changed\n"))
        << err.str();
    EXPECT_EQ(ReadText(site), before);

    // A control character in a fault is shown, never sent to the terminal.
    WriteText(csv, "Address,Type,Allocation,Place Name,Suffix,Enabled\n5,Callpoint,\x1B[2J,,,\n");
    EXPECT_EQ(Run({"import", "--csv", csv, site}), 1);
    EXPECT_EQ(err.str().find('\x1B'), std::string::npos) << err.str();

    EXPECT_EQ(Run({"import", "--csv", dir.File("missing.csv"), site}), 1);
    EXPECT_EQ(err.str(), "Unable to read " + dir.File("missing.csv") + ": No such file or directory\n");
    EXPECT_EQ(ReadText(site), before);
}

TEST_F(DeviceCsvCliTest, HelpAndWrongCommandLines) {
    ASSERT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out.str().find("  export FILE.KCF | export --csv FILE.KCF [-o OUT.csv]\n"), std::string::npos);
    EXPECT_NE(out.str().find("  import FILE.json OUT.KCF | import --csv IN.csv FILE.KCF\n"),
              std::string::npos);
    ASSERT_EQ(Run({"export", "--csv", "--help"}), 0);
    EXPECT_NE(out.str().find("Usage: kelvane-cli export --csv FILE.KCF [-o OUT.csv]\n"), std::string::npos);
    ASSERT_EQ(Run({"import", "--help"}), 0);
    EXPECT_NE(out.str().find("Usage: kelvane-cli import --csv IN.csv FILE.KCF\n"), std::string::npos);

    EXPECT_EQ(Run({"export", "--csv"}), 64);
    EXPECT_EQ(err.str(),
              "kelvane-cli export: a configuration file is needed\n"
              "Usage: kelvane-cli export --csv FILE.KCF [-o OUT.csv] (see kelvane-cli export --help)\n");
    EXPECT_EQ(Run({"export", "--csv", site, "-o"}), 64);
    EXPECT_EQ(Run({"export", "--csv", site, "--tsv"}), 64);
    EXPECT_EQ(Run({"export", "--csv", site, site}), 64);
    EXPECT_EQ(Run({"import", "--csv", site}), 64);
    EXPECT_EQ(err.str(), "Usage: kelvane-cli import --csv IN.csv FILE.KCF (see kelvane-cli import --help)\n");
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace kelvane
