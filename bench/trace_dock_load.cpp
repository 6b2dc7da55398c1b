// A whole load from the simulated controller in the desktop program, in real
// time on the Qt event loop, with the Link Trace window closed and open in
// turn. Prints, per run, the wall-clock and processor time of the load, then
// the medians and the ratio open/closed. Arguments: the controller's
// turnaround in ms (default 20, as `kelvane-tools --simulate` has it; 1 makes
// the program's own work as large a share of the time as it can be) and the
// number of loads each way (default 7).
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "core/SystemClock.h"
#include "file/ConfigFileStore.h"
#include "file/Document.h"
#include "model/Data.h"
#include "sim/SimulatedPanelDevice.h"
#include "support/ScriptedPrompts.h"
#include "ui/controller/ControllerConnection.h"
#include "ui/controller/LinkTraceDock.h"
#include "ui/window/MainWindow.h"

namespace {

using namespace kelvane;

struct Timing {
    double wallS = 0;
    double cpuS = 0;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs the event loop until `done` holds, checking every millisecond.
template <typename Predicate>
void RunUntil(Predicate done) {
    QEventLoop loop;
    QTimer check;
    check.setInterval(1);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    check.start();
    loop.exec();
}

Timing LoadOnce(TfrmMain& window) {
    QElapsedTimer wall;
    const std::clock_t cpuStart = std::clock();
    wall.start();
    window.btnLoadAllFromPanelClick();
    RunUntil([&] { return !window.Status().Visible(); });
    return {wall.nsecsElapsed() / 1e9, static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
}

}  // namespace

int main(int argc, char** argv) {
    const int turnaroundMs = argc > 1 ? std::atoi(argv[1]) : 20;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TData data;
    Document document;
    ScriptedPrompts prompts;
    ConfigFileStore store(data, document);
    SystemClock clock;
    StartupOptions options;
    options.Simulate = true;
    TfrmMain window(data, document, prompts, store, clock, options);
    ControllerConnection connection(window, data, document, prompts, clock);
    connection.SimulatedDevice()->Simulator().Options().TurnaroundMs =
        static_cast<std::uint32_t>(turnaroundMs);
    window.show();
    RunUntil([&] { return connection.PanelComms().HandshakeDone && !data.SiteConfig.MainVersion.empty(); });

    std::vector<double> wall[2];
    std::vector<double> cpu[2];
    std::printf("Whole load from the simulated controller in the desktop program (%d ms turnaround)\n",
                turnaroundMs);
    for (int run = 0; run < 2 * runs; ++run) {
        const bool open = run % 2 == 1;
        connection.TraceDock()->setVisible(open);
        const Timing t = LoadOnce(window);
        wall[open].push_back(t.wallS);
        cpu[open].push_back(t.cpuS);
        std::printf("  run %2d  trace %-6s  wall %7.3f s  cpu %7.3f s  %s\n", run + 1,
                    open ? "open" : "closed", t.wallS, t.cpuS,
                    prompts.ShownMessages().empty() ? "" : "MESSAGE SHOWN");
    }
    const double wallRatio = Median(wall[1]) / Median(wall[0]);
    const double cpuRatio = Median(cpu[1]) / Median(cpu[0]);
    std::printf("Median wall: closed %.3f s, open %.3f s, ratio %.3f\n", Median(wall[0]), Median(wall[1]),
                wallRatio);
    std::printf("Median cpu:  closed %.3f s, open %.3f s, ratio %.3f\n", Median(cpu[0]), Median(cpu[1]),
                cpuRatio);
    std::printf("Target: wall ratio at most 1.05.\n");
    return 0;
}
