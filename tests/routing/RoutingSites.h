#pragma once
#include <initializer_list>
#include <string>

#include "model/Data.h"
#include "model/DeviceCatalogue.h"

namespace kelvane::test {

// Slots 1.. take `members` in order; the other slots are empty (`empty`).
inline void SetTerms(Equation& equation, std::initializer_list<int> members, int empty) {
    equation = FilledEquation(empty);
    int slot = 1;
    for (const int member : members) equation[static_cast<std::size_t>(slot++)] = member;
}

// A 64-zone site with nothing fitted, no equation member and codes of its
// own: no check finds anything in it.
inline void EmptySite(TData& data) {
    data.ResetToDefaults();
    data.SiteConfig.MainVersion = "08A00";
    data.Loop.Device(1) = TKDeviceType{0, 0, 0, "", 0};
    for (int g = 1; g <= kGroupCount; ++g)
        SetTerms(data.GroupList.Groups[g].PrimaryAreaEquation, {}, kAreaEmpty);
    data.SiteConfig.AL2Code = "2213";
    data.SiteConfig.AL3Code = "3321";
    data.SiteConfig.CallCode = "UDUD";
    data.SiteConfig.AttackCode = "DDUU";
}

inline void Fit(TData& data, int address, int type, int allocation, int placeName = 31,
                std::string suffix = "") {
    if (suffix.empty()) suffix = std::to_string(address);
    data.Loop.Device(address) = TKDeviceType{type, allocation, placeName, suffix, 1};
}

// A ward whose every call is routed and shown (no error or warning):
//   callpoints 10 (Room 10) and 11 (Room 11) in area C, 20 (Room 20) in
//   area D; zone 1 shows area C and device 20, zone 4 area C; group 2 shows
//   area C by day and diverts to group 7, group 5 at night; over-door lights
//   12 on zone 1 and 13 on zone 4; displays 40 (group 2), 41 (group 5) and
//   42 (group 7).
inline void WardSite(TData& data) {
    EmptySite(data);
    Fit(data, 10, dtCallpoint, 2);
    Fit(data, 11, dtCallpoint, 2);
    Fit(data, 20, dtCallpoint, 3);
    Fit(data, 12, dtOverDoorLight, 0);
    Fit(data, 13, dtOverDoorLight, 3);
    Fit(data, 40, dtCorridorDisplay, 1, 9);
    Fit(data, 41, dtCorridorDisplay, 4, 9);
    Fit(data, 42, dtCorridorDisplay, 6, 9);
    SetTerms(data.ZoneList.Zones[1].AreaEquation, {2}, kAreaEmpty);
    SetTerms(data.ZoneList.Zones[1].DeviceEquation, {19}, kDeviceEmpty);
    SetTerms(data.ZoneList.Zones[4].AreaEquation, {2}, kAreaEmpty);
    SetTerms(data.GroupList.Groups[2].PrimaryAreaEquation, {2}, kAreaEmpty);
    SetTerms(data.GroupList.Groups[2].DivertEquation, {6}, kGroupEmpty);
    SetTerms(data.GroupList.Groups[5].NightAreaEquation, {2}, kAreaEmpty);
    SetTerms(data.GroupList.Groups[5].DivertEquation, {1}, kGroupEmpty);
    SetTerms(data.GroupList.Groups[7].PrimaryAreaEquation, {3}, kAreaEmpty);
}

}  // namespace kelvane::test
