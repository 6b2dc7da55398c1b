#include "model/ZoneList.h"

namespace kelvane {

TKZoneList::TKZoneList() {
    Zones[0].Name = "No zone allocated";
    for (int z = 1; z <= kZoneCount; ++z) Zones[static_cast<std::size_t>(z)].Name = "Zone " + std::to_string(z);
}

void TKZoneList::ResetToDefaults() {
    for (int z = 1; z <= kZoneCount; ++z) {
        TKZone& zone = Zones[static_cast<std::size_t>(z)];
        zone.AreaEquation = FilledEquation(kAreaEmpty);
        zone.DeviceEquation = FilledEquation(kDeviceEmpty);
    }
}

}  // namespace kelvane
