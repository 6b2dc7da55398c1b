#pragma once
#include <string>

#include "model/Equation.h"

namespace kelvane {

// The texts by which the zone and group tabs and the site listing show an
// equation: slots 1..8 in stored order, empty slots skipped; an equation
// without members is "".
//
// Area members: the letter and two spaces ("A  C  "). Device members: the
// address right-aligned to 3 characters and two spaces ("  5  120  ").
// Group members: the group number right-aligned to 2 characters and a space
// (" 2 15 ").
std::string EquationText(EquationKind kind, const Equation& equation);

inline std::string AreaEquationText(const Equation& equation) {
    return EquationText(EquationKind::Area, equation);
}
inline std::string DeviceEquationText(const Equation& equation) {
    return EquationText(EquationKind::Device, equation);
}
inline std::string DivertEquationText(const Equation& equation) {
    return EquationText(EquationKind::Group, equation);
}

}  // namespace kelvane
