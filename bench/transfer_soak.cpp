// Whole loads and saves of a fully fitted site against the simulated
// controller on a faulty line (answers dropped, corrupted, replaced by NAK
// and late beyond the reply time-out, each at its own rate), on a driven
// clock. Every transfer must end with exactly the controller's records (a
// load) or exactly the tool's (a save), or as a failed transfer; it counts
// the records that differ after a transfer that reported success, which
// must be 0, and the failures.
//
// transfer_soak [RUNS [SEED]]   (default 200 runs from seed 1)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "comms/PortPaths.h"
#include "compare/SiteComparison.h"
#include "core/ManualClock.h"
#include "file/Document.h"
#include "model/Data.h"
#include "model/DeviceCatalogue.h"
#include "sim/ControllerRecords.h"
#include "sim/SimulatedPanelDevice.h"
#include "support/ScriptedPrompts.h"
#include "transfer/TransferSession.h"

namespace {

using namespace kelvane;
using Outcome = TransferSession::Outcome;

constexpr std::uint64_t kStepMs = 10;
constexpr std::uint64_t kLimitMs = 3'600'000;

// Every address fitted (256 too, which a save never sends), every equation
// full, every field different from its neighbours'.
void BuildFullSite(TData& data, unsigned variant) {
    data.ResetToDefaults();
    data.SiteConfig.MainVersion = "08A00";
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        TKDeviceType& device = data.Loop.Device(n);
        device.DeviceType = 1 + static_cast<int>((n + variant) % 9);
        device.Allocation = static_cast<int>((n * 7 + variant) % 26);
        device.Enabled = (n + variant) % 3 == 0 ? 0 : 1;
        device.PlaceNameIndex = static_cast<int>((n + variant) % 86);
        device.Suffix = std::to_string((n * 13 + variant) % 1000);
    }
    for (int z = 1; z <= kZoneCount; ++z) {
        for (int t = 1; t <= kEquationTerms; ++t) {
            data.ZoneList.Zones[z].AreaEquation[t] = static_cast<int>((z + t + variant) % 26);
            data.ZoneList.Zones[z].DeviceEquation[t] = static_cast<int>((z * 37 + t * 11 + variant) % 256);
        }
    }
    for (int g = 1; g <= kGroupCount; ++g) {
        for (int t = 1; t <= kEquationTerms; ++t) {
            data.GroupList.Groups[g].PrimaryAreaEquation[t] = static_cast<int>((g * 3 + t + variant) % 26);
            data.GroupList.Groups[g].NightAreaEquation[t] = static_cast<int>((g + t * 5 + variant) % 26);
            data.GroupList.Groups[g].DivertEquation[t] = static_cast<int>((g + t + variant) % 32);
        }
    }
    for (int k = 0; k < kCustomPlaceNameCount; ++k)
        data.CustomNames.Item(k).Name =
            "Room " + std::to_string(100 + k * 7 + static_cast<int>(variant % 50));
    data.SiteConfig.AccTimeout = static_cast<int>(variant % 9);
    data.SiteConfig.DivTimeout = static_cast<int>((variant + 4) % 9);
}

sim::SimulatorOptions FaultyLine(std::uint32_t seed) {
    sim::SimulatorOptions options;
    options.Version = "08A00";
    options.DropRate = 0.01;
    options.CorruptRate = 0.03;
    options.NakRate = 0.03;
    options.DelayRate = 0.02;
    options.DelayMs = 5000;
    options.Seed = seed;
    return options;
}

struct Tally {
    int runs = 0;
    int completed = 0;
    int failed = 0;
    int wrongRecords = 0;
    int runsWithWrongRecords = 0;
    std::uint64_t simulatedMs = 0;
    int faults = 0;
};

// The records (not fields) that differ: a shifted device is one wrong record.
int WrongRecords(const TData& expected, const TData& actual) {
    std::set<std::pair<int, int>> records;
    for (const SiteDifference& d : CompareSites(expected, actual, ComparisonScope::Controller(expected)))
        records.insert({static_cast<int>(d.Section), d.Number});
    return static_cast<int>(records.size());
}

class Run {
public:
    Run(TData& controller, std::uint32_t seed)
        : records_(controller),
          device_(clock_, FaultyLine(seed), &records_),
          session_(device_, clock_, paths_, tool_, document_, prompts_) {
        tool_.ResetToDefaults();
        session_.DriveWith(
            clock_, [this] { device_.Service(); }, kStepMs);
    }
    TData& Tool() { return tool_; }
    Outcome Load() {
        session_.LoadAll();
        return session_.RunDriven(kLimitMs);
    }
    Outcome Save() {
        session_.SaveAll();
        return session_.RunDriven(kLimitMs);
    }
    std::uint64_t ElapsedMs() const { return clock_.NowMs(); }
    int Faults() {
        const auto& counts = device_.Simulator().Statistics();
        return counts.Dropped + counts.Corrupted + counts.Naked + counts.Delayed;
    }

private:
    ManualClock clock_;
    PortPaths paths_;
    TData tool_;
    Document document_;
    ScriptedPrompts prompts_;
    sim::ControllerRecords records_;
    sim::SimulatedPanelDevice device_;
    TransferSession session_;
};

void Count(Tally& tally, Outcome outcome, int wrong, Run& run) {
    ++tally.runs;
    tally.simulatedMs += run.ElapsedMs();
    tally.faults += run.Faults();
    if (outcome != Outcome::Completed) {
        ++tally.failed;
        return;
    }
    ++tally.completed;
    tally.wrongRecords += wrong;
    if (wrong > 0) ++tally.runsWithWrongRecords;
}

void Print(const char* what, const Tally& tally) {
    std::printf(
        "%-6s runs %4d  completed %4d  failed %3d  wrong records %d (in %d runs)  faults %6d  "
        "simulated %.1f s per run\n",
        what, tally.runs, tally.completed, tally.failed, tally.wrongRecords, tally.runsWithWrongRecords,
        tally.faults, tally.runs ? static_cast<double>(tally.simulatedMs) / 1000.0 / tally.runs : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 200;
    const auto firstSeed = static_cast<std::uint32_t>(argc > 2 ? std::atoi(argv[2]) : 1);
    Tally loads, saves;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) {
        const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(i);
        TData controller;
        BuildFullSite(controller, seed);
        TData expected;
        BuildFullSite(expected, seed);
        {
            Run load(controller, seed);
            const Outcome outcome = load.Load();
            Count(loads, outcome, WrongRecords(expected, load.Tool()), load);
        }
        TData blank;
        blank.ResetToDefaults();
        blank.SiteConfig.MainVersion = "08A00";
        Run save(blank, seed + 100000);
        BuildFullSite(save.Tool(), seed + 1);
        const Outcome outcome = save.Save();
        Count(saves, outcome, WrongRecords(save.Tool(), blank), save);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    Print("loads", loads);
    Print("saves", saves);
    std::printf("wall time %.1f s\n", seconds);
    return loads.wrongRecords + saves.wrongRecords == 0 ? 0 : 1;
}
