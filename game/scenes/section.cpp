#include "game/scenes/section.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPercent = 100.0f;

}  // namespace

bool Section::IsHit(int x, int y) const {
    if (!active) return false;
    // In doubles, so that a mask a script moved far away (or to NaN) is simply missed.
    const double mx = static_cast<double>(x) - std::trunc(static_cast<double>(maskX));
    const double my = static_cast<double>(y) - std::trunc(static_cast<double>(maskY));
    if (!(mx >= 0.0 && my >= 0.0 && mx < maskWidth && my < maskHeight)) return false;
    const uint64_t bit = static_cast<uint64_t>(my) * static_cast<uint64_t>(maskWidth) + static_cast<uint64_t>(mx);
    const uint64_t byte = bit / 8;
    return byte < hitMask.size() && (hitMask[byte] >> (bit % 8) & 1) != 0;
}

// A fade-in wins over a pending fade-out, which then runs once the fade-in has ended.
void Section::StepFade() {
    if (picture == nullptr) return;
    float& opacity = picture->opacity;
    if (fadingIn) {
        if (static_cast<int>(opacity * kPercent) >= 100) fadingIn = false;
        else opacity += kFadeStep;
    } else if (fadingOut) {
        if (static_cast<int>(opacity * kPercent) < 1) fadingOut = false;
        else opacity -= kFadeStep;
    } else {
        return;
    }
    opacity = std::clamp(opacity, 0.0f, 1.0f);
}
