// The device editors' redraw costs on a full site: every one of the 256
// addresses fitted. Run on the offscreen platform, so the figures are the
// program's own work (model, view and painting), without a display server.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <memory>

#include "WidgetBenchmarks.h"
#include "file/Document.h"
#include "model/Data.h"
#include "model/DeviceSummaryOrder.h"
#include "support/ScriptedPrompts.h"
#include "ui/devices/DeviceImages.h"
#include "ui/devices/DeviceSummaryGrid.h"
#include "ui/devices/DeviceSummaryTab.h"
#include "ui/devices/LoopDrawGrid.h"
#include "ui/devices/TfrmLoop.h"
#include "ui/placenames/TNamesForm.h"

namespace {

using namespace kelvane;

// A site with every address fitted.
void FitEveryAddress(TData& data) {
    data.ResetToDefaults();
    for (int n = 2; n <= kLoopDeviceCount; ++n) {
        TKDeviceType& device = data.Loop.Device(n);
        device.DeviceType = 1 + n % 9;
        device.Allocation = n % 26;
        device.PlaceNameIndex = n % 86;
        device.Suffix = std::to_string(n % 1000);
        device.Enabled = n % 5 != 0;
    }
}

// One shown Device Summary tab over a site with every address fitted.
struct SummaryPage {
    SummaryPage() {
        FitEveryAddress(data);
        picker = std::make_unique<TNamesForm>(data, document);
        tab = std::make_unique<DeviceSummaryTab>(data, document, prompts, images, *picker);
        tab->resize(792, 480);
        tab->show();
        QCoreApplication::processEvents();
        tab->RefreshDeviceTable();
    }

    // Paints the table now, as the window system would after the change.
    void Paint() { tab->sgrdLoop->viewport()->repaint(); }

    TData data;
    Document document;
    ScriptedPrompts prompts;
    DeviceImages images;
    std::unique_ptr<TNamesForm> picker;
    std::unique_ptr<DeviceSummaryTab> tab;
};

// One shown loop frame of 1280 x 900 pixels over a site with every address
// fitted, its pictures rendered once already.
struct LoopPage {
    LoopPage() {
        FitEveryAddress(data);
        picker = std::make_unique<TNamesForm>(data, document);
        frame = std::make_unique<TfrmLoop>(data, document, prompts, images, *picker);
        frame->resize(1280, 900);
        frame->show();
        QCoreApplication::processEvents();
        frame->FrameResize();
        Paint();
    }

    void Paint() { frame->dwgLoop->viewport()->repaint(); }

    TData data;
    Document document;
    ScriptedPrompts prompts;
    DeviceImages images;
    std::unique_ptr<TNamesForm> picker;
    std::unique_ptr<TfrmLoop> frame;
};

// Made on first use, gone before the application object.
std::unique_ptr<SummaryPage> page;
std::unique_ptr<LoopPage> loopPage;

SummaryPage& Page() {
    if (!page) page = std::make_unique<SummaryPage>();
    return *page;
}

LoopPage& Loop() {
    if (!loopPage) loopPage = std::make_unique<LoopPage>();
    return *loopPage;
}

void Bound(benchmark::State& state, double milliseconds = 5.0) {
    state.counters["bound_ms"] = milliseconds;
}

void BM_DeviceSummaryRefresh(benchmark::State& state) {
    SummaryPage& page = Page();
    for (auto _ : state) page.tab->RefreshDeviceTable();
    Bound(state);
}
BENCHMARK(BM_DeviceSummaryRefresh)->Unit(benchmark::kMillisecond);

void BM_DeviceSummaryRefreshAndPaint(benchmark::State& state) {
    SummaryPage& page = Page();
    for (auto _ : state) {
        page.tab->RefreshDeviceTable();
        page.Paint();
    }
    Bound(state);
}
BENCHMARK(BM_DeviceSummaryRefreshAndPaint)->Unit(benchmark::kMillisecond);

// The user picks the other order in the sort box: the table is rebuilt in it
// and painted.
void BM_DeviceSummarySortOrderChange(benchmark::State& state) {
    SummaryPage& page = Page();
    QComboBox* sortBox = page.tab->cboReportType;
    for (auto _ : state) {
        const int other = sortBox->currentIndex() == soDeviceNumber ? soDeviceType : soDeviceNumber;
        sortBox->setCurrentIndex(other);
        emit sortBox->activated(other);
        page.Paint();
    }
    Bound(state);
}
BENCHMARK(BM_DeviceSummarySortOrderChange)->Unit(benchmark::kMillisecond);

// The whole visible grid of the Devices tab at 1280 x 900, every cell drawn.
void BM_LoopGridPaint(benchmark::State& state) {
    LoopPage& page = Loop();
    for (auto _ : state) page.Paint();
    state.counters["columns"] = page.frame->dwgLoop->ColCount();
    Bound(state, 8.0);
}
BENCHMARK(BM_LoopGridPaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return kelvane::bench::RunWidgetBenchmarks(argc, argv, [] {
        page.reset();
        loopPage.reset();
    });
}
