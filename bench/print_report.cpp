// The site report of a dense 64-zone site with a 1,000-line event log:
// building every page and writing them as a PDF, and turning a page in the
// preview window (both page areas repainted, two pages side by side).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "WidgetBenchmarks.h"
#include "core/ManualClock.h"
#include "print/PrevForm.h"
#include "print/PreviewPageArea.h"
#include "report/PaperPort.h"
#include "report/SiteReport.h"

namespace {

using namespace kelvane;

void FillDensely(TData& data) {
    data.ResetToDefaults();
    data.SiteConfig.MainVersion = "08B14";
    data.SiteConfig.ClientName = "Rowan House Care Home Ltd";
    data.SiteConfig.InstallerName = "Kelvane Installations";
    for (int n = 1; n <= kLoopDeviceCount; ++n)
        data.Loop.Device(n) = {1 + n % 9, n % 26, n % 86, std::to_string(n % 1000), 1};
    for (int z = 1; z <= kZoneCount; ++z)
        for (int e = 1; e <= kEquationTerms; ++e) {
            data.ZoneList.Zones[static_cast<std::size_t>(z)].AreaEquation[static_cast<std::size_t>(e)] =
                (z + e) % 26;
            data.ZoneList.Zones[static_cast<std::size_t>(z)].DeviceEquation[static_cast<std::size_t>(e)] =
                (z * 8 + e) % 256;
        }
    for (int g = 1; g <= kGroupCount; ++g)
        for (int e = 1; e <= kEquationTerms; ++e) {
            TKGroup& group = data.GroupList.Groups[static_cast<std::size_t>(g)];
            group.PrimaryAreaEquation[static_cast<std::size_t>(e)] = (g + e) % 26;
            group.NightAreaEquation[static_cast<std::size_t>(e)] = (g * 3 + e) % 26;
            group.DivertEquation[static_cast<std::size_t>(e)] = (g + e) % 32;
        }
    data.Comments.clear();
    for (int line = 1; line <= 60; ++line)
        data.Comments.push_back("Commissioning note " + std::to_string(line));
}

std::vector<std::string> LogLines() {
    std::vector<std::string> lines;
    for (int line = 0; line < 1000; ++line)
        lines.push_back("12:" + std::to_string(10 + line % 50) + ":00 CALL   Bedroom " +
                        std::to_string(100 + line % 40) + "  Zone " + std::to_string(1 + line % 64));
    return lines;
}

TReportOptions EverySection() {
    TReportOptions options;
    options.EventLog = true;
    return options;
}

void BM_BuildReportAndWritePdf(benchmark::State& state) {
    TData data;
    FillDensely(data);
    const std::vector<std::string> log = LogLines();
    TPaperPort paper{QPageSize(QPageSize::A4)};
    ManualClock clock;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    int pages = 0;
    for (auto _ : state) {
        TfrmReports report(paper, clock, false, "Bench site");
        BuildSiteReport(report, data, EverySection(), log);
        if (!report.ReportPrinter.ExportPdf(path)) state.SkipWithError("the PDF could not be written");
        pages = report.ReportPrinter.PageCount();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_BuildReportAndWritePdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_TurnPreviewPage(benchmark::State& state) {
    TData data;
    FillDensely(data);
    TPaperPort paper{QPageSize(QPageSize::A4)};
    ManualClock clock;
    TfrmReports report(paper, clock, false, "Bench site");
    BuildSiteReport(report, data, EverySection(), LogLines());
    TPreviewForm form(report.ReportPrinter);
    form.resize(1400, 1000);
    form.show();
    form.TwoPageButClick();
    const int last = report.ReportPrinter.PageCount() - 2;
    int page = 0;
    for (auto _ : state) {
        page = page >= last ? 0 : page + 1;
        form.GoToPage(page);
        // Painting both areas as the window system would ask for them.
        benchmark::DoNotOptimize(form.PagePaintBox1->grab());
        benchmark::DoNotOptimize(form.PagePaintBox2->grab());
    }
}
BENCHMARK(BM_TurnPreviewPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return kelvane::bench::RunWidgetBenchmarks(argc, argv);
}
