#include "support/SiteEquality.h"

#include <gtest/gtest.h>

#include <string>

#include "file/SiteFields.h"

namespace kelvane::testing {

namespace {

void ExpectSameTerms(const Equation& a, const Equation& b, const std::string& name) {
    for (int t = 1; t <= kEquationTerms; ++t)
        EXPECT_EQ(a[static_cast<std::size_t>(t)], b[static_cast<std::size_t>(t)]) << name << " term " << t;
}

void ExpectSameSettings(const TKSiteConfig1& a, const TKSiteConfig1& b) {
    EXPECT_EQ(a.MainVersion, b.MainVersion);
    for (const SiteTextField& field : kSiteTextFields)
        EXPECT_EQ(a.*field.member, b.*field.member) << field.name;
    for (const SiteBoolField& field : kSiteBoolFields)
        EXPECT_EQ(a.*field.member, b.*field.member) << field.name;
    for (const SiteIntField& field : kSiteIntFields)
        EXPECT_EQ(a.*field.member, b.*field.member) << field.name;
}

void ExpectSameRouting(const TData& a, const TData& b) {
    for (int z = 1; z <= kZoneCount; ++z) {
        const TKZone& zoneA = a.ZoneList.Zones[static_cast<std::size_t>(z)];
        const TKZone& zoneB = b.ZoneList.Zones[static_cast<std::size_t>(z)];
        const std::string name = "zone " + std::to_string(z);
        EXPECT_EQ(zoneA.Name, zoneB.Name) << name;
        ExpectSameTerms(zoneA.AreaEquation, zoneB.AreaEquation, name + " areas");
        ExpectSameTerms(zoneA.DeviceEquation, zoneB.DeviceEquation, name + " devices");
    }
    for (int g = 1; g <= kGroupCount; ++g) {
        const TKGroup& groupA = a.GroupList.Groups[static_cast<std::size_t>(g)];
        const TKGroup& groupB = b.GroupList.Groups[static_cast<std::size_t>(g)];
        const std::string name = "group " + std::to_string(g);
        ExpectSameTerms(groupA.PrimaryAreaEquation, groupB.PrimaryAreaEquation, name + " primary areas");
        ExpectSameTerms(groupA.NightAreaEquation, groupB.NightAreaEquation, name + " night areas");
        ExpectSameTerms(groupA.DivertEquation, groupB.DivertEquation, name + " diverts");
    }
}

}  // namespace

void ExpectSameDevice(const TKDeviceType& expected, const TKDeviceType& actual, int n,
                      const std::string& suffix) {
    EXPECT_EQ(actual.DeviceType, expected.DeviceType) << "device " << n;
    EXPECT_EQ(actual.Allocation, expected.Allocation) << "device " << n;
    EXPECT_EQ(actual.Enabled, expected.Enabled) << "device " << n;
    EXPECT_EQ(actual.PlaceNameIndex, expected.PlaceNameIndex) << "device " << n;
    EXPECT_EQ(actual.Suffix, suffix) << "device " << n;
}

void ExpectSameSite(const TData& a, const TData& b) {
    ExpectSameSettings(a.SiteConfig, b.SiteConfig);
    for (int n = 1; n <= kLoopDeviceCount; ++n)
        ExpectSameDevice(a.Loop.Device(n), b.Loop.Device(n), n, a.Loop.Device(n).Suffix);
    ExpectSameRouting(a, b);
    ASSERT_EQ(a.CustomNames.Count(), b.CustomNames.Count());
    for (int i = 0; i < a.CustomNames.Count(); ++i)
        EXPECT_EQ(a.CustomNames.Item(i).Name, b.CustomNames.Item(i).Name) << "custom name " << i + 1;
    EXPECT_EQ(a.RepeaterList.PanelName, b.RepeaterList.PanelName);
    EXPECT_EQ(a.RepeaterList.Segment, b.RepeaterList.Segment);
    for (int n = 1; n <= kRepeaterCount; ++n) {
        EXPECT_EQ(a.RepeaterList.Repeater(n).Name, b.RepeaterList.Repeater(n).Name) << "repeater " << n;
        EXPECT_EQ(a.RepeaterList.Repeater(n).Fitted, b.RepeaterList.Repeater(n).Fitted) << "repeater " << n;
    }
    EXPECT_EQ(a.Comments, b.Comments);
}

}  // namespace kelvane::testing
