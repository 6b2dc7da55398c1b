// Comparing two dense sites (every device fitted, every equation slot used,
// every text filled), identical and with a difference in each section, in
// both scopes: every field (file against file) and what travels to the
// controller. Prints the time of one comparison; the target is under 1 ms.
#include <chrono>
#include <cstdio>
#include <string>

#include "compare/SiteComparison.h"
#include "model/Data.h"

namespace {

using namespace kelvane;

constexpr int kRounds = 2000;

void FillDense(TData& data) {
    data.ResetToDefaults();
    data.SiteConfig.MainVersion = "08A00";
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        TKDeviceType& device = data.Loop.Device(n);
        device.DeviceType = 1 + n % 9;
        device.Allocation = n % 26;
        device.PlaceNameIndex = n % 86;
        device.Suffix = std::to_string(n % 1000);
        device.Enabled = 1;
    }
    for (int z = 1; z <= kZoneCount; ++z) {
        data.ZoneList.Zones[z].Name = "Ward " + std::to_string(z);
        for (int t = 1; t <= kEquationTerms; ++t) {
            data.ZoneList.Zones[z].AreaEquation[t] = (z + t) % 26;
            data.ZoneList.Zones[z].DeviceEquation[t] = (z * 8 + t) % 256;
        }
    }
    for (int g = 1; g <= kGroupCount; ++g) {
        for (int t = 1; t <= kEquationTerms; ++t) {
            data.GroupList.Groups[g].PrimaryAreaEquation[t] = (g + t) % 26;
            data.GroupList.Groups[g].NightAreaEquation[t] = (g * 3 + t) % 26;
            data.GroupList.Groups[g].DivertEquation[t] = (g + t) % 32;
        }
    }
    for (int k = 0; k < data.CustomNames.Count(); ++k)
        data.CustomNames.Item(k).Name = "Room " + std::to_string(k + 100);
    data.SiteConfig.ClientName = "Rowan House";
    for (int n = 1; n <= kRepeaterCount; ++n)
        data.RepeaterList.Repeater(n).Name = "Repeater " + std::to_string(n);
    data.Comments.assign(40, "A line of the site's comments, as an engineer writes them.");
}

void Measure(const char* what, const TData& a, const TData& b, const ComparisonScope& scope) {
    std::size_t found = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < kRounds; ++round) found += CompareSites(a, b, scope).size();
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    std::printf("%-34s %8.1f us per comparison (%zu differences)\n", what, spent.count() / kRounds,
                found / kRounds);
}

}  // namespace

int main() {
    TData a;
    TData b;
    FillDense(a);
    FillDense(b);
    std::printf("Comparing two dense sites, %d rounds each\n", kRounds);
    Measure("identical, every field", a, b, ComparisonScope::EveryField());
    Measure("identical, controller scope", a, b, ComparisonScope::Controller(b));
    b.Loop.Device(17).DeviceType = 4;
    b.ZoneList.Zones[5].AreaEquation[2] = 26;
    b.GroupList.Groups[3].DivertEquation[1] = 33;
    b.SiteConfig.CallCode = "UUDD";
    b.CustomNames.Item(11).Name = "Lounge";
    b.Comments[7] = "Changed.";
    Measure("one change per section, every field", a, b, ComparisonScope::EveryField());
    Measure("one change per section, controller", a, b, ComparisonScope::Controller(b));
    std::printf("Target: under 1000 us per comparison.\n");
    return 0;
}
