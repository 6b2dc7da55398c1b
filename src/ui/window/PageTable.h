#pragma once
#include <array>

#include "ui/HelpContexts.h"
#include "ui/Pages.h"

namespace kelvane {

// A page of the window's tab control: its object name and tab caption, the
// captions of the two controller buttons while it is in front (none: the
// page has no data of its own to load or save, and the buttons are hidden),
// and the help that F1 opens on it.
struct PageEntry {
    const char* objectName;
    const char* caption;
    const char* loadCaption;
    const char* saveCaption;
    int helpContext;

    bool HasControllerData() const { return loadCaption != nullptr; }
};

inline constexpr int kPageCount = 10;

// Why the event log page waits while a controller transfer runs.
inline constexpr const char* kEventLogWaitsText =
    "The event log can be viewed once the controller transfer has ended.";

// The pages in tab order: the entry of page p (ui/Pages.h) is kPageTable[p].
inline constexpr std::array<PageEntry, kPageCount> kPageTable{{
    {"tabLoopSummary", "Device Summary", "Load Device Data From Controller", "Save Device Data To Controller",
     kHelpDeviceSummary},
    {"tabLoop1", "Devices", "Load Device Data From Controller", "Save Device Data To Controller",
     kHelpDevices},
    {"tabZoneCfg", "Zone Config", "Load Zone Configuration From Controller",
     "Save Zone Configuration To Controller", kHelpZoneConfig},
    {"tabGroupConfig", "Group Config", "Load Group Config From Controller", "Save Group Config To Controller",
     kHelpGroupConfig},
    {"tabPlaceNames", "Place Names", "Load Place Names From Controller", "Save Place Names To Controller",
     kHelpPlaceNames},
    {"tabSiteCfg", "Site Config", "Load Site Config From Controller", "Save Site Config To Controller",
     kHelpSiteConfig},
    {"tabNetworkCfg", "Network Config", nullptr, nullptr, kHelpComments},
    {"tabViewLog", "View Event Log", nullptr, nullptr, kHelpEventLog},
    {"tabComment", "Comments", nullptr, nullptr, kHelpComments},
    {"tabNotUsedNow", "Set Config", nullptr, nullptr, kHelpComments},
}};

}  // namespace kelvane
