#include <gtest/gtest.h>

#include "routing/RoutingSites.h"
#include "routing/SiteChecks.h"

namespace kelvane {
namespace {

using test::Fit;
using test::SetTerms;

// "warning zone-no-outputs zone 3", one per finding, in the order given.
std::vector<std::string> Listed(const std::vector<SiteFinding>& findings) {
    std::vector<std::string> lines;
    for (const SiteFinding& finding : findings)
        lines.push_back(SeverityText(finding.severity) + " " + std::string(finding.code) + " " +
                        finding.record.Text());
    return lines;
}

std::string MessageOf(const std::vector<SiteFinding>& findings, const std::string& code,
                      const std::string& record) {
    for (const SiteFinding& finding : findings)
        if (finding.code == code && finding.record.Text() == record) return finding.message;
    return "(no " + code + " on " + record + ")";
}

TEST(SiteChecksTest, AWellRoutedSiteHasNoFindings) {
    TData data;
    test::WardSite(data);
    EXPECT_EQ(Listed(CheckSite(data)), std::vector<std::string>{});
    test::EmptySite(data);
    EXPECT_EQ(Listed(CheckSite(data)), std::vector<std::string>{});
}

TEST(SiteChecksTest, ANewSiteHasDisplaylessGroupsAndDefaultCodes) {
    TData data;
    data.ResetToDefaults();
    const std::vector<SiteFinding> findings = CheckSite(data);
    std::vector<std::string> expected;
    for (int g = 2; g <= 8; ++g) expected.push_back("warning group-no-displays group " + std::to_string(g));
    for (int code = 0; code < 4; ++code) expected.push_back("note default-codes site");
    EXPECT_EQ(Listed(findings), expected);
    EXPECT_FALSE(HasErrorsOrWarnings({findings.begin() + 7, findings.end()}));
    EXPECT_EQ(findings[7].message,
              "The User (AL2) Code is still 1212, the value every new site starts with: anyone who knows it "
              "can use it");
    EXPECT_TRUE(findings[10].message.starts_with("The Attack Reset Code is still DUAD, th"))
        << findings[10].message;
    EXPECT_EQ(findings[0].message,
              "No fitted corridor display or network controller is allocated to Group 2: the calls of its "
              "Primary Areas and Night Areas show on no display");
}

// Every check planted once in the ward, on a 32-zone controller.
class PlantedSiteTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WardSite(data);
        data.SiteConfig.MainVersion = "07B12";
        data.ZoneList.Zones[3].Name = "East Wing";
        // call-unrouted: a callpoint in area K, and a doorbell outside the areas.
        Fit(data, 30, dtCallpoint, 10);
        Fit(data, 31, dtDoorbell, 26);
        // zone 3 names an empty address, a display and device 10 twice.
        SetTerms(data.ZoneList.Zones[3].DeviceEquation, {99, 39, 9, 9}, kDeviceEmpty);
        // zone 2 has an area but no over-door light.
        SetTerms(data.ZoneList.Zones[2].AreaEquation, {2, 3, 2}, kAreaEmpty);
        // An over-door light on zone 40 (beyond 32) and one on zone 65 (beyond all).
        Fit(data, 50, dtOverDoorLight, 39);
        Fit(data, 51, dtOverDoorLight, 64);
        // A display on group 33.
        Fit(data, 52, dtCorridorDisplay, 32, 9);
        // Group 9 takes area C but has no display; it diverts to itself
        // (twice) and to group 10, which has no display either.
        SetTerms(data.GroupList.Groups[9].PrimaryAreaEquation, {2}, kAreaEmpty);
        SetTerms(data.GroupList.Groups[9].DivertEquation, {8, 9, 8}, kGroupCleared);
        // Zones beyond the range are not looked at.
        SetTerms(data.ZoneList.Zones[33].DeviceEquation, {200, 200}, kDeviceEmpty);
        SetTerms(data.ZoneList.Zones[33].AreaEquation, {0}, kAreaEmpty);
        // same-place: device 60 and 61 read "Room 10" like device 10.
        Fit(data, 60, dtRadioReceiver, 2, 31, "10");
        Fit(data, 61, dtMonitoringPoint, 2, 31, "10");
        // Auto night mode with no night areas anywhere.
        data.SiteConfig.NightModeAutoEnable = true;
        SetTerms(data.GroupList.Groups[5].NightAreaEquation, {}, kAreaEmpty);
        data.SiteConfig.CallCode = kDefaultResetCode;
        findings = CheckSite(data);
    }

    TData data;
    std::vector<SiteFinding> findings;
};

TEST_F(PlantedSiteTest, EveryFindingInOrderOfSeverityThenRecord) {
    EXPECT_EQ(Listed(findings), (std::vector<std::string>{
                                    "error allocation-invalid device 31",
                                    "error zone-out-of-range device 50",
                                    "error allocation-invalid device 51",
                                    "error allocation-invalid device 52",
                                    "error equation-unfitted zone 3",
                                    "warning call-unrouted device 30",
                                    "warning call-unrouted device 31",
                                    "warning zone-no-outputs zone 2",
                                    "warning duplicate-member zone 2",
                                    "warning zone-no-outputs zone 3",
                                    "warning equation-not-a-caller zone 3",
                                    "warning duplicate-member zone 3",
                                    "warning group-no-displays group 9",
                                    "warning divert-self group 9",
                                    "warning divert-no-displays group 9",
                                    "warning duplicate-member group 9",
                                    "note same-place device 60",
                                    "note same-place device 61",
                                    "note night-without-areas site",
                                    "note default-codes site",
                                }));
    EXPECT_TRUE(HasErrorsOrWarnings(findings));
}

TEST_F(PlantedSiteTest, MessagesNameWhatIsWrongAndWhatItAffects) {
    EXPECT_EQ(
        MessageOf(findings, "allocation-invalid", "device 31"),
        "Doorbell \"Room 31\" has an allocation outside Areas A to Z (stored value 26): its calls belong to "
        "no area");
    EXPECT_EQ(
        MessageOf(findings, "allocation-invalid", "device 51"),
        "Over-door Light / Addressable Sounder \"Room 51\" is allocated to Zone 65, outside Zones 1 to 64: "
        "it lights for no call");
    EXPECT_EQ(
        MessageOf(findings, "allocation-invalid", "device 52"),
        "Corridor Display \"Display 52\" is allocated to Group 33, outside Groups 1 to 32: it shows no call");
    EXPECT_EQ(MessageOf(findings, "zone-out-of-range", "device 50"),
              "Over-door Light / Addressable Sounder \"Room 50\" is allocated to Zone 40, but the controller "
              "(version 07B12) has 32 zones: it lights for no call");
    EXPECT_EQ(
        MessageOf(findings, "equation-unfitted", "zone 3"),
        "The Device Equation of Zone 3 (\"East Wing\") names device 100, but no device is fitted at address "
        "100: that entry routes no call");
    EXPECT_EQ(
        MessageOf(findings, "equation-not-a-caller", "zone 3"),
        "The Device Equation of Zone 3 (\"East Wing\") names device 40 (Corridor Display \"Display 40\"), "
        "which never calls: that entry routes no call");
    EXPECT_EQ(MessageOf(findings, "call-unrouted", "device 30"),
              "Callpoint \"Room 30\" in Area K: no zone and no group shows its calls, by day or at night");
    EXPECT_EQ(MessageOf(findings, "call-unrouted", "device 31"),
              "Doorbell \"Room 31\": no zone and no group shows its calls, by day or at night");
    EXPECT_EQ(
        MessageOf(findings, "zone-no-outputs", "zone 2"),
        "No fitted over-door light or sounder is allocated to Zone 2: the calls its equations route to it "
        "light nothing");
    EXPECT_EQ(MessageOf(findings, "duplicate-member", "zone 2"),
              "Area C appears twice in the Area Equation of Zone 2 (slots 1 and 3), taking slots that other "
              "members could use");
    EXPECT_EQ(
        MessageOf(findings, "duplicate-member", "zone 3"),
        "Device 10 appears twice in the Device Equation of Zone 3 (\"East Wing\") (slots 3 and 4), taking "
        "slots that other members could use");
    EXPECT_EQ(MessageOf(findings, "divert-self", "group 9"),
              "The Divert to Groups of Group 9 names Group 9 itself: its unanswered calls divert to no other "
              "display");
    EXPECT_EQ(
        MessageOf(findings, "divert-no-displays", "group 9"),
        "Group 9 diverts to Group 10, which has no fitted corridor display or network controller: calls "
        "diverted there show on no display");
    EXPECT_EQ(
        MessageOf(findings, "same-place", "device 61"),
        "Monitoring Point \"Room 10\" has the same place name and suffix as device 10 (Callpoint): a nurse "
        "cannot tell their calls apart");
    EXPECT_EQ(
        MessageOf(findings, "night-without-areas", "site"),
        "Auto Night Mode is on, but no group has Night Areas: at night no corridor display shows a call");
}

TEST(SiteChecksTest, DuplicatesAreFoundInEveryEquationOnceAMember) {
    TData data;
    test::WardSite(data);
    SetTerms(data.ZoneList.Zones[1].DeviceEquation, {19, 19, 19, 10, 10}, kDeviceEmpty);
    SetTerms(data.GroupList.Groups[2].PrimaryAreaEquation, {2, 26, 2}, kAreaEmpty);
    SetTerms(data.GroupList.Groups[2].NightAreaEquation, {5, 5}, kAreaEmpty);
    // Empty slots repeat without being duplicates, whatever their marker.
    SetTerms(data.GroupList.Groups[2].DivertEquation, {6, 32, 32, 33, 33}, kGroupCleared);
    const std::vector<SiteFinding> findings = CheckSite(data);
    EXPECT_EQ(Listed(findings), (std::vector<std::string>{
                                    "warning duplicate-member zone 1", "warning duplicate-member zone 1",
                                    "warning duplicate-member group 2", "warning duplicate-member group 2"}));
    EXPECT_TRUE(
        findings[0].message.starts_with("Device 11 appears twice in the Device Equation of Zone 1 (sl"))
        << findings[0].message;
    EXPECT_TRUE(findings[1].message.starts_with(
        "Device 20 appears 3 times in the Device Equation of Zone 1 (slots 1, 2 and 3)"))
        << findings[1].message;
    EXPECT_TRUE(findings[2].message.starts_with("Area C appears twice in the Primary Areas of Gr"))
        << findings[2].message;
    EXPECT_TRUE(findings[3].message.starts_with("Area F appears twice in the Night Areas of Gr"))
        << findings[3].message;
}

}  // namespace
}  // namespace kelvane
