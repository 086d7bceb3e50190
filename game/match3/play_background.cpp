#include "game/match3/play_background.h"

#include <cmath>

#include "framework/core/frame_context.h"
#include "framework/effects/bit.h"
#include "framework/ui/overlay_images.h"

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kSwayDegrees = 1.8f;       // each way
constexpr int kLeftSwayTicks = 300;        // one sway back and forth
constexpr int kRightSwayTicks = 350;       // out of step with the left, as wind would do
constexpr int kRaysBreathTicks = 480;
constexpr float kRaysMiddle = 0.55f;
constexpr float kRaysDepth = 0.3f;
constexpr int kRaysX = 300;
constexpr int kRaysY = 0;
constexpr int kRightEdge = 1600;

float Wave(int tick, int period) {
    return std::sin(2.0f * kPi * static_cast<float>(tick % period) / static_cast<float>(period));
}

// Turns the picture by `angle` degrees about its point (pivotX, pivotY), which stays at the canvas
// point (atX, atY).
void DrawTurned(LDvSprite& sprite, float pivotX, float pivotY, float atX, float atY, float angle) {
    KGraphic* picture = sprite.Picture();
    if (picture == nullptr) return;
    const FrameContext& frame = Frame();
    const float scale = frame.displayScaled ? frame.displayScale : 1.0f;
    const float width = picture->getWidth();
    const float height = picture->getHeight();
    const float dx = (atX + static_cast<float>(frame.drawOffsetX)) * scale - pivotX;
    const float dy = (atY + static_cast<float>(frame.drawOffsetY)) * scale - pivotY;
    picture->blitAlphaRectFx(0.0f, 0.0f, width, height, dx, dy, angle, scale, 1.0f, false, false,
                             pivotX - width / 2.0f, pivotY - height / 2.0f);
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
    leftAngle = kSwayDegrees * Wave(tickCount, kLeftSwayTicks);
    rightAngle = -kSwayDegrees * Wave(tickCount + kRightSwayTicks / 4, kRightSwayTicks);
    raysOpacity = kRaysMiddle + kRaysDepth * Wave(tickCount, kRaysBreathTicks);
}

void PlayBackground::Draw() {
    if (hidden) return;
    const SpriteLook plain;
    DrawTopLeft(scenery == kJungle ? jungle : beach, 0.0f, 0.0f, plain);
    if (scenery == kJungle) drawJungleLayers();
}

void PlayBackground::drawJungleLayers() {
    SpriteLook glow;
    glow.additive = true;
    glow.opacity = raysOpacity;
    DrawTopLeft(rays, static_cast<float>(kRaysX), static_cast<float>(kRaysY), glow);
    rays.blendMode = 0;
    DrawTurned(leavesLeft, 0.0f, 0.0f, 0.0f, 0.0f, leftAngle);
    const float rightWidth = static_cast<float>(leavesRight.frameWidth);
    DrawTurned(leavesRight, rightWidth, 0.0f, static_cast<float>(kRightEdge), 0.0f, rightAngle);
}
