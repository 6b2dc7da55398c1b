#pragma once
#include "core/Clock.h"
#include "model/Data.h"
#include "panel-sim/ControllerRecords.h"
#include "panel-sim/EventLogTalker.h"
#include "panel-sim/SimulatedPanelDevice.h"

namespace kelvane::sim {

// The simulated controller that `--simulate` talks to: the demo site in its
// configuration memory, answering on an in-process line in link mode 1 with
// the demo site's version, and printing its event log while the tool
// listens.
class DemoController {
public:
    explicit DemoController(const Clock& clock);
    DemoController(const DemoController&) = delete;
    DemoController& operator=(const DemoController&) = delete;

    TData& Site() { return site_; }
    SimulatedPanelDevice& Device() { return device_; }
    EventLogTalker& EventLog() { return eventLog_; }

private:
    // Builds the demo site into `site` and gives the options that answer for it.
    static SimulatorOptions BuildSite(TData& site);

    TData site_;
    ControllerRecords records_;
    EventLogTalker eventLog_;
    SimulatedPanelDevice device_;
};

}  // namespace kelvane::sim
