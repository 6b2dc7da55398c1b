// Writes a fully populated site to a configuration file and reads it back:
// every device fitted, every equation slot used, every text at its longest.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "file/ConfigFile.h"
#include "file/SiteFields.h"

namespace {

using namespace kelvane;

std::string Text(std::size_t length, int seed) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
        text += static_cast<char>('A' + (seed + static_cast<int>(i)) % 26);
    return text;
}

// The editors' length limits of the site fields.
std::size_t SiteTextLength(const std::string TKSiteConfig1::*member) {
    if (member == &TKSiteConfig1::AL2Code || member == &TKSiteConfig1::AL3Code ||
        member == &TKSiteConfig1::CallCode || member == &TKSiteConfig1::AttackCode) {
        return 4;
    }
    if (member == &TKSiteConfig1::ClientAddress5 || member == &TKSiteConfig1::InstallerAddress5) return 10;
    if (member == &TKSiteConfig1::EngineerNo || member == &TKSiteConfig1::ClientTel) return 16;
    if (member == &TKSiteConfig1::InstallDate || member == &TKSiteConfig1::CommissionDate) return 8;
    if (member == &TKSiteConfig1::DayModeTime || member == &TKSiteConfig1::NightModeTime) return 5;
    return 25;
}

void FillCompletely(TData& data) {
    data.ResetToDefaults();
    for (int n = 1; n <= kLoopDeviceCount; ++n) {
        data.Loop.Device(n) = {1 + n % 9, n % 26, n % 86, Text(4, n), 1};
    }
    for (int z = 1; z <= kZoneCount; ++z) {
        TKZone& zone = data.ZoneList.Zones[static_cast<std::size_t>(z)];
        zone.Name = Text(25, z);
        for (int e = 1; e <= kEquationTerms; ++e) {
            zone.AreaEquation[static_cast<std::size_t>(e)] = (z + e) % 26;
            zone.DeviceEquation[static_cast<std::size_t>(e)] = (z * 8 + e) % 256;
        }
    }
    for (int g = 1; g <= kGroupCount; ++g) {
        TKGroup& group = data.GroupList.Groups[static_cast<std::size_t>(g)];
        for (int e = 1; e <= kEquationTerms; ++e) {
            group.PrimaryAreaEquation[static_cast<std::size_t>(e)] = (g + e) % 26;
            group.NightAreaEquation[static_cast<std::size_t>(e)] = (g + 2 * e) % 26;
            group.DivertEquation[static_cast<std::size_t>(e)] = (g + e) % 32;
        }
    }
    for (int i = 0; i < data.CustomNames.Count(); ++i) data.CustomNames.Item(i).Name = Text(11, i);
    for (const SiteTextField& field : kSiteTextFields) {
        data.SiteConfig.*field.member = Text(SiteTextLength(field.member), 3);
    }
    for (int n = 1; n <= kRepeaterCount; ++n) data.RepeaterList.Repeater(n) = {true, Text(15, n)};
    data.RepeaterList.PanelName = Text(15, 0);
    data.RepeaterList.Segment = 15;
    data.SiteConfig.MainVersion = "08A00";
    data.Comments.assign(40, Text(80, 1));
}

struct Site {
    Site()
        : folder(std::filesystem::temp_directory_path() / ("kelvane-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder);
        path = (folder / "Full.KCF").string();
        FillCompletely(data);
    }
    ~Site() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::string path;
    TData data;
    Document document;
};

Site& TheSite() {
    static Site site;
    return site;
}

// The whole save: build on top of the old file, replace both files atomically.
void WriteFullSite(benchmark::State& state) {
    Site& site = TheSite();
    for (auto _ : state) {
        if (!WriteConfigFile(site.path, site.data, site.document).saved) state.SkipWithError("write failed");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(site.path));
}

// The whole open: read and parse once, test, fill the model and the comments.
void ReadFullSite(benchmark::State& state) {
    Site& site = TheSite();
    WriteConfigFile(site.path, site.data, site.document);
    TData data;
    Document document;
    for (auto _ : state) {
        if (!OpenConfigFile(site.path, data, document).Read()) state.SkipWithError("read failed");
    }
}

// The save without the disk: only the file text built in memory.
void BuildFileText(benchmark::State& state) {
    Site& site = TheSite();
    for (auto _ : state) {
        IniFile file;
        WriteConfigEntries(site.data, file);
        benchmark::DoNotOptimize(file.Text());
    }
}

BENCHMARK(WriteFullSite)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadFullSite)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildFileText)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
