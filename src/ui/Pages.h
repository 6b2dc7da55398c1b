#pragma once

namespace kelvane {

// Page indices of the main window's tab control. Which one is active
// decides the section of the single-section transfer commands and whether
// the link listens to the event log (ControllerConnection).
enum Page : int {
    kPageDeviceSummary = 0,
    kPageDevices = 1,
    kPageZoneConfig = 2,
    kPageGroupConfig = 3,
    kPagePlaceNames = 4,
    kPageSiteConfig = 5,
    kPageNetworkConfig = 6,
    kPageViewEventLog = 7,
    kPageComments = 8,
    kPageSetConfig = 9,
};

}  // namespace kelvane
