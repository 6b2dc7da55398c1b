#include "panel-sim/DemoController.h"

#include "panel-sim/DemoSite.h"

namespace kelvane::sim {

SimulatorOptions DemoController::BuildSite(TData& site) {
    BuildDemoSite(site);
    SimulatorOptions options;
    options.Version = site.SiteConfig.MainVersion;
    return options;
}

DemoController::DemoController(const Clock& clock, double corruptStoreRate)
    : records_(site_),
      faults_(records_, corruptStoreRate, 1),
      eventLog_(site_, clock),
      device_(clock, BuildSite(site_), &faults_) {
    device_.Simulator().SetEventLog(&eventLog_);
}

}  // namespace kelvane::sim
