#include "model/Equation.h"

#include <algorithm>
#include <charconv>

namespace kelvane {

int EmptyMarker(EquationKind kind) {
    switch (kind) {
        case EquationKind::Area:
            return kAreaEmpty;
        case EquationKind::Device:
            return kDeviceEmpty;
        case EquationKind::Group:
            return kGroupEmpty;
    }
    return kAreaEmpty;
}

int ClearedValue(EquationKind kind) {
    return kind == EquationKind::Group ? kGroupCleared : EmptyMarker(kind);
}

bool IsMember(EquationKind kind, int value) {
    return value >= 0 && value < EmptyMarker(kind);
}

void StoreTerms(const Equation& from, Equation& into) {
    std::copy(from.begin() + 1, from.end(), into.begin() + 1);
}

int SlotHolding(EquationKind kind, const Equation& equation, int member) {
    if (!IsMember(kind, member)) return 0;
    for (int slot = kEquationTerms; slot >= 1; --slot) {
        if (equation[static_cast<std::size_t>(slot)] == member) return slot;
    }
    return 0;
}

void SortTerms(Equation& equation) {
    std::stable_sort(equation.begin() + 1, equation.end());
}

std::string MemberText(EquationKind kind, int member) {
    if (kind == EquationKind::Area) return std::string(1, static_cast<char>('A' + member));
    return std::to_string(member + 1);
}

std::string SlotText(EquationKind kind, int value) {
    return IsMember(kind, value) ? MemberText(kind, value) : std::string(kEmptySlotText);
}

int ReadMember(EquationKind kind, const std::string& text) {
    if (kind == EquationKind::Area) {
        return text.empty() ? kAreaEmpty : static_cast<unsigned char>(text.front()) - 'A';
    }
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end == text.data()) return EmptyMarker(kind);
    return number - 1;
}

}  // namespace kelvane
