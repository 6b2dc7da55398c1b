#pragma once
#include <string>

#include "model/Equation.h"

namespace kelvane {

// The working copy of the equation an editor is changing: its 9 entries, the
// current slot (1..8) and the rules of picking, clearing and accepting.
class EquationSlots {
public:
    explicit EquationSlots(EquationKind kind) : kind_(kind) {}

    EquationKind Kind() const { return kind_; }

    // Takes a copy of all 9 entries; slot 1 becomes current.
    void Load(const Equation& equation);
    const Equation& Entries() const { return entries_; }
    int Value(int slot) const { return entries_[static_cast<std::size_t>(slot)]; }

    int Current() const { return current_; }
    // Makes `slot` current; a number outside 1..8 changes nothing.
    void SetCurrent(int slot);

    struct Pick {
        int filled = 0;     // the slot that took the member, 0 when none did
        int duplicate = 0;  // the slot that already holds it, 0 when none does
    };
    // Puts `member` into the current slot and makes the next slot current
    // (after slot 8 comes slot 1), unless a slot already holds it: then
    // nothing changes and the highest such slot is named. A value that is not
    // a member changes nothing.
    Pick PickMember(int member);

    // Empties the current slot with the kind's cleared value (33 for groups).
    void ClearCurrent();

    // The check made when the box of slot `left` loses the focus, showing
    // `text`: the slot to warn at when another slot is the highest one
    // holding the member that text reads as; 0 otherwise ("---" never warns).
    int DuplicateOnLeaving(int left, const std::string& text) const;

    // Slots 1..8 into ascending order, as an accepted edit leaves them.
    void Sort() { SortTerms(entries_); }

private:
    EquationKind kind_;
    Equation entries_ = FilledEquation(0);
    int current_ = 1;
};

}  // namespace kelvane
