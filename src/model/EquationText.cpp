#include "model/EquationText.h"

namespace kelvane {
namespace {

struct MemberLayout {
    std::size_t width;  // right-aligned to this many characters
    const char* after;
};

MemberLayout LayoutOf(EquationKind kind) {
    switch (kind) {
        case EquationKind::Area:
            return {1, "  "};
        case EquationKind::Device:
            return {3, "  "};
        case EquationKind::Group:
            return {2, " "};
    }
    return {1, "  "};
}

}  // namespace

std::string EquationText(EquationKind kind, const Equation& equation) {
    const MemberLayout layout = LayoutOf(kind);
    std::string text;
    for (int n = 1; n <= kEquationTerms; ++n) {
        const int value = equation[static_cast<std::size_t>(n)];
        if (!IsMember(kind, value)) continue;
        const std::string member = MemberText(kind, value);
        if (member.size() < layout.width) text.append(layout.width - member.size(), ' ');
        text += member;
        text += layout.after;
    }
    return text;
}

}  // namespace kelvane
