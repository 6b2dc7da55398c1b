#include "panel-sim/DemoController.h"

#include "panel-sim/DemoSite.h"

namespace kelvane::sim {

SimulatorOptions DemoController::BuildSite(TData& site) {
    BuildDemoSite(site);
    SimulatorOptions options;
    options.Version = site.SiteConfig.MainVersion;
    return options;
}

DemoController::DemoController(const Clock& clock)
    : records_(site_), eventLog_(site_, clock), device_(clock, BuildSite(site_), &records_) {
    device_.Simulator().SetEventLog(&eventLog_);
}

}  // namespace kelvane::sim
