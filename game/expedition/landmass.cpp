#include "game/expedition/landmass.h"

#include <cmath>

#include "framework/effects/bit.h"
#include "framework/ui/overlay_images.h"

namespace {

constexpr const char* kMapFolder = "states/map/";
constexpr int32_t kFullPercent = 100;
constexpr float kPercent = 100.0f;
constexpr float kFlareTurnDegrees = 270.0f;
constexpr float kFlareStartScale = 10.0f;   // shrinking to 3 as the land fades in
constexpr float kFlareShrink = 7.0f;
constexpr float kFlarePeakPercent = 75.0f;

}  // namespace

void Landmass::LoadPictures() {
    if (!land.loaded) LoadImage(&land, LDvString(kMapFolder) + name + ".png");
    if (!highlight.loaded) LoadImage(&highlight, LDvString(kMapFolder) + name + "_h.png");
}

void Landmass::ReleasePictures() {
    UnloadImage(&land);
    UnloadImage(&highlight);
}

void Landmass::HideLand() {
    hidden = true;
    blinkCounter = fadeCounter = 0;
    highlightOpacity = 0;
    landOpacity = kFullPercent;
}

void Landmass::ShowAtOnce() {
    HideLand();
    hidden = false;
}

void Landmass::StartReveal() {
    HideLand();
    blinkCounter = kBlinkTicks;
    highlightOpacity = kFullPercent;
    landOpacity = 0;
}

LDvRect Landmass::MapBounds() {
    return {position.x, position.y, position.x + land.GetWidth() - 1, position.y + land.GetHeight() - 1};
}

void Landmass::Step() {
    if (blinkCounter > 0) {
        StepBlink();
    } else if (fadeCounter > 0) {
        StepFade();
    }
}

void Landmass::StepBlink() {
    --blinkCounter;
    if (blinkCounter % kBlinkToggleTicks == 0) highlightOpacity = kFullPercent - highlightOpacity;
    if (blinkCounter == 0) fadeCounter = kFadeTicks;
}

void Landmass::StepFade() {
    --fadeCounter;
    const float t = Elapsed(fadeCounter, kFadeTicks);
    highlightOpacity = static_cast<int32_t>(kPercent * (1.0f - t));
    landOpacity = static_cast<int32_t>(kPercent * t);
    flareAngle = kFlareTurnDegrees * t;
    flareScale = kFlareStartScale - kFlareShrink * t;
    const float v = t < 0.5f ? 2.0f * t : 2.0f * (1.0f - t);
    flareOpacity = kFlarePeakPercent * std::sqrt(v);
    if (fadeCounter == 0) ShowAtOnce();
}

// Shown land is one picture; during its reveal the glow lies under the land fading in.
void Landmass::DrawLand(LDvSprite* flare) {
    if (hidden && !Animating()) return;
    const float left = static_cast<float>(ScreenX(position.x));
    const float top = static_cast<float>(ScreenY(position.y));
    if (!Animating()) {
        DrawTopLeft(land, left, top, SpriteLook{});
        return;
    }
    SpriteLook glow;
    glow.opacity = static_cast<float>(highlightOpacity) / kPercent;
    DrawTopLeft(highlight, static_cast<float>(ScreenX(highlightPosition.x)),
                static_cast<float>(ScreenY(highlightPosition.y)), glow);
    SpriteLook fading;
    fading.opacity = static_cast<float>(landOpacity) / kPercent;
    DrawTopLeft(land, left, top, fading);
    if (fadeCounter > 0 && flare != nullptr) DrawFlares(*flare);
}

void Landmass::DrawFlares(LDvSprite& flare) {
    const LDvPoint centre = ScreenPoint(Centre());
    SpriteLook look;
    look.additive = true;
    look.zoom = flareScale;
    look.opacity = flareOpacity / kPercent;
    for (const float angle : {flareAngle, -flareAngle}) {
        look.angle = angle;
        DrawCentred(flare, static_cast<float>(centre.x), static_cast<float>(centre.y), look);
    }
}
