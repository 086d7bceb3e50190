// One 1600 x 900 frame on SDL's software renderer, off screen: a full-screen background and 300
// sprites of 64 x 64 (60 % plain alpha, 20 % turned and zoomed, 20 % additive), drawn through
// KGraphic and, in the same run, as the same calls straight to SDL. Budget: KGraphic within 10 %
// of raw SDL and at most 6 ms a frame.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "engine/k_graphic.h"
#include "engine/k_window.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 900;
constexpr int kSprites = 300;
constexpr int kSide = 64;

enum class Kind { Plain, Turned, Added };

struct Placement {
    float x, y, angle, zoom;
    Kind kind;
};

// A fixed spread over the screen: every run draws exactly the same frame.
std::vector<Placement> placements() {
    std::vector<Placement> list;
    for (int i = 0; i < kSprites; ++i) {
        const int slot = i % 5;
        const Kind kind = slot < 3 ? Kind::Plain : (slot == 3 ? Kind::Turned : Kind::Added);
        list.push_back({static_cast<float>((i * 397) % (kWidth - kSide)), static_cast<float>((i * 211) % (kHeight - kSide)),
                        static_cast<float>((i * 37) % 360), 0.75f + static_cast<float>(i % 4) * 0.25f, kind});
    }
    return list;
}

uint32_t rgba(int r, int g, int b, int a) {
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16) |
           (static_cast<uint32_t>(a) << 24);
}

std::vector<uint32_t> backgroundPixels() {
    std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int grain = static_cast<int>(((static_cast<uint32_t>(x) * 73856093u) ^ (static_cast<uint32_t>(y) * 19349663u)) % 17u);
            pixels[static_cast<size_t>(y) * kWidth + x] = rgba(40 + x / 16 + grain, 90 + y / 8, 160 - y / 10 + grain, 255);
        }
    }
    return pixels;
}

// A soft disc with a bright core, transparent corners.
std::vector<uint32_t> spritePixels() {
    std::vector<uint32_t> pixels(kSide * kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const float d = std::hypot(x - 31.5f, y - 31.5f) / 32.0f;
            const int alpha = d >= 1.0f ? 0 : static_cast<int>(255.0f * (1.0f - d * d));
            pixels[y * kSide + x] = rgba(255, 200 - y, 80 + x, alpha);
        }
    }
    return pixels;
}

KWindow& benchWindow() {
    static std::unique_ptr<KWindow> window = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        auto created = std::make_unique<KWindow>(K_RENDERER_SOFTWARE);
        created->setAspectCorrection(true);
        if (!created->createGameWindow(kWidth, kHeight, 32, true, "bench", 0)) std::abort();
        return created;
    }();
    return *window;
}

void BM_KGraphicFrame(benchmark::State& state) {
    KWindow& window = benchWindow();
    const std::vector<Placement> list = placements();
    const std::vector<uint32_t> backgroundData = backgroundPixels();
    const std::vector<uint32_t> spriteData = spritePixels();
    KGraphic background;
    KGraphic sprite;
    KGraphic glow;
    background.loadPictureFromPixels(backgroundData.data(), kWidth, kHeight);
    sprite.loadPictureFromPixels(spriteData.data(), kSide, kSide);
    glow.loadPictureFromPixels(spriteData.data(), kSide, kSide);
    sprite.setTextureQuality(true);
    glow.setTextureQuality(true);
    glow.setBlitBlend(K_BLEND_ADDITIVE);
    for (auto _ : state) {
        background.blitAlphaRect(0, 0, kWidth, kHeight, 0, 0);
        for (const Placement& p : list) {
            if (p.kind == Kind::Turned) {
                sprite.blitAlphaRectFx(0, 0, kSide, kSide, p.x, p.y, p.angle, p.zoom, 1.0f);
            } else {
                (p.kind == Kind::Added ? glow : sprite).blitAlphaRect(0, 0, kSide, kSide, p.x, p.y);
            }
        }
        window.flipBackBuffer(true);
    }
}

SDL_Texture* rawTexture(SDL_Renderer* renderer, std::vector<uint32_t> pixels, int w, int h, SDL_BlendMode mode,
                        SDL_ScaleMode sampling) {
    for (uint32_t& pixel : pixels) pixel = (pixel & 0xFF00FF00u) | ((pixel & 0xFFu) << 16) | ((pixel >> 16) & 0xFFu);
    SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, w, h);
    SDL_UpdateTexture(texture, nullptr, pixels.data(), w * 4);
    SDL_SetTextureBlendMode(texture, mode);
    SDL_SetTextureScaleMode(texture, sampling);
    return texture;
}

void BM_RawSdlFrame(benchmark::State& state) {
    SDL_Renderer* renderer = benchWindow().sdlRenderer();
    const std::vector<Placement> list = placements();
    // The sampling KGraphic picks on the software renderer: nearest for turned sprites.
    SDL_Texture* background = rawTexture(renderer, backgroundPixels(), kWidth, kHeight, SDL_BLENDMODE_BLEND, SDL_ScaleModeLinear);
    SDL_Texture* sprite = rawTexture(renderer, spritePixels(), kSide, kSide, SDL_BLENDMODE_BLEND, SDL_ScaleModeNearest);
    SDL_Texture* glow = rawTexture(renderer, spritePixels(), kSide, kSide, SDL_BLENDMODE_ADD, SDL_ScaleModeLinear);
    const SDL_Rect full{0, 0, kWidth, kHeight};
    const SDL_Rect source{0, 0, kSide, kSide};
    const SDL_FRect screen{0, 0, kWidth, kHeight};
    for (auto _ : state) {
        SDL_RenderCopyF(renderer, background, &full, &screen);
        for (const Placement& p : list) {
            if (p.kind == Kind::Turned) {
                const float half = kSide * 0.5f;
                const SDL_FRect target{p.x + half - half * p.zoom, p.y + half - half * p.zoom, kSide * p.zoom, kSide * p.zoom};
                const SDL_FPoint centre{half * p.zoom, half * p.zoom};
                SDL_RenderCopyExF(renderer, sprite, &source, &target, -p.angle, &centre, SDL_FLIP_NONE);
            } else {
                const SDL_FRect target{p.x, p.y, kSide, kSide};
                SDL_RenderCopyF(renderer, p.kind == Kind::Added ? glow : sprite, &source, &target);
            }
        }
        SDL_RenderPresent(renderer);
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
    }
    SDL_DestroyTexture(background);
    SDL_DestroyTexture(sprite);
    SDL_DestroyTexture(glow);
}

}  // namespace

BENCHMARK(BM_KGraphicFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawSdlFrame)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
