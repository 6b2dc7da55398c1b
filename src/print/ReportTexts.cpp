#include "print/ReportTexts.h"

#include "model/EquationText.h"
#include "model/SiteSettingLists.h"

namespace kelvane {
namespace {

std::string RightAligned(int number, std::size_t width) {
    std::string text = std::to_string(number);
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace

std::string ReportAllocationText(const TKLoop& loop, int n) {
    const int allocation = loop.Device(n).Allocation;
    if (loop.IsGroupDevice(n)) return "Group " + std::to_string(allocation + 1);
    if (loop.IsAreaDevice(n)) return std::string("Area  ") + static_cast<char>(65 + allocation);
    return "Zone  " + std::to_string(allocation + 1);
}

std::string ReportAreaText(const Equation& equation) {
    std::string text = " ";
    for (int slot = 1; slot <= kEquationTerms; ++slot) {
        const int value = equation[static_cast<std::size_t>(slot)];
        if (value < kAreaEmpty) {
            text += static_cast<char>(65 + value);
            text += ' ';
        }
    }
    return text;
}

std::string ReportDeviceText(const Equation& equation) {
    std::string text = " ";
    for (int slot = 1; slot <= kEquationTerms; ++slot) {
        const int value = equation[static_cast<std::size_t>(slot)];
        if (value < kDeviceEmpty) text += RightAligned(value + 1, 3) + " ";
    }
    return text;
}

std::string ReportDivertText(const Equation& equation) {
    return " " + DivertEquationText(equation);
}

std::string YesNoText(bool value) {
    return value ? "YES" : "NO";
}

std::string SentText(bool global) {
    return ListEntry(SentEntries(), global ? 1 : 0);
}

std::string MinutesText(int minutes) {
    return std::to_string(minutes) + "  minute(s)";
}

}  // namespace kelvane
