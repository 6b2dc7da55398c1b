// Comparing two dense sites (every device fitted, every equation slot used,
// every text filled), identical and with a difference in each section, in
// both scopes: every field (file against file) and what travels to the
// controller. Prints the time of one comparison; the target is under 1 ms.
#include <chrono>
#include <cstdio>
#include <string>

#include "DenseSite.h"
#include "compare/SiteComparison.h"

namespace {

using namespace kelvane;

constexpr int kRounds = 2000;

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
    bench::FillDense(a);
    bench::FillDense(b);
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
