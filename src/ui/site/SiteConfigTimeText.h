#pragma once
#include <string>

namespace kelvane {

// A night or day mode time "HH:MM" moved by whole hours and minutes. Each part
// wraps on its own (23 -> 00 and 59 -> 00 going up, the other way going down)
// without carrying into the other. "H:MM" reads as it says; a text that is
// not a time counts as 00:00.
std::string StepTimeText(const std::string& time, int hours, int minutes);

}  // namespace kelvane
