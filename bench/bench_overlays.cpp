// Drawing and stepping the overlay registry, measured against the bare engine.
// - DrawOverlays with 300 and 1,000 registered 64 x 64 sprites (frames, crops, rotation and zoom,
//   additive) into a 1600 x 900 software-rendered off-screen window, side by side with the same
//   blits issued straight to KGraphic: the registry and the overlay logic should add under 10 %.
// - UpdateOverlays over those sprites plus emitters of both title presets holding about 2,000 live
//   particles: one step should take under 1 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "engine/k_graphic.h"
#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_random.h"
#include "framework/core/ldv_state.h"
#include "framework/effects/ldv_emitter2.h"
#include "framework/ui/ldv_overlay.h"
#include "framework/ui/overlay_images.h"
#include "framework/ui/overlay_registry.h"

namespace {

constexpr int kCanvasWidth = 1600;
constexpr int kCanvasHeight = 900;
constexpr int kSpriteSide = 64;
constexpr int kSheetColumns = 4;
constexpr int kSheetFrames = 16;

// One blit as the overlay would issue it, kept for the straight-to-engine run.
struct Blit {
    KGraphic* picture;
    int blend;
    bool effects;
    float sx1, sy1, sx2, sy2, dx, dy, angle, zoom, opacity;
};

class Scene {
public:
    explicit Scene(int spriteCount) {
        window.createGameWindow(kCanvasWidth, kCanvasHeight, 32, true, "bench");
        Frame().currentState = &state;
        MakeSheet();
        SeedGameRand(1);
        for (int i = 0; i < spriteCount; ++i) AddSprite(i);
    }
    ~Scene() {
        for (auto& s : sprites) Unregister(s.get());
        Frame().currentState = nullptr;
    }

    void DrawStraight() const {
        for (const Blit& b : blits) {
            b.picture->setBlitBlend(b.blend);
            if (b.effects) {
                b.picture->blitAlphaRectFx(b.sx1, b.sy1, b.sx2, b.sy2, b.dx, b.dy, b.angle, b.zoom, b.opacity);
            } else {
                b.picture->blitAlphaRect(b.sx1, b.sy1, b.sx2, b.sy2, b.dx, b.dy);
            }
            b.picture->setBlitBlend(K_BLEND_NORMAL);
        }
    }

    KWindow window{K_RENDERER_SOFTWARE};
    LDvState state;
    LDvSprite sheet;
    std::vector<std::unique_ptr<LDvSprite>> sprites;
    std::vector<Blit> blits;

private:
    void MakeSheet() {
        const int width = kSpriteSide * kSheetColumns;
        const int height = kSpriteSide * (kSheetFrames / kSheetColumns);
        std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int dx = x % kSpriteSide - kSpriteSide / 2;
                const int dy = y % kSpriteSide - kSpriteSide / 2;
                const uint32_t alpha = dx * dx + dy * dy < 30 * 30 ? 0xff000000u : 0x40000000u;
                pixels[y * width + x] = alpha | static_cast<uint32_t>((x * 5) & 0xff) << 8 | static_cast<uint32_t>(y & 0xff);
            }
        }
        LoadFromPixels(&sheet, pixels.data(), width, height);
        sheet.hasFrames = true;
        sheet.frameCount = kSheetFrames;
        sheet.columns = kSheetColumns;
        sheet.rows = kSheetFrames / kSheetColumns;
        sheet.frameWidth = sheet.frameHeight = kSpriteSide;
    }

    // A quarter each: plain, cropped frames, rotated and zoomed, additive.
    void AddSprite(int i) {
        auto sprite = std::make_unique<LDvSprite>();
        SharePicture(sprite.get(), &sheet);
        sprite->SetFrame(i % kSheetFrames);
        sprite->x = static_cast<float>(RandomRange(0, kCanvasWidth - kSpriteSide));
        sprite->y = static_cast<float>(RandomRange(0, kCanvasHeight - kSpriteSide));
        sprite->layer = i % 8;
        Blit blit{sheet.Picture(), K_BLEND_NORMAL, false, 0, 0, 0, 0, sprite->x, sprite->y, 0, 1, 1};
        const float column = static_cast<float>(sprite->currentFrame % kSheetColumns) * kSpriteSide;
        const float row = static_cast<float>(sprite->currentFrame / kSheetColumns) * kSpriteSide;
        blit.sx1 = column;
        blit.sy1 = row;
        blit.sx2 = column + kSpriteSide;
        blit.sy2 = row + kSpriteSide;
        switch (i % 4) {
        case 1:
            sprite->percentWidthShown = 50;
            sprite->cropFromFarSide = true;
            blit.sx1 += kSpriteSide / 2;
            blit.dx += kSpriteSide / 2;
            break;
        case 2:
            sprite->angle = static_cast<float>(RandomRange(1, 359));
            sprite->zoom = 1.25f;
            blit.effects = true;
            blit.angle = -sprite->angle;
            blit.zoom = sprite->zoom;
            break;
        case 3:
            sprite->blendMode = 1;
            blit.blend = K_BLEND_ADDITIVE;
            break;
        default: break;
        }
        Register(sprite.get(), &state);
        sprites.push_back(std::move(sprite));
        blits.push_back(blit);
    }
};

void BM_DrawOverlays(benchmark::State& run) {
    Scene scene(static_cast<int>(run.range(0)));
    for (auto _ : run) {
        DrawOverlays();
        scene.window.flipBackBuffer(false);
    }
}

void BM_StraightBlits(benchmark::State& run) {
    Scene scene(static_cast<int>(run.range(0)));
    for (auto _ : run) {
        scene.DrawStraight();
        scene.window.flipBackBuffer(false);
    }
}

// Emitters of both presets (three particles per spawn) primed to their steady state.
void BM_UpdateOverlaysWithParticles(benchmark::State& run) {
    constexpr int kEmittersPerPreset = 22;
    constexpr int kBurst = 3;
    constexpr int kPrimingSteps = 500;
    Scene scene(300);
    LDvSprite mote;
    SharePicture(&mote, &scene.sheet);
    std::vector<std::unique_ptr<LDvEmitter2>> emitters;
    for (int i = 0; i < 2 * kEmittersPerPreset; ++i) {
        auto emitter = std::make_unique<LDvEmitter2>();
        const int x = 40 + 35 * i;
        if (i % 2 == 0) emitter->PresetA(x, 100, mote);
        else emitter->PresetB(x, 100, mote);
        emitter->burstCount = kBurst;
        Register(emitter.get(), &scene.state);
        emitters.push_back(std::move(emitter));
    }
    for (int i = 0; i < kPrimingSteps; ++i) UpdateOverlays();
    for (auto _ : run) UpdateOverlays();

    int live = 0;
    for (const auto& e : emitters) live += e->particles.Count();
    run.counters["live_particles"] = live;
    for (auto& e : emitters) Unregister(e.get());
}

}  // namespace

BENCHMARK(BM_DrawOverlays)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StraightBlits)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_UpdateOverlaysWithParticles)->Unit(benchmark::kMicrosecond)->UseRealTime();

BENCHMARK_MAIN();
