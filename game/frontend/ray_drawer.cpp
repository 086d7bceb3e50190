#include "game/frontend/ray_drawer.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kFirstX = 100;
constexpr int kSpacing = 100;
constexpr int kTop = 576;
constexpr double kMiddlePercent = 60.0;
constexpr double kSwingPercent = 40.0;
constexpr float kPercent = 100.0f;
constexpr int32_t kAdditiveBlend = 1;
constexpr double kDegreesToRadians = std::numbers::pi / 180.0;

}  // namespace

void RayDrawer::OnTick(int) {
    for (int32_t& phase : phases) phase += kPhaseStep;
}

float RayDrawer::OpacityAt(int32_t phaseDegrees) {
    const double percent = kMiddlePercent + kSwingPercent * std::sin(static_cast<double>(phaseDegrees) * kDegreesToRadians);
    return static_cast<float>(std::trunc(percent)) / kPercent;
}

void RayDrawer::Draw() {
    if (picture == nullptr || !picture->loaded) return;
    picture->blendMode = kAdditiveBlend;
    for (int i = 0; i < kRayCount; ++i) {
        picture->opacity = OpacityAt(phases[static_cast<size_t>(i)]);
        picture->DrawAt(kFirstX + kSpacing * i, kTop);
    }
}
