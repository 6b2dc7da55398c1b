#pragma once
#include <benchmark/benchmark.h>

#include <QApplication>
#include <functional>

namespace kelvane::bench {

// Runs the benchmarks of an executable that drives real widgets: on the
// offscreen platform unless another is asked for, inside an application
// object. `beforeQuit` lets widgets made on first use go before it does.
inline int RunWidgetBenchmarks(int argc, char** argv, const std::function<void()>& beforeQuit = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeQuit) beforeQuit();
    return 0;
}

}  // namespace kelvane::bench
