#pragma once
#include <cstdint>

#include "core/Clock.h"
#include "model/Data.h"
#include "sim/ControllerRecords.h"
#include "sim/EventLogTalker.h"
#include "sim/SimulatedPanelDevice.h"
#include "sim/StoreFaults.h"

namespace kelvane::sim {

// The simulated controller that `--simulate` talks to: the demo site in its
// configuration memory, answering on an in-process line in link mode 1 with
// the demo site's version, and printing its event log while the tool
// listens. `corruptStoreRate` above 0 makes it store that share of the
// record packets wrongly or not at all (seed 1). `eventSeed` picks which
// other events its event log prints.
class DemoController {
public:
    explicit DemoController(const Clock& clock, double corruptStoreRate = 0.0, std::uint32_t eventSeed = 1);
    DemoController(const DemoController&) = delete;
    DemoController& operator=(const DemoController&) = delete;

    TData& Site() { return site_; }
    SimulatedPanelDevice& Device() { return device_; }
    StoreFaults& Faults() { return faults_; }
    EventLogTalker& EventLog() { return eventLog_; }

private:
    // Builds the demo site into `site` and gives the options that answer for it.
    static SimulatorOptions BuildSite(TData& site);

    TData site_;
    ControllerRecords records_;
    StoreFaults faults_;
    EventLogTalker eventLog_;
    SimulatedPanelDevice device_;
};

}  // namespace kelvane::sim
