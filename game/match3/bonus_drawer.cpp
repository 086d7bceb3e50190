#include "game/match3/bonus_drawer.h"

#include <string>

#include "framework/effects/bit.h"
#include "framework/ui/overlay_images.h"

namespace {
constexpr float kDigitZoom = 0.8f;         // the count sits inside the plate's rim
}

void BonusDrawer::setPictures(const LDvSprite& plate, const LDvSprite& digitSheet) {
    SharePicture(&back, &plate);
    SharePicture(&digits, &digitSheet);
    frameWidth = back.frameWidth;
    frameHeight = back.frameHeight;
}

int BonusDrawer::plateFrame() const {
    if (flashTicks <= 0) return kPlainFrame;
    return (flashTicks / kBlinkTicks) % 2 == 0 ? kLitFrame : kPlainFrame;
}

void BonusDrawer::Draw() {
    if (hidden) return;
    SpriteLook plate;
    plate.frame = plateFrame();
    plate.opacity = opacity;
    DrawTopLeft(back, x, y, plate);
    const std::string text = std::to_string(count < 0 ? 0 : count);
    const float cell = static_cast<float>(digits.frameWidth) * kDigitZoom;
    const float centreY = y + static_cast<float>(back.frameHeight) / 2.0f;
    float centreX = x + static_cast<float>(back.frameWidth) / 2.0f - cell * static_cast<float>(text.size() - 1) / 2.0f;
    for (char c : text) {
        SpriteLook digit;
        digit.frame = c - '0';
        digit.zoom = kDigitZoom;
        digit.opacity = opacity;
        DrawCentred(digits, centreX, centreY, digit);
        centreX += cell;
    }
}
