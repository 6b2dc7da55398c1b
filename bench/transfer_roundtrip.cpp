// A whole save, a whole load and a save with its verify (the save, then the
// whole read-back and the comparison) against the simulated controller, with
// its wire emulated at 9600 bit/s 8N1 and a fixed turnaround of 2 ms per
// answer, on a driven clock. Prints, per transfer and link mode, the time
// taken, the bound (every byte on the wire at 10/9600 s plus the
// turnarounds) and their ratio. The link shakes hands before the clock
// starts, as the desktop program's keep-alive does at start-up.
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "comms/PortPaths.h"
#include "compare/ControllerVerify.h"
#include "core/ManualClock.h"
#include "file/Document.h"
#include "model/Data.h"
#include "sim/ControllerRecords.h"
#include "sim/DemoSite.h"
#include "sim/SimulatedPanelDevice.h"
#include "support/ScriptedPrompts.h"
#include "transfer/TransferSession.h"

namespace {

using namespace kelvane;

constexpr std::uint32_t kBitRate = 9600;
constexpr std::uint32_t kBitsPerCharacter = 10;
constexpr std::uint32_t kTurnaroundMs = 2;
constexpr std::uint64_t kStepMs = 1;
constexpr std::uint64_t kLimitMs = 3'600'000;

struct Rig {
    explicit Rig(int linkMode)
        : records(controller),
          device(clock, Options(linkMode), &records),
          session(device, clock, paths, tool, document, prompts) {
        controller.ResetToDefaults();
        controller.SiteConfig.MainVersion = "08A00";
        sim::BuildDemoSite(tool);
        device.Line().EmulateWire(clock, kBitRate, kBitsPerCharacter);
        session.DriveWith(
            clock, [this] { device.Service(); }, kStepMs);
    }
    static sim::SimulatorOptions Options(int linkMode) {
        sim::SimulatorOptions options;
        options.LinkMode = linkMode;
        options.TurnaroundMs = kTurnaroundMs;
        options.Version = "08A00";
        return options;
    }
    // Opens the port and waits until the handshake and version query are through.
    bool Connect() {
        if (!session.Comms().Open()) return false;
        for (std::uint64_t spent = 0; spent < kLimitMs; spent += kStepMs) {
            session.Step();
            if (session.Headless()->MainVersion.size() == 5) break;
        }
        for (int i = 0; i < 50; ++i) session.Step();
        return session.Comms().HandshakeDone;
    }

    ManualClock clock;
    PortPaths paths;
    TData controller;
    TData tool;
    Document document;
    ScriptedPrompts prompts;
    sim::ControllerRecords records;
    sim::SimulatedPanelDevice device;
    TransferSession session;
};

// Runs `transfer` (which starts its work and runs it to its end, true when
// it completed) and prints its figures.
void Measure(Rig& rig, const char* what, int linkMode, const std::function<bool()>& transfer) {
    const std::uint64_t startMs = rig.clock.NowMs();
    const std::uint64_t startBytes = rig.device.Line().BytesCarried();
    const int startAnswers = rig.device.Simulator().Statistics().Answers;
    const bool completed = transfer();
    const double totalS = static_cast<double>(rig.clock.NowMs() - startMs) / 1000.0;
    const auto bytes = rig.device.Line().BytesCarried() - startBytes;
    const int answers = rig.device.Simulator().Statistics().Answers - startAnswers;
    const double boundS =
        static_cast<double>(bytes) * kBitsPerCharacter / kBitRate + answers * kTurnaroundMs / 1000.0;
    std::printf("%-12s mode %d  %-9s total %8.3f s  bound %7.3f s (%6llu bytes, %4d answers)  ratio %5.2f\n",
                what, linkMode, completed ? "completed" : "FAILED", totalS, boundS,
                static_cast<unsigned long long>(bytes), answers, totalS / boundS);
}

std::function<bool()> Whole(Rig& rig, void (TransferSession::*start)()) {
    return [&rig, start] {
        (rig.session.*start)();
        return rig.session.RunDriven(kLimitMs) == TransferSession::Outcome::Completed;
    };
}

// The save and its verify, compared: true when the controller holds the site.
std::function<bool()> SaveAndVerify(Rig& rig) {
    return [&rig] {
        ControllerVerify verify(rig.session, rig.tool);
        std::optional<ControllerVerify::Result> result;
        verify.OnFinished = [&result](const ControllerVerify::Result& outcome) { result = outcome; };
        verify.SaveAndVerify();
        for (std::uint64_t spent = 0; !result && spent < kLimitMs; spent += kStepMs) rig.session.Step();
        return result && result->Compared && result->Differences.empty();
    };
}

}  // namespace

int main() {
    std::printf("Whole-configuration transfers, 9600 bit/s 8N1, %u ms controller turnaround, driven clock\n",
                kTurnaroundMs);
    for (int linkMode = 1; linkMode <= 3; ++linkMode) {
        Rig rig(linkMode);
        if (!rig.Connect()) {
            std::printf("mode %d: no handshake\n", linkMode);
            return 1;
        }
        Measure(rig, "save", linkMode, Whole(rig, &TransferSession::SaveAll));
        Measure(rig, "save+verify", linkMode, SaveAndVerify(rig));
        rig.tool.ResetToDefaults();
        Measure(rig, "load", linkMode, Whole(rig, &TransferSession::LoadAll));
    }
    std::printf(
        "Target: ratio at most 1.10 in link mode 1 (modes 2 and 3 wait 2 x 50 ms per packet for parity);\n"
        "a verify adds only the load's own wire time, so save+verify keeps the save's and the load's "
        "ratio.\n");
    return 0;
}
