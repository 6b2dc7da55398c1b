#pragma once
#include <array>
#include <string>

namespace kelvane {

// A routing equation: entries 1..8 are the terms; entry 0 is carried along
// with the array and means nothing (never shown, edited, sorted, stored in a
// file or sent in a packet).
using Equation = std::array<int, 9>;

inline constexpr int kEquationTerms = 8;

// Values at or above these markers are empty entries.
inline constexpr int kAreaEmpty = 26;     // area values 0..25 are A..Z
inline constexpr int kDeviceEmpty = 256;  // device values 0..255 are addresses 1..256
inline constexpr int kGroupEmpty = 32;    // group values 0..31 are groups 1..32
// What clearing a divert slot in the group editor writes; empty like 32.
inline constexpr int kGroupCleared = 33;

inline Equation FilledEquation(int value) {
    Equation e;
    e.fill(value);
    return e;
}

// What the members of an equation are: areas (a zone's area equation, a
// group's primary and night areas), devices (a zone's device equation) or
// groups (a group's divert equation).
enum class EquationKind { Area, Device, Group };

// The first value that is no longer a member: 26, 256 or 32.
int EmptyMarker(EquationKind kind);
// What an editor writes into a slot it clears: 26, 256 or 33.
int ClearedValue(EquationKind kind);
// A member is 0 up to below the marker; anything else is an empty slot
// (a negative value from a hand-edited file too, as the controller gets it).
bool IsMember(EquationKind kind, int value);

// Copies slots 1..8 of `from` into `into`; entry 0 of `into` stays.
void StoreTerms(const Equation& from, Equation& into);

// The highest-numbered slot (1..8) that holds `member`, ignoring empty
// slots; 0 when no slot does or `member` is not a member.
int SlotHolding(EquationKind kind, const Equation& equation, int member);

// Slots 1..8 in ascending order of their stored values (members first, empty
// slots last); equal values keep their order and entry 0 stays as it is.
void SortTerms(Equation& equation);

// How one member reads: the letter of an area, the address of a device, the
// number of a group ("C", "120", "15").
std::string MemberText(EquationKind kind, int member);
// What a slot box shows: the member's text, or "---" for an empty slot.
std::string SlotText(EquationKind kind, int value);
inline constexpr const char* kEmptySlotText = "---";
// A member's text read back: an area from its first letter (its code minus
// 65), a device or group from its decimal number minus 1. Text that does not
// read as a number gives the empty marker.
int ReadMember(EquationKind kind, const std::string& text);

}  // namespace kelvane
