// What the island map's default pictures cost the map screen on SDL's software renderer, off
// screen at 1600 x 900: decoding every picture of "states/map/" that map.ini names (the work of
// entering the map), and drawing the sea with every landmass that reaches into the view, at the
// view on the camp (the first expedition: two landmasses), at the island's middle with all nine
// shown, and in the middle of a reveal (the land and its glow at half opacity, drawn again over
// it). The map screen's budget is 8 ms for its whole frame; the land is most of it.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/image_codec.h"
#include "engine/k_graphic.h"
#include "engine/k_window.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 900;
const std::string kFolder = std::string(QV_DATA_DIR) + "/img/states/map/";

struct Land {
    std::string name;
    int x = 0, y = 0, hx = 0, hy = 0;
};

// The sections of map.ini with their POS and HPOS.
std::vector<Land> readLands() {
    std::ifstream in(std::string(QV_DATA_DIR) + "/map.ini");
    std::vector<Land> lands;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '[') lands.push_back({line.substr(1, line.find(']') - 1)});
        if (lands.empty()) continue;
        if (line.rfind("POS=", 0) == 0) std::sscanf(line.c_str() + 4, "%d,%d", &lands.back().x, &lands.back().y);
        if (line.rfind("HPOS=", 0) == 0) std::sscanf(line.c_str() + 5, "%d,%d", &lands.back().hx, &lands.back().hy);
    }
    return lands;
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

KWindow& benchWindow() {
    static std::unique_ptr<KWindow> window = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        auto created = std::make_unique<KWindow>(K_RENDERER_SOFTWARE);
        if (!created->createGameWindow(kWidth, kHeight, 32, true, "bench", 0)) std::abort();
        return created;
    }();
    return *window;
}

struct Pictures {
    KGraphic sea;
    std::vector<std::unique_ptr<KGraphic>> land, glow;
    std::vector<Land> lands = readLands();
};

Pictures& pictures() {
    static Pictures* loaded = [] {
        benchWindow();
        auto* p = new Pictures;
        if (!p->sea.loadPicture((kFolder + "back.jpg").c_str())) std::abort();
        for (const Land& l : p->lands) {
            p->land.push_back(std::make_unique<KGraphic>());
            p->glow.push_back(std::make_unique<KGraphic>());
            if (!p->land.back()->loadPicture((kFolder + lowered(l.name) + ".png").c_str()) ||
                !p->glow.back()->loadPicture((kFolder + lowered(l.name) + "_h.png").c_str())) {
                std::abort();
            }
        }
        return p;
    }();
    return *loaded;
}

void BM_DecodeMapPictures(benchmark::State& state) {
    std::vector<std::string> files{"back.jpg"};
    for (const Land& l : readLands()) {
        files.push_back(lowered(l.name) + ".png");
        files.push_back(lowered(l.name) + "_h.png");
    }
    long pixels = 0;
    for (auto _ : state) {
        pixels = 0;
        for (const std::string& file : files) {
            DecodedImage image;
            if (!decodeImageFile(kFolder + file, image)) std::abort();
            pixels += static_cast<long>(image.width) * image.height;
        }
    }
    state.counters["megapixels"] = static_cast<double>(pixels) / 1e6;
}
BENCHMARK(BM_DecodeMapPictures)->Unit(benchmark::kMillisecond);

// The view shows map point (cx, cy) in the screen's middle; every landmass that reaches into it
// is drawn whole (the renderer clips).
void drawView(int cx, int cy, int revealing) {
    Pictures& p = pictures();
    p.sea.blitAlphaRect(0, 0, kWidth, kHeight, 0, 0);
    const float vx = kWidth / 2.0f - static_cast<float>(cx), vy = kHeight / 2.0f - static_cast<float>(cy);
    for (size_t i = 0; i < p.lands.size(); ++i) {
        KGraphic& land = *p.land[i];
        const float x = p.lands[i].x + vx, y = p.lands[i].y + vy;
        if (x > kWidth || y > kHeight || x + land.getWidth() < 0 || y + land.getHeight() < 0) continue;
        if (static_cast<int>(i) != revealing) {
            land.blitAlphaRect(0, 0, land.getWidth(), land.getHeight(), x, y);
            continue;
        }
        KGraphic& glow = *p.glow[i];
        glow.blitAlphaRectFx(0, 0, glow.getWidth(), glow.getHeight(), p.lands[i].hx + vx, p.lands[i].hy + vy, 0, 1, 0.5f);
        land.blitAlphaRectFx(0, 0, land.getWidth(), land.getHeight(), x, y, 0, 1, 0.5f);
    }
    benchWindow().flipBackBuffer(true);
}

void BM_MapLandOnTheCamp(benchmark::State& state) {
    for (auto _ : state) drawView(1260, 1470, -1);
}
BENCHMARK(BM_MapLandOnTheCamp)->Unit(benchmark::kMillisecond);

void BM_MapLandWholeIslandShown(benchmark::State& state) {
    for (auto _ : state) drawView(1320, 880, -1);
}
BENCHMARK(BM_MapLandWholeIslandShown)->Unit(benchmark::kMillisecond);

void BM_MapLandWhileRevealing(benchmark::State& state) {
    for (auto _ : state) drawView(1320, 880, 4);
}
BENCHMARK(BM_MapLandWhileRevealing)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
