#pragma once
#include <array>

#include "model/Equation.h"

namespace kelvane {

inline constexpr int kGroupCount = 32;

class TKGroup {
public:
    Equation PrimaryAreaEquation = FilledEquation(0);
    Equation NightAreaEquation = FilledEquation(0);
    Equation DivertEquation = FilledEquation(0);

    bool operator==(const TKGroup&) const = default;
};

// Groups 1..32; group 0 is a placeholder never stored.
class TKGroupList {
public:
    std::array<TKGroup, kGroupCount + 1> Groups;

    // New-document equations: all empty, except that groups 1..8 start on
    // areas A..H as the first entry of their primary area equation.
    void ResetToDefaults();

    bool operator==(const TKGroupList&) const = default;
};

}  // namespace kelvane
