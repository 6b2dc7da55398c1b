#include "model/DeviceCatalogue.h"

#include <array>

namespace kelvane {

namespace {

struct DeviceTypeEntry {
    const char* longName;
    const char* shortName;
    AllocationClass allocation;
    bool onToolbar;
};

constexpr std::array<DeviceTypeEntry, kDeviceTypeCount> kDeviceTypes{{
    {"Not fitted", "Not fitted", AllocationClass::None, false},
    {"Callpoint", "Callpoint", AllocationClass::Area, true},
    {"Audio enabled callpoint", "ACallpoint", AllocationClass::None, false},
    {"UnKnown", "UnKnown", AllocationClass::None, false},
    {"Corridor Display", "Display", AllocationClass::Group, true},
    {"Doorbell", "Doorbell", AllocationClass::Area, false},
    {"Monitoring Point", "Mon Point", AllocationClass::Area, true},
    {"Over-door Light / Addressable Sounder", "OD Light/Sounder", AllocationClass::Zone, true},
    {"Network Controller", "Network Controller", AllocationClass::Group, false},
    {"Radio Receiver", "Radio Receiver", AllocationClass::Area, true},
}};

constexpr std::array<const char*, kStandardPlaceNameCount> kStandardPlaceNames{
    "Unnamed",     "Annexe",     "Area",       "Bathroom", "Bedroom",  "Conservtry", "Corridor",
    "Dining Room", "Disable WC", "Display",    "Door",     "DoorBell", "Drugs Cab",  "Entrance",
    "ESMIUnit",    "Exit",       "Fire Exit",  "Flat",     "Floor",    "Gents WC",   "HairDresser",
    "Kitchen",     "Ladies WC",  "Laundry",    "Lift",     "Lounge",   "Meeting Rm", "OD Light",
    "Phone",       "Quiet Room", "Reception",  "Room",     "Shower",   "Sluice",     "Special",
    "Staff Room",  "Toilet",     "Treat Room", "TV Room",  "Ward",     "Zone",
};

const DeviceTypeEntry* FindDeviceType(int code) {
    if (code < 0 || code >= kDeviceTypeCount) return nullptr;
    return &kDeviceTypes[static_cast<std::size_t>(code)];
}

}  // namespace

std::string DeviceTypeLongName(int code) {
    const DeviceTypeEntry* entry = FindDeviceType(code);
    return entry ? entry->longName : "";
}

std::string DeviceTypeShortName(int code) {
    const DeviceTypeEntry* entry = FindDeviceType(code);
    return entry ? entry->shortName : "";
}

AllocationClass DeviceAllocationClass(int code) {
    const DeviceTypeEntry* entry = FindDeviceType(code);
    return entry ? entry->allocation : AllocationClass::None;
}

bool DeviceTypeOnToolbar(int code) {
    const DeviceTypeEntry* entry = FindDeviceType(code);
    return entry && entry->onToolbar;
}

std::string StandardPlaceName(int index) {
    if (index < 0 || index >= kStandardPlaceNameCount) return "";
    return kStandardPlaceNames[static_cast<std::size_t>(index)];
}

std::string AreaLetter(int value) {
    if (value < 0 || value >= kAreaCount) return "";
    return std::string(1, static_cast<char>('A' + value));
}

char AreaCharacter(int value) {
    return static_cast<char>('A' + static_cast<long long>(value));
}

std::string OneBasedNumber(int value) {
    return std::to_string(static_cast<long long>(value) + 1);
}

std::string AreaListName(int value) {
    return "Area " + AreaLetter(value);
}
std::string ZoneListName(int value) {
    return "Zone " + OneBasedNumber(value);
}
std::string GroupListName(int value) {
    return "Group " + OneBasedNumber(value);
}

}  // namespace kelvane
