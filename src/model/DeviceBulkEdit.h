#pragma once
#include <string>
#include <vector>

#include "model/Loop.h"

namespace kelvane {

// One change made to several devices at once from the Device Summary table.
struct DeviceBulkChange {
    enum Kind { Type, Allocation, PlaceName, Enabled };
    // The allocation lists a chosen allocation comes from.
    enum AllocationClass { ZoneList, GroupList, AreaList };

    Kind kind = Type;
    // The type code, allocation index, place-name index or enabled flag.
    int value = 0;
    // For an allocation: the list it was chosen from; only devices of that
    // list's class take it.
    AllocationClass list = ZoneList;
};

// What a bulk change did: the devices it changed, those that already had
// the value, and those that may not take it, counted by reason.
struct DeviceBulkResult {
    int changed = 0;
    int unchanged = 0;
    bool networkControllerKept = false;  // address 1 keeps its type
    int notFitted = 0;
    int otherClass = 0;  // an allocation of a list the device does not belong to

    int Skipped() const { return (networkControllerKept ? 1 : 0) + notFitted + otherClass; }
};

// Applies `change` to every device of `devices` (addresses 1..256) that may
// take it, by the rules of the table's single-cell edits: a type change
// leaves address 1 alone and places the type as a tool does (allocation,
// place name and suffix stay); an allocation, place name or enabled flag is
// only given to fitted devices, an allocation only to devices of the list's
// class.
DeviceBulkResult ApplyToDevices(TKLoop& loop, const std::vector<int>& devices,
                                const DeviceBulkChange& change);

// The status line after a bulk change, e.g. "Changed 11 devices; skipped 1:
// device 1 keeps its type".
std::string DeviceBulkSummary(const DeviceBulkResult& result, const DeviceBulkChange& change);

// The name of the one undo step a bulk change makes, e.g. "Change 12 Devices Type".
std::string DeviceBulkStepName(int changed, const DeviceBulkChange& change);

}  // namespace kelvane
