#include "game/match3/flasher.h"

#include <cmath>

#include "framework/effects/bit.h"

namespace {
constexpr float kPi = 3.14159265f;
constexpr float kPeakOpacity = 0.8f;
}  // namespace

void Flasher::start(LDvSprite& flashed, float cx, float cy, int ticks, int shownFrame) {
    sprite = &flashed;
    centreX = cx;
    centreY = cy;
    frame = shownFrame;
    total = remaining = ticks > 0 ? ticks : 0;
}

// Each pulse rises and falls once; the whole burst also fades so it does not end abruptly.
float Flasher::strength() const {
    if (remaining <= 0 || total <= 0) return 0.0f;
    const int32_t done = total - remaining;
    const float pulse = std::sin(kPi * static_cast<float>(done % kPulseTicks) / kPulseTicks);
    const float fade = static_cast<float>(remaining) / static_cast<float>(total);
    return kPeakOpacity * pulse * (0.4f + 0.6f * fade);
}

void Flasher::OnTick(int) {
    if (remaining > 0) --remaining;
}

void Flasher::Draw() {
    if (hidden || sprite == nullptr || remaining <= 0) return;
    SpriteLook look;
    look.additive = true;
    look.opacity = strength();
    look.frame = frame;
    DrawCentred(*sprite, centreX, centreY, look);
}
