#include "model/ZoneList.h"

namespace kelvane {

TKZoneList::TKZoneList() {
    Zones[0].Name = "No zone allocated";
    ResetToDefaults();
}

void TKZoneList::ResetToDefaults() {
    for (int z = 1; z <= kZoneCount; ++z) {
        TKZone& zone = Zones[static_cast<std::size_t>(z)];
        // No name of one site may be carried into the next.
        zone.Name = "Zone " + std::to_string(z);
        zone.AreaEquation = FilledEquation(kAreaEmpty);
        zone.DeviceEquation = FilledEquation(kDeviceEmpty);
    }
}

}  // namespace kelvane
