#include "game/scenes/hint_display.h"

#include <cmath>

namespace {

constexpr float kOneDegree = 0.017453292f;
constexpr float kStarSpacing = 0.52359873f;   // 30 degrees
constexpr int kStarCount = 12;
constexpr int kEdgeSteps = 60;                 // fading in, and fading out
constexpr float kRadius = 70.0f;

}  // namespace

void HintDisplay::ShowStars(int px, int py) {
    ClearStars();
    countdown = kShowSteps;
    SetPosition(px, py);
}

void HintDisplay::ClearStars() {
    angle = scale = 0.0f;
    countdown = alpha = 0;
}

void HintDisplay::OnTick(int) {
    if (countdown == 0) return;
    angle += kOneDegree;
    const int a = countdown;
    if (a > kShowSteps - kEdgeSteps) {
        const float d = 1.0f - static_cast<float>(a - (kShowSteps - kEdgeSteps)) / kEdgeSteps;
        alpha = static_cast<int32_t>(100.0f * d);
        scale = 1.25f - 0.25f * std::sqrt(d);
    } else if (a > kEdgeSteps) {
        alpha = 100;
        scale = 1.0f;
    } else {
        const float d = 1.0f - static_cast<float>(a) / kEdgeSteps;
        alpha = static_cast<int32_t>(100.0f - 100.0f * d);
        scale = 1.0f - 0.25f * d;
        angle += kOneDegree;
    }
    --countdown;
}

void HintDisplay::Draw() {
    if (countdown == 0 || stars == nullptr) return;
    float theta = angle;
    const float radius = kRadius * scale;
    for (int i = 0; i < kStarCount; ++i) {
        stars->SetFrame(i % 2);
        const float cx = x + std::cos(theta) * radius;
        const float cy = y + std::sin(theta) * radius;
        stars->x = cx - static_cast<float>(stars->GetFrameWidth() / 2);
        stars->y = cy - static_cast<float>(stars->GetFrameHeight() / 2);
        stars->opacity = static_cast<float>(alpha) / 100.0f;
        stars->Draw();
        theta += kStarSpacing;
    }
}
