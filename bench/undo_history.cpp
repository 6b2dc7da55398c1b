// The undo history on a dense site: the memory that 500 steps of every kind
// hold, and one undo or redo with every page of the main window shown again
// from the model. Run on the offscreen platform.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <memory>

#include "DenseSite.h"
#include "WidgetBenchmarks.h"
#include "core/SystemClock.h"
#include "file/Document.h"
#include "file/EditHistory.h"
#include "model/Data.h"
#include "support/MemorySettings.h"
#include "support/ScriptedPrompts.h"
#include "ui/DocumentFakes.h"
#include "ui/window/MainWindow.h"

namespace {

using namespace kelvane;

constexpr int kSteps = static_cast<int>(EditHistory::kDepth);

// Step `n` of a mix of every kind: a device's type, a zone's equation, a
// custom name, a site text and a comment line in turn.
void MakeStep(TData& data, Document& document, int n) {
    switch (n % 5) {
        case 0:
            data.Loop.Device(2 + n % 255).DeviceType = 1 + (n / 5) % 9;
            document.Changed(DeviceStepName(2 + n % 255, "Type"));
            break;
        case 1:
            data.ZoneList.Zones[1 + n % kZoneCount].AreaEquation[1] = n % 26;
            document.Changed("Edit Zone Area Equation");
            break;
        case 2:
            data.CustomNames.Item(n % data.CustomNames.Count()).Name = "Room " + std::to_string(n);
            document.Changed("Rename Custom Place Name");
            break;
        case 3:
            data.SiteConfig.ClientName = "Client " + std::to_string(n);
            document.Changed("Edit Clients Name");
            break;
        default:
            data.Comments[static_cast<std::size_t>(n) % data.Comments.size()] = "Line " + std::to_string(n);
            document.Changed("Edit Comments");
            break;
    }
}

std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}

// The heap a history of 500 steps holds, on top of the site itself.
void BM_HistoryOf500StepsMemory(benchmark::State& state) {
    double megabytes = 0;
    for (auto _ : state) {
        TData data;
        bench::FillDense(data);
        Document document;
        const std::size_t before = HeapInUse();
        {
            EditHistory history(data, document);
            for (int n = 0; n < kSteps; ++n) MakeStep(data, document, n);
            megabytes = static_cast<double>(HeapInUse() - before) / (1024.0 * 1024.0);
        }
    }
    state.counters["history_MB"] = megabytes;
    state.counters["bound_MB"] = 20;
}
BENCHMARK(BM_HistoryOf500StepsMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

// The main window over a dense site with a full history.
struct Window {
    Window() {
        window = std::make_unique<TfrmMain>(data, document, prompts, store, clock, StartupOptions{}, &dialogs,
                                            &settings);
        window->show();
        QCoreApplication::processEvents();
        bench::FillDense(data);
        window->History().Reset();
        window->FillAllTabs();
        for (int n = 0; n < kSteps; ++n) MakeStep(data, document, n);
        QCoreApplication::processEvents();
    }
    ~Window() { document.SetModified(false); }

    TData data;
    Document document;
    ScriptedPrompts prompts;
    test::FakeDocumentStore store{data};
    test::ScriptedFileDialogs dialogs;
    SystemClock clock;
    MemorySettings settings;
    std::unique_ptr<TfrmMain> window;
};

std::unique_ptr<Window> window;

// One undo or redo (in turn), every page filled again and the window painted.
void BM_UndoRedoWithPagesRefreshed(benchmark::State& state) {
    if (!window) window = std::make_unique<Window>();
    bool undo = true;
    for (auto _ : state) {
        if (undo)
            window->window->UndoClick();
        else
            window->window->RedoClick();
        undo = !undo;
        QCoreApplication::processEvents();
    }
    state.counters["bound_ms"] = 10;
}
BENCHMARK(BM_UndoRedoWithPagesRefreshed)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return kelvane::bench::RunWidgetBenchmarks(argc, argv, [] { window.reset(); });
}
