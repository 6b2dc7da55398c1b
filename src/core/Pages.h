#pragma once

namespace kelvane {

// Page indices of the main window's tab control. The transfer commands and
// the event log hand-over depend on which page is active.
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
