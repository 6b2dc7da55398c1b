#include "print/ReportTexts.h"

#include "model/DeviceCatalogue.h"
#include "model/SiteSettingTexts.h"

namespace kelvane {

std::string ReportAllocationText(const TKLoop& loop, int n) {
    const int allocation = loop.Device(n).Allocation;
    if (loop.IsGroupDevice(n)) return "Group " + OneBasedNumber(allocation);
    if (loop.IsAreaDevice(n)) return std::string("Area  ") + AreaCharacter(allocation);
    return "Zone  " + OneBasedNumber(allocation);
}

std::string ReportEquationText(EquationKind kind, const Equation& equation) {
    const std::size_t width = kind == EquationKind::Device ? 3 : kind == EquationKind::Group ? 2 : 1;
    std::string text = " ";
    for (int slot = 1; slot <= kEquationTerms; ++slot) {
        const int value = equation[static_cast<std::size_t>(slot)];
        if (!IsMember(kind, value)) continue;
        const std::string member = MemberText(kind, value);
        if (member.size() < width) text.append(width - member.size(), ' ');
        text += member + " ";
    }
    return text;
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
