#pragma once
#include <algorithm>
#include <string>

#include "comms/PortPaths.h"
#include "core/ManualClock.h"
#include "file/Document.h"
#include "model/Data.h"
#include "sim/ControllerRecords.h"
#include "sim/SimulatedPanelDevice.h"
#include "support/ScriptedPrompts.h"
#include "transfer/TransferSession.h"

namespace kelvane::testing {

// A headless transfer session against the simulated controller with its
// record store, on a driven clock. The controller's memory (`controller`)
// outlives the rig, so one rig can save into it and a fresh one load back.
class EndToEndRig {
public:
    static constexpr std::uint64_t kStepMs = 10;
    // Far beyond any whole transfer, faults included.
    static constexpr std::uint64_t kLimitMs = 3'600'000;

    EndToEndRig(TData& controller, sim::SimulatorOptions options)
        : records(controller),
          device(clock, WithVersion(std::move(options), controller), &records),
          session(device, clock, paths, tool, document, prompts) {
        tool.ResetToDefaults();
        session.DriveWith(
            clock, [this] { device.Service(); }, kStepMs);
    }

    TransferSession::Outcome SaveAll() {
        session.SaveAll();
        return session.RunDriven(kLimitMs);
    }
    TransferSession::Outcome LoadAll() {
        session.LoadAll();
        return session.RunDriven(kLimitMs);
    }

    sim::PanelSimulator& Simulator() { return device.Simulator(); }
    int Heard(char command) {
        const std::string& heard = Simulator().CommandsHeard();
        return static_cast<int>(std::count(heard.begin(), heard.end(), command));
    }

    ManualClock clock;
    PortPaths paths;
    TData tool;
    Document document;
    ScriptedPrompts prompts;
    sim::ControllerRecords records;
    sim::SimulatedPanelDevice device;
    TransferSession session;

private:
    // The controller answers the version its memory holds.
    static sim::SimulatorOptions WithVersion(sim::SimulatorOptions options, const TData& controller) {
        options.Version = controller.SiteConfig.MainVersion;
        return options;
    }
};

}  // namespace kelvane::testing
