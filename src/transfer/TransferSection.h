#pragma once

namespace kelvane {

// The part of the site that the single-section commands (`btnLoadFromPanel`,
// `btnSavetoPanel`) load or save: whatever the window shows. With the device
// summary the zones follow the devices (and on a save the custom names, when
// they changed).
enum class TransferSection {
    None,
    Devices,
    DevicesAndZones,
    Zones,
    Groups,
    PlaceNames,
    Site,
};

}  // namespace kelvane
