#include "sim/DemoController.h"

#include "sim/DemoSite.h"

namespace kelvane::sim {

SimulatorOptions DemoController::BuildSite(TData& site) {
    BuildDemoSite(site);
    SimulatorOptions options;
    options.Version = site.SiteConfig.MainVersion;
    return options;
}

DemoController::DemoController(const Clock& clock, double corruptStoreRate, std::uint32_t eventSeed)
    : records_(site_),
      faults_(records_, corruptStoreRate, 1),
      eventLog_(site_, clock, EventLogTalker::Options{.Seed = eventSeed}),
      device_(clock, BuildSite(site_), &faults_) {
    device_.Simulator().SetEventLog(&eventLog_);
}

}  // namespace kelvane::sim
