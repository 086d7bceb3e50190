#include "game/frontend/fishy.h"

#include <algorithm>
#include <cmath>

#include "framework/core/game_random.h"
#include "game/frontend/swim_sequence.h"

namespace {

constexpr int kRandomTop = 32767;
constexpr int kSizeSpread = 40;              // size = (80 + 0..40) / 100
constexpr float kSizeBase = 80.0f;
constexpr float kPercent = 100.0f;
constexpr int kFirstFrameSpread = 20;
constexpr int kCanvasWidth = 1600;
constexpr int kDepthSpread = 100;
constexpr float kFarSpeedDivisor = 3.0f;
constexpr float kNearSpeedPerSlowness = 0.5f;
constexpr float kNearSpeedBase = -1.75f;
constexpr int kTiltEverySteps = 4;
constexpr float kClimbSpeed = 0.3f;
constexpr float kFarZoom = 0.5f;
constexpr float kFarTint[] = {0.6f, 0.6f, 1.0f, 0.9f};

// 0..n from the game's generator as the fish were first placed with it: rand / 32767 * (n + 1),
// the one draw that reaches n + 1 folded back to n.
int FishRandom(int n) {
    const int value = static_cast<int>(static_cast<float>(GameRand()) / kRandomTop * static_cast<float>(n + 1));
    return std::min(value, n);
}

}  // namespace

Fishy::Fishy() {
    size = (kSizeBase + static_cast<float>(FishRandom(kSizeSpread))) / kPercent;
    frameIndex = FishRandom(kFirstFrameSpread);
    x = static_cast<float>(FishRandom(kCanvasWidth));
    y = kTopDepth + static_cast<float>(FishRandom(kDepthSpread));
}

void Fishy::OnTick(int schoolStep) {
    Stroke(schoolStep);
    if ((y < kTopDepth && verticalSpeed < 0) || (y > kBottomDepth && verticalSpeed > 0)) verticalSpeed = 0;
    Swim();
    Tilt(schoolStep);
    if (++timer == kMoodSteps) ChangeMind();
}

// A resting fish finishes the stroke it is in and holds at frame 0.
void Fishy::Stroke(int schoolStep) {
    if (schoolStep % slowness != 0) return;
    if (!resting || frameIndex != 0) ++frameIndex;
    if (frameIndex == kWrapFrame) frameIndex = 0;
}

void Fishy::Swim() {
    if (far) {
        x += static_cast<float>(slowness) / kFarSpeedDivisor;
        if (x > kRightEdge) SetPosition(static_cast<int>(kLeftEdge), static_cast<int>(y));
    } else {
        x += static_cast<float>(slowness) * kNearSpeedPerSlowness + kNearSpeedBase;
        if (x < kLeftEdge) SetPosition(static_cast<int>(kRightEdge), static_cast<int>(y));
    }
    y += verticalSpeed;
}

void Fishy::Tilt(int schoolStep) {
    if (schoolStep % kTiltEverySteps != 0) return;
    if (verticalSpeed < 0) {
        tilt = std::min(tilt + 1, kMaxTilt);
    } else if (verticalSpeed > 0) {
        tilt = std::max(tilt - 1, -kMaxTilt);
    } else if (tilt != 0) {
        tilt += tilt > 0 ? -1 : 1;
    }
}

void Fishy::ChangeMind() {
    timer = 0;
    if (RandomRange(0, 1) == 1) {
        resting = true;
        return;
    }
    resting = false;
    slowness = RandomRange(1, 3);
    constexpr float kSpeeds[] = {kClimbSpeed, -kClimbSpeed, 0.0f};
    verticalSpeed = kSpeeds[RandomRange(0, 2)];
}

void Fishy::Draw() {
    if (sheet == nullptr || !sheet->loaded) return;
    sheet->SetFrame(TheSwimSequence()[static_cast<size_t>(frameIndex)]);
    sheet->angle = static_cast<float>(tilt);
    sheet->zoom = far ? size * kFarZoom : size;
    sheet->flipX = far;
    if (far) {
        sheet->SetColor(kFarTint[0], kFarTint[1], kFarTint[2], kFarTint[3]);
    } else {
        sheet->SetColor(1.0f, 1.0f, 1.0f, 1.0f);
    }
    sheet->DrawAtF(x - static_cast<float>(sheet->GetFrameWidth() / 2), y - static_cast<float>(sheet->GetFrameHeight() / 2));
}
