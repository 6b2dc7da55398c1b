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
};

// Zones 1..64; zone 0 is a placeholder ("No zone allocated") never stored.
class TKZoneList {
public:
    TKZoneList();
    std::array<TKZone, kZoneCount + 1> Zones;

    // Empties the equations of zones 1..64; the names stay as they are.
    void ResetToDefaults();
};

}  // namespace kelvane
