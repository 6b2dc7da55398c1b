#pragma once
#include <optional>

#include "comms/PortPaths.h"
#include "compare/ControllerVerify.h"
#include "core/ManualClock.h"
#include "file/Document.h"
#include "model/Data.h"
#include "sim/ControllerRecords.h"
#include "sim/SimulatedPanelDevice.h"
#include "sim/StoreFaults.h"
#include "support/ScriptedPrompts.h"
#include "transfer/TransferSession.h"

namespace kelvane::testing {

// The open site, a headless session against the simulated controller whose
// memory may store records wrongly, and a verify over both, on a driven clock.
class VerifyRig {
public:
    static constexpr std::uint64_t kStepMs = 10;
    static constexpr std::uint64_t kLimitMs = 3'600'000;

    explicit VerifyRig(const std::string& controllerVersion, double corruptRate = 0.0, std::uint32_t seed = 1)
        : faults(records, corruptRate, seed),
          device(clock, Options(controllerVersion), &faults),
          session(device, clock, paths, site, document, prompts),
          verify(session, site) {
        controller.ResetToDefaults();
        controller.SiteConfig.MainVersion = controllerVersion;
        site.ResetToDefaults();
        session.DriveWith(
            clock, [this] { device.Service(); }, kStepMs);
        verify.OnFinished = [this](const ControllerVerify::Result& outcome) { result = outcome; };
    }

    // Runs until the verify has reported its end.
    ControllerVerify::Result Run() {
        for (std::uint64_t spent = 0; !result && spent < kLimitMs; spent += kStepMs) session.Step();
        return result.value_or(ControllerVerify::Result{});
    }
    ControllerVerify::Result SaveAndVerify() {
        result.reset();
        verify.SaveAndVerify();
        return Run();
    }
    ControllerVerify::Result Verify() {
        result.reset();
        verify.Verify();
        return Run();
    }
    ControllerVerify::Result ResaveAndVerify(const std::vector<SiteDifference>& differences) {
        result.reset();
        verify.ResaveAndVerify(differences);
        return Run();
    }

    ManualClock clock;
    PortPaths paths;
    TData controller;
    TData site;
    Document document;
    ScriptedPrompts prompts;
    sim::ControllerRecords records{controller};
    sim::StoreFaults faults;
    sim::SimulatedPanelDevice device;
    TransferSession session;
    ControllerVerify verify;
    std::optional<ControllerVerify::Result> result;

private:
    static sim::SimulatorOptions Options(const std::string& version) {
        sim::SimulatorOptions options;
        options.Version = version;
        return options;
    }
};

}  // namespace kelvane::testing
