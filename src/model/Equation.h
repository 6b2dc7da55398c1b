#pragma once
#include <array>

namespace kelvane {

// A routing equation: entries 1..8 are the terms; entry 0 is carried along
// with the array and means nothing (never stored in a file or a packet).
using Equation = std::array<int, 9>;

inline constexpr int kEquationTerms = 8;

// Values at or above these markers are empty entries.
inline constexpr int kAreaEmpty = 26;    // area values 0..25 are A..Z
inline constexpr int kDeviceEmpty = 256; // device values 0..255 are addresses 1..256
inline constexpr int kGroupEmpty = 32;   // group values 0..31 are groups 1..32

inline Equation FilledEquation(int value) {
    Equation e;
    e.fill(value);
    return e;
}

}  // namespace kelvane
