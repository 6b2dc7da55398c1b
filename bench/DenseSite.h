#pragma once
#include <string>

#include "model/Data.h"

namespace kelvane::bench {

// A dense site on a 64-zone controller: every address fitted (types 1 to 9
// in turn), every slot of every zone and group equation used, every text
// filled.
inline void FillDense(TData& data) {
    data.ResetToDefaults();
    data.SiteConfig.MainVersion = "08A00";
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        TKDeviceType& device = data.Loop.Device(n);
        device.DeviceType = 1 + n % 9;
        device.Allocation = n % 26;
        device.PlaceNameIndex = n % 86;
        device.Suffix = std::to_string(n % 1000);
        device.Enabled = 1;
    }
    for (int z = 1; z <= kZoneCount; ++z) {
        data.ZoneList.Zones[z].Name = "Ward " + std::to_string(z);
        for (int t = 1; t <= kEquationTerms; ++t) {
            data.ZoneList.Zones[z].AreaEquation[t] = (z + t) % 26;
            data.ZoneList.Zones[z].DeviceEquation[t] = (z * 8 + t) % 256;
        }
    }
    for (int g = 1; g <= kGroupCount; ++g) {
        for (int t = 1; t <= kEquationTerms; ++t) {
            data.GroupList.Groups[g].PrimaryAreaEquation[t] = (g + t) % 26;
            data.GroupList.Groups[g].NightAreaEquation[t] = (g * 3 + t) % 26;
            data.GroupList.Groups[g].DivertEquation[t] = (g + t) % 32;
        }
    }
    for (int k = 0; k < data.CustomNames.Count(); ++k)
        data.CustomNames.Item(k).Name = "Room " + std::to_string(k + 100);
    data.SiteConfig.ClientName = "Rowan House";
    for (int n = 1; n <= kRepeaterCount; ++n)
        data.RepeaterList.Repeater(n).Name = "Repeater " + std::to_string(n);
    data.Comments.assign(40, "A line of the site's comments, as an engineer writes them.");
}

}  // namespace kelvane::bench
