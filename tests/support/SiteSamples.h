#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/Data.h"
#include "support/SiteEquality.h"

namespace kelvane::testing {

// Sample sites for the tests of every layer, and what a site that travelled
// to the controller and back must still hold.

// Fills every field that travels to the controller with values that differ
// from item to item.
inline void PopulateTravellingFields(TData& data, const std::string& version) {
    data.ResetToDefaults();
    data.SiteConfig.MainVersion = version;
    for (int n = 1; n <= 256; ++n) {
        TKDeviceType& device = data.Loop.Device(n);
        device.DeviceType = n % 10;
        device.Allocation = (n * 7) % 64;
        device.Enabled = n % 3 == 0 ? 0 : 1;
        device.PlaceNameIndex = n % 86;
        device.Suffix = n % 5 == 0 ? std::string() : std::to_string(n % 1000).substr(0, 4);
    }
    for (int z = 1; z <= 64; ++z) {
        for (int t = 1; t <= 8; ++t) {
            data.ZoneList.Zones[z].AreaEquation[t] = (z + t) % 27;
            data.ZoneList.Zones[z].DeviceEquation[t] = (z * 37 + t * 11) % 257;
        }
    }
    for (int g = 1; g <= 32; ++g) {
        for (int t = 1; t <= 8; ++t) {
            data.GroupList.Groups[g].PrimaryAreaEquation[t] = (g * 3 + t) % 27;
            data.GroupList.Groups[g].NightAreaEquation[t] = (g + t * 5) % 27;
            data.GroupList.Groups[g].DivertEquation[t] = (g + t) % 33;
        }
    }
    for (int k = 0; k < 45; ++k) data.CustomNames.Item(k).Name = "Room " + std::to_string(100 + k * 7);
    TKSiteConfig1& site = data.SiteConfig;
    site.AL2Code = "3213";
    site.AL3Code = "1123";
    site.CallCode = "AUDA";
    site.AttackCode = "UUDA";
    site.NightModeTime = "22:15";
    site.DayModeTime = "06:45";
    site.NightModeAutoEnable = true;
    site.HTM2015Enable = true;
    site.SurveyorEnable = true;
    site.LoggerSetting = 7;
    site.PagerEnabled = true;
    site.PagerLevel = 3;
    site.AccTimeout = 4;
    site.DivTimeout = 6;
    site.EmergState = true;
    site.AttackState = false;
}

// A dense site: every field that travels filled as PopulateTravellingFields
// does, and the fields that stay in the file too.
inline void PopulateEveryField(TData& data, const std::string& version = "08A00") {
    PopulateTravellingFields(data, version);
    TKSiteConfig1& site = data.SiteConfig;
    site.ClientName = "Rowan House";
    site.ClientAddress1 = "1 Mill Lane";
    site.ClientAddress5 = "RH1 2AB";
    site.ClientTel = "01234 567890";
    site.PanelLocation = "Main office";
    site.InstallerName = "Kelvane Services";
    site.Engineer = "J. Smith";
    site.EngineerNo = "0800 123";
    site.InstallDate = "01/02/26";
    site.CommissionDate = "03/02/26";
    site.PrinterEnabled = true;
    for (int z = 1; z <= kZoneCount; ++z) data.ZoneList.Zones[z].Name = "Ward " + std::to_string(z);
    data.RepeaterList.PanelName = "East";
    data.RepeaterList.Segment = 3;
    for (int n = 1; n <= kRepeaterCount; ++n) {
        data.RepeaterList.Repeater(n).Name = "Rep " + std::to_string(n);
        data.RepeaterList.Repeater(n).Fitted = n % 2 == 0;
    }
    data.Comments = {"Commissioned in February.", "Call points tested."};
}

// A site in which every field differs from both the new-document and the
// reader's defaults, with every device fitted and every equation slot used.
void FillSite(TData& data, unsigned seed);

// A suffix as it comes back from the controller: its four bytes, the
// padding blanks taken off again.
inline std::string LoadedSuffix(std::string suffix) {
    suffix.resize(std::min<std::size_t>(suffix.size(), 4));
    suffix.erase(suffix.find_last_not_of(' ') + 1);
    return suffix;
}

// Expects `loaded` (a fresh model that loaded everything back from a
// controller that `original` was saved into) to hold every field that
// travels: devices 1..255, the controller's zones (the others stay empty),
// groups, the site chain and the custom names. Texts come back without the
// blanks the controller pads them with.
inline void ExpectTravellingFieldsEqual(const TData& original, const TData& loaded) {
    for (int n = 1; n <= 255; ++n) {
        const TKDeviceType& device = original.Loop.Device(n);
        ExpectSameDevice(device, loaded.Loop.Device(n), n, LoadedSuffix(device.Suffix));
    }
    EXPECT_EQ(loaded.Loop.Device(256).DeviceType, 0);  // device 256 is never saved

    const int zones = original.SiteConfig.ZoneLimit();
    for (int z = 1; z <= 64; ++z) {
        const TKZone expected = z <= zones ? original.ZoneList.Zones[z] : TKZone{};
        for (int t = 1; t <= 8; ++t) {
            EXPECT_EQ(loaded.ZoneList.Zones[z].AreaEquation[t], expected.AreaEquation[t]) << "zone " << z;
            EXPECT_EQ(loaded.ZoneList.Zones[z].DeviceEquation[t], expected.DeviceEquation[t]) << "zone " << z;
        }
    }
    for (int g = 1; g <= 32; ++g) {
        const TKGroup& a = original.GroupList.Groups[g];
        const TKGroup& b = loaded.GroupList.Groups[g];
        for (int t = 1; t <= 8; ++t) {
            EXPECT_EQ(b.PrimaryAreaEquation[t], a.PrimaryAreaEquation[t]) << "group " << g;
            EXPECT_EQ(b.NightAreaEquation[t], a.NightAreaEquation[t]) << "group " << g;
            EXPECT_EQ(b.DivertEquation[t], a.DivertEquation[t]) << "group " << g;
        }
    }
    for (int k = 0; k < 45; ++k)
        EXPECT_EQ(loaded.CustomNames.Item(k).Name, original.CustomNames.Item(k).Name);

    const TKSiteConfig1& a = original.SiteConfig;
    const TKSiteConfig1& b = loaded.SiteConfig;
    const bool newController = zones == 64;
    EXPECT_EQ(b.MainVersion, a.MainVersion);
    EXPECT_EQ(b.AL2Code, a.AL2Code);
    EXPECT_EQ(b.AL3Code, a.AL3Code);
    EXPECT_EQ(b.CallCode, a.CallCode);
    EXPECT_EQ(b.AttackCode, a.AttackCode);
    EXPECT_EQ(b.NightModeTime, a.NightModeTime);
    EXPECT_EQ(b.DayModeTime, a.DayModeTime);
    EXPECT_EQ(b.NightModeAutoEnable, a.NightModeAutoEnable);
    EXPECT_EQ(b.HTM2015Enable, newController && a.HTM2015Enable);
    EXPECT_EQ(b.SurveyorEnable, newController && a.SurveyorEnable);
    EXPECT_EQ(b.LoggerSetting, a.LoggerSetting);
    EXPECT_EQ(b.PagerEnabled, a.PagerEnabled);
    EXPECT_EQ(b.PagerLevel, a.PagerLevel);
    EXPECT_EQ(b.AccTimeout, a.AccTimeout);
    EXPECT_EQ(b.DivTimeout, a.DivTimeout);
    EXPECT_EQ(b.EmergState, a.EmergState);
    EXPECT_EQ(b.AttackState, a.AttackState);
}

}  // namespace kelvane::testing
