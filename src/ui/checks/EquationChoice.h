#pragma once

namespace kelvane {

// One equation of a zone or group, as the Zone Config and Group Config tabs
// open its editor.
struct EquationChoice {
    enum class Which { ZoneAreas, ZoneDevices, GroupPrimaryAreas, GroupNightAreas, GroupDiverts };
    Which which = Which::ZoneAreas;
    int number = 1;  // zone 1..64 or group 1..32
};

}  // namespace kelvane
