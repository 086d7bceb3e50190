// Reading a scene-sized Photoshop document (bench/synthetic_scene.h, PackBits channels, written by
// the forge's writer). Our reader against ImageMagick reading the same file (`convert scene.psd
// null:`, a whole process).
// Budget: at least 3 times faster than ImageMagick.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/child_process_timing.h"
#include "bench/synthetic_scene.h"
#include "game/scenes/ldv_psd_reader.h"

namespace {

using synthetic_scene::kGroups;

const std::string& scenePath() {
    static const std::string path = [] {
        char pattern[] = "/tmp/qv-bench-psd-XXXXXX";
        const std::string folder = mkdtemp(pattern) ? pattern : "/tmp";
        const std::string file = folder + "/scene.psd";
        if (!writePsdFile(file, synthetic_scene::scene())) std::abort();
        return file;
    }();
    return path;
}

void BM_ReadPsd(benchmark::State& state) {
    LDvPSDReader reader;
    for (auto _ : state) {
        if (!reader.Load(scenePath()) || reader.LayerCount() != 1 + kGroups * 4) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(reader.LayerAt(0));
    }
}

void BM_ImageMagickPsd(benchmark::State& state) { timeChildProcess(state, {"convert", scenePath(), "null:"}); }

}  // namespace

BENCHMARK(BM_ReadPsd)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImageMagickPsd)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const std::string path = scenePath();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file != nullptr && std::fseek(file, 0, SEEK_END) == 0) {
        std::printf("scene document: %ld bytes\n", std::ftell(file));
    }
    if (file != nullptr) std::fclose(file);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(path.c_str());
    rmdir(path.substr(0, path.rfind('/')).c_str());
    return 0;
}
