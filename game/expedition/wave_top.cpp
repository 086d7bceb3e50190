#include "game/expedition/wave_top.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/core/game_random.h"
#include "framework/effects/bit.h"
#include "framework/ui/overlay_images.h"
#include "framework/ui/sheet_pixels.h"
#include "framework/ui/turned_frames.h"

namespace {

constexpr int kWaveFrames = 8;
constexpr float kPhaseStep = 0.01f;      // radians per step
constexpr float kSway = 10.0f;           // pixels
// The emitter's own sheet is not made beyond this many pixels (a script may ask for any scale).
constexpr size_t kMostFadedPixels = size_t{1} << 21;

// The crests' frames, `levels` times over, row `level - 1` faded to level / levels of `peak`.
SheetPixels FadedLevels(const SheetPixels& frames, int levels, float peak) {
    SheetPixels faded;
    faded.frameWidth = frames.frameWidth;
    faded.frameHeight = frames.frameHeight;
    faded.columns = frames.columns;
    faded.rows = levels;
    faded.pixels.reserve(frames.pixels.size() * static_cast<size_t>(levels));
    for (int level = 1; level <= levels; ++level) {
        std::vector<uint32_t> row = frames.pixels;
        FadePixels(row, peak * static_cast<float>(level) / static_cast<float>(levels));
        faded.pixels.insert(faded.pixels.end(), row.begin(), row.end());
    }
    return faded;
}

}  // namespace

void WaveTop::Arm(LDvSprite& waveSheet, const Spawn& spawn) {
    sheet = &waveSheet;
    x1 = spawn.area.left;
    y1 = spawn.area.top;
    x2 = spawn.area.right;
    y2 = spawn.area.bottom;
    scale = spawn.scale;
    peakOpacity = spawn.peakOpacity;
    dx = spawn.dx;
    dy = spawn.dy;
    crests.fill(Crest{});
    nextSlot = 0;
    active = 1;
    MakeFadedSheet();
}

void WaveTop::Release() { UnloadImage(&fadedSheet); }

void WaveTop::MakeFadedSheet() {
    Release();
    SheetPixels frames;
    if (!ReadSheetPixels(*sheet, frames)) return;
    const TurnedFrames scaled = TurnFrames(frames, kWaveFrames, scale, 0.0f);
    if (scaled.sheet.Empty() || scaled.sheet.pixels.size() * kOpacityLevels > kMostFadedPixels) return;
    LoadSheet(fadedSheet, FadedLevels(scaled.sheet, kOpacityLevels, peakOpacity), kWaveFrames * kOpacityLevels);
    fadedOffsetX = scaled.offsetX;
    fadedOffsetY = scaled.offsetY;
}

void WaveTop::OnTick(int tickCount) {
    if (active == 0) return;
    if (tickCount % kSpawnEvery == 0) SpawnCrest();
    for (Crest& crest : crests) {
        if (crest.alive != 0 && crest.life > 0) StepCrest(crest);
    }
}

void WaveTop::SpawnCrest() {
    Crest& crest = crests[nextSlot];
    nextSlot = (nextSlot + 1) % kSlots;
    crest = Crest{};
    crest.alive = 1;
    crest.frame = RandomRange(0, kWaveFrames - 1);
    crest.life = kLife;
    crest.x = static_cast<float>(RandomRange(x1, x2));
    crest.y = static_cast<float>(RandomRange(y1, y2));
    crest.scale = scale;
}

// The crest swells over the first half of its life and fades over the second, on a cosine ease.
void WaveTop::StepCrest(Crest& crest) const {
    --crest.life;
    const float t = 1.0f - static_cast<float>(crest.life) / kLife;
    const float v = t < 0.5f ? 2.0f * t : 2.0f * (1.0f - t);
    crest.opacity = peakOpacity * (1.0f - std::cos(std::numbers::pi_v<float> * v)) / 2.0f;
    crest.scale = scale;
    crest.x += dx;
    crest.y += dy;
    crest.phase += kPhaseStep;
    if (crest.life == 0) crest.alive = 0;
}

void WaveTop::Draw() {
    if (sheet == nullptr || active == 0) return;
    for (const Crest& crest : crests) {
        if (crest.alive == 0 || crest.opacity <= 0.0f) continue;
        const float cx = crest.x + kSway * std::sin(crest.phase);
        if (DrawFaded(crest, cx)) continue;
        SpriteLook look;
        look.frame = crest.frame;
        look.opacity = crest.opacity;
        look.zoom = crest.scale;
        DrawCentred(*sheet, cx, crest.y, look);
    }
}

// The nearest step of opacity of the emitter's own sheet, placed where the scaled frame would be.
bool WaveTop::DrawFaded(const Crest& crest, float cx) {
    if (!fadedSheet.loaded || crest.scale != scale || !(peakOpacity > 0.0f) || crest.frame < 0 ||
        crest.frame >= kWaveFrames) {
        return false;
    }
    const long level = std::lround(crest.opacity / peakOpacity * static_cast<float>(kOpacityLevels));
    if (level <= 0) return true;  // too faint to show
    SpriteLook look;
    look.frame = static_cast<int>(std::min<long>(level, kOpacityLevels) - 1) * kWaveFrames + crest.frame;
    const float left = cx - static_cast<float>(sheet->frameWidth / 2) + static_cast<float>(fadedOffsetX);
    const float top = crest.y - static_cast<float>(sheet->frameHeight / 2) + static_cast<float>(fadedOffsetY);
    DrawTopLeft(fadedSheet, left, top, look);
    return true;
}
