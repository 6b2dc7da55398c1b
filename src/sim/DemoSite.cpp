#include "sim/DemoSite.h"

#include <iterator>
#include <string>

#include "model/DeviceCatalogue.h"

namespace kelvane::sim {

namespace {

constexpr const char* kDemoVersion = "08B14";

// Standard place names used by the demo.
constexpr int kPlaceBathroom = 3;
constexpr int kPlaceBedroom = 4;
constexpr int kPlaceDisplay = 9;
constexpr int kPlaceEntrance = 13;
constexpr int kPlaceLounge = 25;
constexpr int kPlaceReception = 30;

constexpr int kWings = 3;
constexpr int kRoomsPerWing = 8;

struct Wing {
    const char* zoneName;
    int customName;  // custom place name number 1..45
};

const Wing kWingsOfSite[kWings] = {
    {"Rowan Wing", 1},
    {"Oak Wing", 2},
    {"Birch Wing", 3},
};

void SetDevice(TData& data, int n, int type, int allocation, int placeName, const std::string& suffix) {
    TKDeviceType& device = data.Loop.Device(n);
    device.DeviceType = type;
    device.Allocation = allocation;
    device.PlaceNameIndex = placeName;
    device.Suffix = suffix;
    device.Enabled = 1;
}

int CustomPlace(int customName) {
    return kFirstCustomPlaceNameIndex + customName - 1;
}

void BuildSiteDetails(TKSiteConfig1& site) {
    site.MainVersion = kDemoVersion;
    site.ClientName = "Rowan House Care Home";
    site.ClientAddress1 = "14 Orchard Lane";
    site.ClientAddress2 = "Little Haddow";
    site.ClientAddress3 = "Kelbridge";
    site.ClientAddress4 = "Westshire";
    site.ClientAddress5 = "KB7 4RH";
    site.ClientTel = "01632 960418";
    site.PanelLocation = "Reception office";
    site.InstallerName = "Kelvane Systems Ltd";
    site.InstallerAddress1 = "Unit 3, Mill Court";
    site.InstallerAddress2 = "Station Road";
    site.InstallerAddress3 = "Kelbridge";
    site.InstallerAddress4 = "Westshire";
    site.InstallerAddress5 = "KB1 2MC";
    site.Engineer = "J. Marsh";
    site.EngineerNo = "01632 960777";
    site.InstallDate = "12/03/24";
    site.CommissionDate = "19/03/24";
    site.AL2Code = "2132";
    site.AL3Code = "3321";
    site.CallCode = "UDAU";
    site.AttackCode = "DADU";
    site.NightModeTime = "21:30";
    site.DayModeTime = "07:00";
    site.NightModeAutoEnable = true;
    site.HTM2015Enable = true;
    site.LoggerSetting = 2;
    site.PagerEnabled = true;
    site.PagerLevel = 2;
    site.AccTimeout = 3;
    site.DivTimeout = 5;
    site.EmergState = true;
    site.AttackState = true;
}

}  // namespace

void BuildDemoSite(TData& data) {
    data.ResetToDefaults();
    BuildSiteDetails(data.SiteConfig);
    data.RepeaterList.PanelName = "Rowan House";

    const char* customNames[] = {"Rowan Wing", "Oak Wing",   "Birch Wing",
                                 "Garden Rm",  "Sensory Rm", "Nurse Stn"};
    for (int k = 0; k < static_cast<int>(std::size(customNames)); ++k)
        data.CustomNames.Item(k).Name = customNames[k];

    // Address 1 stays the network controller; the displays, the front door
    // monitoring point and the radio receiver follow.
    int address = 2;
    for (int w = 0; w < kWings; ++w) {
        SetDevice(data, address++, dtCorridorDisplay, w, kPlaceDisplay, std::to_string(w + 1));
    }
    SetDevice(data, address++, dtMonitoringPoint, 0, kPlaceEntrance, "");
    SetDevice(data, address++, dtRadioReceiver, 0, kPlaceReception, "");
    SetDevice(data, address++, dtCallpoint, 0, CustomPlace(6), "");  // nurse station

    for (int w = 0; w < kWings; ++w) {
        const Wing& wing = kWingsOfSite[w];
        const int zone = w + 1;
        TKZone& wingZone = data.ZoneList.Zones[static_cast<std::size_t>(zone)];
        wingZone.Name = wing.zoneName;
        wingZone.AreaEquation[1] = w;
        int term = 1;
        for (int room = 1; room <= kRoomsPerWing; ++room) {
            const std::string number = std::to_string((w + 1) * 100 + room);
            const int callPoint = address++;
            SetDevice(data, callPoint, dtCallpoint, w, kPlaceBedroom, number);
            SetDevice(data, address++, dtOverDoorLight, zone - 1, kPlaceBedroom, number);
            if (term <= kEquationTerms) wingZone.DeviceEquation[term++] = callPoint - 1;
        }
        SetDevice(data, address++, dtCallpoint, w, kPlaceBathroom, std::to_string(w + 1));
        SetDevice(data, address++, dtCallpoint, w, kPlaceLounge, std::to_string(w + 1));
        SetDevice(data, address++, dtOverDoorLight, zone - 1, CustomPlace(wing.customName), "");
    }
    data.ZoneList.Zones[4].Name = "Garden Room";
    data.ZoneList.Zones[4].AreaEquation[1] = 0;
    data.ZoneList.Zones[4].AreaEquation[2] = 1;
    SetDevice(data, address++, dtCallpoint, 0, CustomPlace(4), "");
    SetDevice(data, address++, dtOverDoorLight, 3, CustomPlace(4), "");

    // Groups 1..3 show their wing by day; at night group 1 (the night
    // station) shows every wing. Unanswered calls divert to the next wing.
    for (int g = 1; g <= kWings; ++g) {
        TKGroup& group = data.GroupList.Groups[static_cast<std::size_t>(g)];
        group.NightAreaEquation[1] = g == 1 ? 0 : kAreaEmpty;
        if (g == 1) {
            group.NightAreaEquation[2] = 1;
            group.NightAreaEquation[3] = 2;
        }
        group.DivertEquation[1] = g % kWings;
    }
}

}  // namespace kelvane::sim
