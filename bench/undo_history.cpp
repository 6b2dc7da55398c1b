// The undo history on a dense site: the memory that 500 steps of every kind
// hold, and one undo or redo with every page of the main window shown again
// from the model. Run on the offscreen platform.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

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

}  // namespace

// Every block the program takes from the heap through new is counted, with
// what the allocator really gives it, so that the figure holds with any
// allocator (the sanitizers' too).
namespace {
std::atomic<std::size_t> heapInUse{0};
}  // namespace

void* operator new(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    heapInUse += malloc_usable_size(block);
    return block;
}
void operator delete(void* block) noexcept {
    if (block == nullptr) return;
    heapInUse -= malloc_usable_size(block);
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete[](void* block) noexcept {
    operator delete(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    operator delete(block);
}

namespace {

std::size_t HeapInUse() {
    return heapInUse.load();
}

// The heap a history of 500 steps holds, on top of the site itself: steps of
// every kind in turn (0), or every one a device's (1).
void BM_HistoryOf500StepsMemory(benchmark::State& state) {
    double megabytes = 0;
    for (auto _ : state) {
        TData data;
        bench::FillDense(data);
        Document document;
        const std::size_t before = HeapInUse();
        {
            EditHistory history(data, document);
            // Range 1: every step a device's, the part of the model that is largest.
            for (int n = 0; n < kSteps; ++n) MakeStep(data, document, state.range(0) == 1 ? n * 5 : n);
            megabytes = static_cast<double>(HeapInUse() - before) / (1024.0 * 1024.0);
        }
    }
    state.counters["history_MB"] = megabytes;
    state.counters["bound_MB"] = 20;
}
BENCHMARK(BM_HistoryOf500StepsMemory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

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
