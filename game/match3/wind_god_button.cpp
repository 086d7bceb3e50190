#include "game/match3/wind_god_button.h"

#include <cmath>

#include "framework/effects/bit.h"

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kBreathTicks = 50;
constexpr float kHoverGlow = 0.3f;
constexpr float kAimGlow = 0.45f;

}  // namespace

WindGodButton::WindGodButton(LDvSprite& godPicture, LDvSprite& greyedPicture)
    : god(godPicture), greyedGod(greyedPicture) {}

void WindGodButton::OnTick(int) { breath = aiming ? (breath + 1) % kBreathTicks : 0; }

void WindGodButton::Draw() {
    if (hidden) return;
    const float cx = static_cast<float>(kCentreX);
    const float cy = static_cast<float>(kCentreY);
    SpriteLook look;
    look.opacity = opacity;
    if (greyed()) {
        DrawCentred(greyedGod, cx, cy, look);
        return;
    }
    DrawCentred(god, cx, cy, look);
    float glow = hovered ? kHoverGlow : 0.0f;
    if (aiming) glow = kAimGlow * (0.5f + 0.5f * std::sin(2.0f * kPi * static_cast<float>(breath) / kBreathTicks));
    if (glow <= 0.0f) return;
    look.additive = true;
    look.opacity = glow * opacity;
    DrawCentred(god, cx, cy, look);
    god.blendMode = 0;
}
