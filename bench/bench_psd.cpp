// Reading a scene-sized Photoshop document: a 1600 x 900 canvas with a painted background and
// ten groups, each an "IMG" picture with soft transparent edges and a flat "HIT" shape (20 layers
// of 90 x 70 up to 520 x 380), PackBits channels, written by the forge's writer. Our reader
// against ImageMagick reading the same file (`convert scene.psd null:`, a whole process).
// Budget: at least 3 times faster than ImageMagick.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/child_process_timing.h"
#include "game/scenes/ldv_psd_reader.h"
#include "tools/forge/scenes/psd_writer.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 900;
constexpr int kGroups = 10;

uint8_t clampByte(int value) { return static_cast<uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value)); }

int grain(int x, int y) {
    return static_cast<int>(((static_cast<uint32_t>(x) * 73856093u) ^ (static_cast<uint32_t>(y) * 19349663u)) % 9u) - 4;
}

RgbaImage background() {
    RgbaImage picture(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            uint8_t* p = picture.at(x, y);
            const float wave = std::sin(x * 0.01f) * std::cos(y * 0.013f);
            p[0] = clampByte(30 + x * 180 / kWidth + grain(x, y));
            p[1] = clampByte(80 + static_cast<int>(60 * wave) + grain(x, y));
            p[2] = clampByte(200 - y * 150 / kHeight + grain(x, y));
            p[3] = 255;
        }
    }
    return picture;
}

// An object as a scene paints it: a shaded ellipse whose edge fades out, clear around it.
RgbaImage object(int width, int height, int seed, bool flatShape) {
    RgbaImage picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float dx = (x + 0.5f) / width * 2 - 1;
            const float dy = (y + 0.5f) / height * 2 - 1;
            const float edge = 1 - std::sqrt(dx * dx + dy * dy);
            uint8_t* p = picture.at(x, y);
            if (edge <= 0) continue;
            if (flatShape) {
                p[0] = p[1] = p[2] = p[3] = 255;
                continue;
            }
            const int shade = static_cast<int>(120 * (1 - dy)) + grain(x + seed, y);
            p[0] = clampByte(60 + seed * 17 + shade);
            p[1] = clampByte(40 + shade / 2);
            p[2] = clampByte(30 + seed * 9);
            p[3] = clampByte(static_cast<int>(edge * 2000));
        }
    }
    return picture;
}

PsdDocument scene() {
    PsdDocument document;
    document.width = kWidth;
    document.height = kHeight;
    document.addLayer({"Background", 0, 0, background(), false});
    for (int g = 0; g < kGroups; ++g) {
        const int width = 90 + (g * 137) % 431;
        const int height = 70 + (g * 89) % 311;
        const int left = (g * 173) % (kWidth - width);
        const int top = (g * 97) % (kHeight - height);
        document.addGroup({"object_" + std::to_string(g),
                           {{"IMG", left, top, object(width, height, g, false), true},
                            {"HIT", left, top, object(width, height, g, true), true}}});
    }
    return document;
}

const std::string& scenePath() {
    static const std::string path = [] {
        char pattern[] = "/tmp/qv-bench-psd-XXXXXX";
        const std::string folder = mkdtemp(pattern) ? pattern : "/tmp";
        const std::string file = folder + "/scene.psd";
        if (!writePsdFile(file, scene())) std::abort();
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
