#pragma once
#include <string>

namespace kelvane {

// A night or day mode time "HH:MM" moved by whole hours and minutes. Each part
// wraps on its own (23 -> 00 and 59 -> 00 going up, the other way going down)
// without carrying into the other. A part that is not two digits counts as 0.
std::string StepTimeText(const std::string& time, int hours, int minutes);

}  // namespace kelvane
