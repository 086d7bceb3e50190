#include "game/match3/play_background.h"

#include <cmath>

#include "engine/k_graphic.h"
#include "framework/core/frame_context.h"
#include "framework/effects/bit.h"
#include "framework/ui/overlay_images.h"

namespace {

constexpr float kPi = 3.14159265f;
// The leaves sway sideways rather than turning: a turned picture is redrawn pixel by pixel every
// frame by the software renderer, which cost more than the rest of the screen together.
constexpr float kSwayPixels = 7.0f;        // each way, about what a 1.8 degree turn moves the tips
constexpr int kLeftSwayTicks = 300;        // one sway back and forth
constexpr int kRightSwayTicks = 350;       // out of step with the left, as wind would do
constexpr int kRaysBreathTicks = 480;
constexpr float kRaysMiddle = 0.55f;
constexpr float kRaysDepth = 0.3f;
constexpr int kRaysX = 300;
// The shafts lie between these columns of the rays picture; the clear rest would only cost
// blending time, and the software renderer's additive blending is its slowest.
constexpr int kRaysLitLeft = 270;
constexpr int kRaysLitRight = 790;
constexpr int kRaysY = 0;
constexpr int kRightEdge = 1600;
constexpr float kSwayMargin = kSwayPixels;  // the leaves start this far outside the edge, so no gap opens

float Wave(int tick, int period) {
    return std::sin(2.0f * kPi * static_cast<float>(tick % period) / static_cast<float>(period));
}

// Draws columns [srcLeft, srcRight) of the sprite's picture added onto the screen, placed as the
// whole picture would be at (left, top) and scaled as every overlay is.
void DrawColumnsAdded(LDvSprite& sprite, int srcLeft, int srcRight, float left, float top, float opacity) {
    KGraphic* picture = sprite.Picture();
    if (picture == nullptr) return;
    const FrameContext& frame = Frame();
    const float width = static_cast<float>(srcRight - srcLeft);
    const float height = picture->getHeight();
    const float scale = frame.displayScaled ? frame.displayScale : 1.0f;
    const float zoom = frame.displayCentreScaling ? scale : 1.0f;
    const float centreX = frame.displayCentreScaling ? (width - scale * width) / 2.0f : 0.0f;
    const float centreY = frame.displayCentreScaling ? (height - scale * height) / 2.0f : 0.0f;
    const float px = left + static_cast<float>(srcLeft + frame.drawOffsetX);
    const float py = top + static_cast<float>(frame.drawOffsetY);
    picture->setBlitBlend(K_BLEND_ADDITIVE);
    picture->blitAlphaRectFx(static_cast<float>(srcLeft), 0.0f, static_cast<float>(srcRight), height,
                             scale * px - centreX, scale * py - centreY, 0.0f, zoom, opacity, false, false, 0.0f,
                             0.0f);
    picture->setBlitBlend(K_BLEND_NORMAL);
}

}  // namespace

void PlayBackground::load() {
    LoadImage(&beach, "match3_backgrounds/back1.jpg");
    LoadImage(&jungle, "match3_backgrounds/back2.jpg");
    LoadImage(&leavesLeft, "match3_backgrounds/back2_leaves_left.png");
    LoadImage(&leavesRight, "match3_backgrounds/back2_leaves_right.png");
    LoadImage(&rays, "match3_backgrounds/back2_rays.png");
}

void PlayBackground::choose(int chapterBackground) { scenery = chapterBackground == kJungle ? kJungle : kBeach; }

void PlayBackground::OnTick(int tickCount) {
    if (scenery != kJungle) return;
    leftSway = kSwayPixels * Wave(tickCount, kLeftSwayTicks);
    rightSway = -kSwayPixels * Wave(tickCount + kRightSwayTicks / 4, kRightSwayTicks);
    raysOpacity = kRaysMiddle + kRaysDepth * Wave(tickCount, kRaysBreathTicks);
}

void PlayBackground::Draw() {
    if (hidden) return;
    const SpriteLook plain;
    DrawTopLeft(scenery == kJungle ? jungle : beach, 0.0f, 0.0f, plain);
    if (scenery == kJungle) drawJungleLayers();
}

void PlayBackground::drawJungleLayers() {
    DrawColumnsAdded(rays, kRaysLitLeft, kRaysLitRight, static_cast<float>(kRaysX), static_cast<float>(kRaysY),
                     raysOpacity);
    const SpriteLook plain;
    DrawTopLeft(leavesLeft, leftSway - kSwayMargin, 0.0f, plain);
    const float rightX = static_cast<float>(kRightEdge - leavesRight.frameWidth) + kSwayMargin;
    DrawTopLeft(leavesRight, rightX + rightSway, 0.0f, plain);
}
