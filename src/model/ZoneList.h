#pragma once
#include <array>
#include <string>

#include "model/Equation.h"

namespace kelvane {

inline constexpr int kZoneCount = 64;

class TKZone {
public:
    std::string Name;
    Equation AreaEquation = FilledEquation(kAreaEmpty);
    Equation DeviceEquation = FilledEquation(kDeviceEmpty);

    bool operator==(const TKZone&) const = default;
};

// Zones 1..64; zone 0 is a placeholder ("No zone allocated") never stored.
class TKZoneList {
public:
    TKZoneList();
    std::array<TKZone, kZoneCount + 1> Zones;

    // Names zones 1..64 "Zone 1" .. "Zone 64" and empties their equations.
    void ResetToDefaults();

    bool operator==(const TKZoneList&) const = default;
};

}  // namespace kelvane
