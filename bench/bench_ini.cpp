// Loading large INI files: a player profile grown to many sections (one key each) and a table of
// many keys in one section, as LDvIniFile reads them, and the start-up's choice of such a profile
// (the slot check and the selection, each reading the whole file). Reported in ms (medians).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "framework/core/frame_context.h"
#include "framework/core/ldv_game.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/player_profiles.h"

namespace {

enum Shape { kManySections = 0, kManyKeys = 1 };

std::string IniText(int entries, Shape shape) {
    std::string text = "PlayerName=Bench\n";
    if (shape == kManyKeys) text += "[DISCOVERIES]\n";
    for (int i = 0; i < entries; ++i) {
        const std::string n = std::to_string(i);
        if (shape == kManySections) text += "[Section_" + n + "]\n";
        text += "Key_" + n + "=" + n + "\n";
    }
    return text;
}

// A temporary save folder holding player00.ini with `entries` entries.
class ProfileFolder {
public:
    ProfileFolder(int entries, Shape shape) {
        root = std::filesystem::temp_directory_path() / ("qv_bench_ini_" + std::to_string(::getpid()));
        std::filesystem::create_directories(root / "Drovana Games/Quorvane/Ver0.2");
        ::setenv("XDG_DATA_HOME", root.c_str(), 1);
        std::ofstream(profilePath()) << IniText(entries, shape);
    }
    ~ProfileFolder() { std::filesystem::remove_all(root); }
    std::string profilePath() const { return (root / "Drovana Games/Quorvane/Ver0.2/player00.ini").string(); }

private:
    std::filesystem::path root;
};

void BM_LoadIni(benchmark::State& state) {
    const ProfileFolder folder(static_cast<int>(state.range(0)), static_cast<Shape>(state.range(1)));
    for (auto _ : state) {
        LDvIniFile ini(folder.profilePath());
        benchmark::DoNotOptimize(ini.SectionCount());
    }
}
BENCHMARK(BM_LoadIni)
    ->ArgNames({"entries", "oneSection"})
    ->Args({50000, kManySections})
    ->Args({200000, kManySections})
    ->Args({200000, kManyKeys})
    ->Unit(benchmark::kMillisecond);

// What the game does with the remembered profile at start-up.
void BM_ChooseLargeProfile(benchmark::State& state) {
    const ProfileFolder folder(static_cast<int>(state.range(0)), kManySections);
    ResetFrameForTesting();
    LDvGame game("Quorvane", "Quorvane", 0, 2);
    for (auto _ : state) {
        if (PlayerExists(0)) SelectPlayer(0);
        benchmark::DoNotOptimize(GetCurrentPlayerName());
    }
}
BENCHMARK(BM_ChooseLargeProfile)->ArgName("entries")->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
