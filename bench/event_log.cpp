// The event log's figures: converting a 10,000-line configuration printout,
// saving and loading a 100,000-line log, and the log page itself: the cost
// of appending one line when the log is short and when it is long, and of
// showing a loaded 100,000-line log.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>

#include "WidgetBenchmarks.h"
#include "core/SystemClock.h"
#include "log/LogConverter.h"
#include "log/LogFile.h"
#include "ui/eventlog/EventLogTab.h"

namespace {

using namespace kelvane;
using Lines = std::vector<std::string>;

// A printout of 10,000 lines: device records (the addresses over and over,
// every type, known and unknown place names), then group and zone records.
Lines Printout() {
    static const char* const kTypes = "CAUDBMZ*";
    static const char* const kPlaces[] = {"Bedroom", "Lounge", "Sluice", "Garden Rm", "Ward", "Room"};
    Lines lines{"KELVANE NETWORK CONTROLLER - CONFIGURATION PRINTOUT", "DEVICE CONFIGURATION",
                "Addr|T|A|Grp|Zne|Place Name |Sfx"};
    for (int i = 0; i < 8000; ++i) {
        const int n = 1 + i % 256;
        lines.push_back(std::to_string(n) + "|" + kTypes[i % 8] + "|" + static_cast<char>('A' + i % 26) +
                        "|" + std::to_string(1 + i % 32) + "|" + std::to_string(1 + i % 64) + "|" +
                        kPlaces[i % 6] + "    |" + std::to_string(i % 1000));
    }
    lines.push_back(" 999|END OF DEVICES");
    for (int i = 0; i < 1000; ++i)
        lines.push_back(std::to_string(1 + i % 32) +
                        "|A,B,C,D,E,F,G,H|A,!,!,!,!,!,!,!| 2, 3,  ,  ,  ,  ,  ,  ");
    lines.push_back("999|END OF GROUPS");
    while (lines.size() < 10000)
        lines.push_back(std::to_string(1 + lines.size() % 64) +
                        "|A,B,!,!,!,!,!,!|  9, 11, 13, 15,   ,   ,   ,   ");
    return lines;
}

Lines LongLog(std::size_t count) {
    Lines lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back("12:" + std::to_string(10 + i % 50) + ":07 19/03/24  CALL      Bedroom " +
                        std::to_string(100 + i % 300) + "     Area " + static_cast<char>('A' + i % 3));
    return lines;
}

std::string ScratchFile() {
    return (std::filesystem::temp_directory_path() / ("kelvane-bench-" + std::to_string(::getpid()) + ".log"))
        .string();
}

void ConvertPrintout(benchmark::State& state) {
    const Lines lines = Printout();
    TData data;
    for (auto _ : state) {
        data.ResetToDefaults();
        const ConvertResult result = ConvertLog(lines, data, true);
        if (result.Outcome != ConvertOutcome::Converted) state.SkipWithError(result.Message.c_str());
        benchmark::DoNotOptimize(result.Devices);
    }
    state.counters["lines"] = static_cast<double>(lines.size());
    state.SetLabel("bound 20 ms");
}
BENCHMARK(ConvertPrintout)->Unit(benchmark::kMillisecond);

void SaveLog(benchmark::State& state) {
    const Lines lines = LongLog(100000);
    const std::string path = ScratchFile();
    std::string error;
    for (auto _ : state) {
        if (!WriteLogFile(path, lines, error)) state.SkipWithError(error.c_str());
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    state.SetLabel("bound 500 ms");
    std::filesystem::remove(path);
}
BENCHMARK(SaveLog)->Unit(benchmark::kMillisecond);

void LoadLog(benchmark::State& state) {
    const std::string path = ScratchFile();
    std::string error;
    WriteLogFile(path, LongLog(100000), error);
    for (auto _ : state) {
        const LogFileRead read = ReadLogFile(path);
        if (read.Lines.size() != 100000) state.SkipWithError("lines lost");
    }
    state.SetLabel("bound 500 ms");
    std::filesystem::remove(path);
}
BENCHMARK(LoadLog)->Unit(benchmark::kMillisecond);

// The View Event Log page, shown.
struct LogPage {
    LogPage() {
        tab.resize(780, 480);
        tab.show();
    }
    struct : Prompts {
        PromptAnswer Ask(PromptKind, const std::string&, PromptButtons) override { return PromptAnswer::Ok; }
    } prompts;
    TData data;
    Document document;
    SystemClock clock;
    EventLogTab tab{data, document, prompts, clock};
};

// The log page with a log of `range(0)` lines: the cost of one more line.
void AppendLine(benchmark::State& state) {
    LogPage page;
    page.tab.SetLines(LongLog(static_cast<std::size_t>(state.range(0))));
    QCoreApplication::processEvents();
    std::size_t i = 0;
    for (auto _ : state) {
        page.tab.AppendLine("12:00:01 19/03/24  ACCEPT    Bedroom " + std::to_string(i++ % 300));
        QCoreApplication::processEvents();
    }
    state.counters["lines"] = static_cast<double>(page.tab.LineCount());
}
BENCHMARK(AppendLine)->Arg(10)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Showing a loaded 100,000-line log on the page.
void ShowLoadedLog(benchmark::State& state) {
    LogPage page;
    const Lines lines = LongLog(100000);
    for (auto _ : state) {
        page.tab.SetLines(lines);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(ShowLoadedLog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return kelvane::bench::RunWidgetBenchmarks(argc, argv);
}
