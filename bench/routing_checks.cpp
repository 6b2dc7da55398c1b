// The routing map and every site check of a dense site: all 256 addresses
// fitted (callers, over-door lights and displays of every type), every slot
// of every zone and group equation used, on a 64-zone controller with auto
// night mode. Prints the time of one map with all its checks; the target is
// under 1 ms.
#include <chrono>
#include <cstdio>

#include "DenseSite.h"
#include "routing/SiteChecks.h"

namespace {

constexpr int kRounds = 2000;

}  // namespace

int main() {
    using namespace kelvane;
    TData data;
    bench::FillDense(data);
    data.SiteConfig.NightModeAutoEnable = true;
    std::size_t findings = 0;
    std::size_t outputs = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < kRounds; ++round) {
        const RoutingMap map(data);
        findings += CheckSite(data, map).size();
        outputs += map.Routes().back().outputs.count();
    }
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    std::printf("Routing map and site checks of a dense site, %d rounds\n", kRounds);
    std::printf("%-22s %8.1f us per site (%zu findings, %zu outputs of the last device)\n",
                "map and all checks", spent.count() / kRounds, findings / kRounds, outputs / kRounds);
    std::printf("Target: under 1000 us per site.\n");
    return 0;
}
