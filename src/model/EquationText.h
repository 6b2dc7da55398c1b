#pragma once
#include <string>

#include "model/Equation.h"

namespace kelvane {

// The texts by which the zone and group tabs show an equation: slots 1..8 in
// stored order, empty slots skipped; an equation without members is "".

// Each area member: its letter and two spaces ("A  C  ").
std::string AreaEquationText(const Equation& equation);
// Each device member: its address right-aligned to 3 characters and two spaces ("  5  120  ").
std::string DeviceEquationText(const Equation& equation);
// Each divert member: its group number right-aligned to 2 characters and a space (" 2 15 ").
std::string DivertEquationText(const Equation& equation);

}  // namespace kelvane
