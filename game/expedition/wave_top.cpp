#include "game/expedition/wave_top.h"

#include <cmath>
#include <numbers>

#include "framework/core/game_random.h"
#include "framework/effects/bit.h"

namespace {

constexpr int kWaveFrames = 8;
constexpr float kPhaseStep = 0.01f;      // radians per step
constexpr float kSway = 10.0f;           // pixels

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
        SpriteLook look;
        look.frame = crest.frame;
        look.opacity = crest.opacity;
        look.zoom = crest.scale;
        DrawCentred(*sheet, crest.x + kSway * std::sin(crest.phase), crest.y, look);
    }
}
