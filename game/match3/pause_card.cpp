#include "game/match3/pause_card.h"

#include "framework/effects/bit.h"
#include "framework/ui/draw_primitives.h"
#include "framework/ui/overlay_images.h"

namespace {
constexpr int kCanvasWidth = 1600;
constexpr int kCanvasHeight = 900;
}  // namespace

void PauseCard::load() { LoadImage(&card, "states/playing/pause_card.png"); }

void PauseCard::Draw() {
    if (hidden) return;
    DrawRect(0.0f, 0.0f, 0.0f, kDimOpacity, true, 0, 0, kCanvasWidth, kCanvasHeight);
    const SpriteLook plain;
    DrawCentred(card, static_cast<float>(kCentreX), static_cast<float>(kCentreY), plain);
}
