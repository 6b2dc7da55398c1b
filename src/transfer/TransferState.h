#pragma once
#include <cstdint>
#include <string>

namespace kelvane {

// Transfer step values. 0 is idle; the others name what the next answer or
// acknowledgement does.
enum TransferStep : std::uint8_t {
    kStepIdle = 0,
    kStepLoadDevices = 1,
    kStepLoadZones = 2,
    kStepLoadGroups = 3,
    kStepLoadSite = 4,
    kStepSaveDevices = 7,
    kStepSaveGroups = 9,
    kStepSaveSite = 10,
    kStepSaveZones = 11,
    kStepSaveAttackCode = 13,
    kStepSaveAccessCodes = 14,
    kStepSaveTime = 15,
    kStepSaveSiteEnd = 16,
    kStepLoadPlaceNames = 23,
    kStepSavePlaceNames = 24,
    kStepSaveCallCode = 25,
    kStepSaveNightMode = 26,
    kStepSaveTimeouts = 27,
    kStepSaveLogger = 28,
    kStepSavePager = 29,
    kStepSaveRecords = 30,  // a list of single records (saving differing records again)
};

// The controller transfer's state, kept for the whole run.
struct TransferState {
    std::uint8_t Step = kStepIdle;
    int ItemCounter = 0;  // device, zone, group or name number being transferred
    bool LoadAll = false;
    bool SaveAll = false;
    bool NvmCheckPending = false;
    // The page button was pressed on the Device Summary page: the zones (and
    // custom names that changed) follow the devices. Decided when the command
    // starts, whatever page is shown by the time the devices are done.
    bool FromDeviceSummary = false;
    int RetryCount = 0;
    std::string LastPacket;  // command, length, payload: resent unchanged on retry
};

}  // namespace kelvane
