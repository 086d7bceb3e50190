#include "game/expedition/location_icon.h"

#include "framework/effects/bit.h"
#include "framework/ui/overlay_images.h"

namespace {

constexpr const char* kMapFolder = "states/map/";
constexpr int32_t kFullPercent = 100;
constexpr float kPercent = 100.0f;
constexpr float kSparkleStartZoom = 6.0f;   // shrinking to 1 over the appearance
constexpr float kSparkleShrink = 5.0f;

}  // namespace

void LocationIcon::LoadPicture() {
    if (!sprite.loaded) LoadImage(&sprite, LDvString(kMapFolder) + iconName + "_ico.png");
}

void LocationIcon::ReleasePicture() { UnloadImage(&sprite); }

void LocationIcon::HideIcon() {
    hidden = true;
    appearCounter = 0;
    sparkle.reset();
}

void LocationIcon::ShowAtOnce() {
    HideIcon();
    hidden = false;
    opacityPercent = kFullPercent;
}

void LocationIcon::Appear(LDvSprite& sparkleSheet) {
    ShowAtOnce();
    appearCounter = kAppearTicks;
    opacityPercent = 0;
    sparkle = std::make_unique<TLPlayer>(sparkleSheet, 0.0f, 0.0f, kSparkleTicksPerFrame, 1.0f, kSparkleStartZoom);
    sparkle->looping = true;
    sparkle->Start();
}

void LocationIcon::Step() {
    if (appearCounter == 0) return;
    --appearCounter;
    const float t = Elapsed(appearCounter, kAppearTicks);
    opacityPercent = static_cast<int32_t>(kPercent * t);
    if (sparkle != nullptr) {
        sparkle->zoom = kSparkleStartZoom - kSparkleShrink * t;
        sparkle->Update();
    }
    if (appearCounter == 0) sparkle.reset();
}

void LocationIcon::DrawIcon() {
    if (hidden) return;
    const float left = static_cast<float>(ScreenX(position.x));
    const float top = static_cast<float>(ScreenY(position.y));
    SpriteLook look;
    look.opacity = static_cast<float>(opacityPercent) / kPercent;
    DrawTopLeft(sprite, left, top, look);
    if (sparkle == nullptr) return;
    sparkle->x = left + static_cast<float>(sparkleOffset.x);
    sparkle->y = top + static_cast<float>(sparkleOffset.y);
    sparkle->Draw();
}
