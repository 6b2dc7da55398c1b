#pragma once
#include <string>

namespace kelvane {

// Fixed tables that give the model's small integers their names.

inline constexpr int kDeviceTypeCount = 10;         // codes 0..9
inline constexpr int kStandardPlaceNameCount = 41;  // indices 0..40
inline constexpr int kCustomPlaceNameCount = 45;    // indices 41..85
inline constexpr int kFirstCustomPlaceNameIndex = kStandardPlaceNameCount;
inline constexpr int kAreaCount = 26;

enum DeviceTypeCode {
    dtNotFitted = 0,
    dtCallpoint = 1,
    dtAudioCallpoint = 2,
    dtUnknown = 3,
    dtCorridorDisplay = 4,
    dtDoorbell = 5,
    dtMonitoringPoint = 6,
    dtOverDoorLight = 7,
    dtNetworkController = 8,
    dtRadioReceiver = 9,
};

enum class AllocationClass { None, Area, Group, Zone };

// Long name ("Over-door Light / Addressable Sounder"); empty outside 0..9.
std::string DeviceTypeLongName(int code);
// Short name ("OD Light/Sounder"); empty outside 0..9.
std::string DeviceTypeShortName(int code);
AllocationClass DeviceAllocationClass(int code);
// Whether the device tool bars offer the type for placing.
bool DeviceTypeOnToolbar(int code);

// Standard place name 0..40; empty outside that range.
std::string StandardPlaceName(int index);

// "A".."Z" for 0..25; empty otherwise.
std::string AreaLetter(int value);
// The character 'A' + value for any stored value (the byte it wraps to
// outside 0..25), as the device tables show an area allocation.
char AreaCharacter(int value);
// The one-based number of a zero-based stored value ("5" for 4), for any
// stored value: 2147483647 gives "2147483648".
std::string OneBasedNumber(int value);
// "Area A", "Zone 5", "Group 12" for a zero-based stored index.
std::string AreaListName(int value);
std::string ZoneListName(int value);
std::string GroupListName(int value);

}  // namespace kelvane
