#include "model/EquationSlots.h"

namespace kelvane {

void EquationSlots::Load(const Equation& equation) {
    entries_ = equation;
    current_ = 1;
}

void EquationSlots::SetCurrent(int slot) {
    if (slot >= 1 && slot <= kEquationTerms) current_ = slot;
}

EquationSlots::Pick EquationSlots::PickMember(int member) {
    if (!IsMember(kind_, member)) return {};
    if (const int holder = SlotHolding(kind_, entries_, member)) return {0, holder};
    const int filled = current_;
    entries_[static_cast<std::size_t>(filled)] = member;
    current_ = filled == kEquationTerms ? 1 : filled + 1;
    return {filled, 0};
}

void EquationSlots::ClearCurrent() {
    entries_[static_cast<std::size_t>(current_)] = ClearedValue(kind_);
}

int EquationSlots::DuplicateOnLeaving(int left, const std::string& text) const {
    if (text == kEmptySlotText) return 0;
    const int holder = SlotHolding(kind_, entries_, ReadMember(kind_, text));
    return holder != left ? holder : 0;
}

}  // namespace kelvane
