#include "model/EquationText.h"

namespace kelvane {
namespace {

std::string RightAligned(int number, std::size_t width) {
    std::string text = std::to_string(number);
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace

std::string AreaEquationText(const Equation& equation) {
    std::string text;
    for (int n = 1; n <= kEquationTerms; ++n) {
        const int value = equation[static_cast<std::size_t>(n)];
        if (value >= kAreaEmpty) continue;
        text += static_cast<char>('A' + value);
        text += "  ";
    }
    return text;
}

std::string DeviceEquationText(const Equation& equation) {
    std::string text;
    for (int n = 1; n <= kEquationTerms; ++n) {
        const int value = equation[static_cast<std::size_t>(n)];
        if (value < kDeviceEmpty) text += RightAligned(value + 1, 3) + "  ";
    }
    return text;
}

std::string DivertEquationText(const Equation& equation) {
    std::string text;
    for (int n = 1; n <= kEquationTerms; ++n) {
        const int value = equation[static_cast<std::size_t>(n)];
        if (value < kGroupEmpty) text += RightAligned(value + 1, 2) + " ";
    }
    return text;
}

}  // namespace kelvane
