// Hostile save files: a profile and settings file that are huge, binary, made of nothing but section
// headers, hold a value of megabytes or one endless line. What the start-up does with them (the
// settings read as the game object is made, the slot check reading the name, the selection reading
// the whole profile) must stay within a second and bounded memory whatever the files hold. Files
// larger than any save are not read at all; the other shapes fill the files up to that size, the
// worst each shape can do. Reported in ms (medians, CPU time is the cost on a machine shared with
// other work) with the resident memory the loaded files add ("rss_mb").
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "framework/core/frame_context.h"
#include "framework/core/ldv_game.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/player_profiles.h"

namespace {

constexpr size_t kMegabyte = 1024 * 1024;
constexpr size_t kJustUnderTheLimit = 2 * kMegabyte - 64;  // the largest save file that is still read

enum Hostile { kHuge, kBinary, kManySections, kMegabyteValue, kEndlessLine, kHostileCount };

std::string HostileText(Hostile shape) {
    std::string text = "PlayerName=Bench\n";
    switch (shape) {
    case kHuge:  // ordinary lines, far more of them than any player makes
        for (int i = 0; text.size() < 256 * kMegabyte; ++i) text += "KEY_" + std::to_string(i) + "=0123456789abcdef\n";
        break;
    case kBinary: {
        std::mt19937 random(7);
        while (text.size() < kJustUnderTheLimit) text += static_cast<char>(random());
        break;
    }
    case kManySections:
        for (int i = 0; text.size() < kJustUnderTheLimit - 16; ++i) text += "[S" + std::to_string(i) + "]\n";
        break;
    case kMegabyteValue: text += "NOTES=" + std::string(kJustUnderTheLimit - 32, 'x') + "\n"; break;
    case kEndlessLine: text = std::string(kJustUnderTheLimit, 'x'); break;
    case kHostileCount: break;
    }
    return text;
}

long ResidentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// A temporary save folder whose profile and settings both hold the hostile text.
class HostileFolder {
public:
    explicit HostileFolder(Hostile shape) {
        root = std::filesystem::temp_directory_path() / ("qv_bench_hostile_" + std::to_string(::getpid()));
        const std::filesystem::path saves = root / "Drovana Games/Quorvane/Ver0.2";
        std::filesystem::create_directories(saves);
        ::setenv("XDG_DATA_HOME", root.c_str(), 1);
        const std::string text = HostileText(shape);
        std::ofstream(saves / "player00.ini", std::ios::binary) << text;
        std::ofstream(saves / "settings.ini", std::ios::binary) << text;
    }
    ~HostileFolder() { std::filesystem::remove_all(root); }
    HostileFolder(const HostileFolder&) = delete;
    HostileFolder& operator=(const HostileFolder&) = delete;

private:
    std::filesystem::path root;
};

// The start-up with the hostile files: settings read as the game object is made, then the
// remembered profile checked for a name and selected.
void BM_StartWithHostileSaves(benchmark::State& state) {
    const HostileFolder folder(static_cast<Hostile>(state.range(0)));
    long rss = 0;
    for (auto _ : state) {
        ResetFrameForTesting();
        const long before = ResidentKilobytes();
        LDvGame game("Quorvane", "Quorvane", 0, 2);
        if (PlayerExists(0)) SelectPlayer(0);
        benchmark::DoNotOptimize(GetCurrentPlayerName());
        rss = std::max(rss, ResidentKilobytes() - before);  // the first start shows it; later ones reuse the memory
    }
    state.counters["rss_mb"] = static_cast<double>(rss) / 1024.0;
    ResetFrameForTesting();
}
BENCHMARK(BM_StartWithHostileSaves)
    ->ArgName("hostile")
    ->DenseRange(kHuge, kEndlessLine)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
