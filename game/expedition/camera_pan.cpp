#include "game/expedition/camera_pan.h"

#include <cmath>

namespace {

constexpr float kQuarterTurn = 1.5707963f;  // radians

int Between(int from, int to, float s) {
    return static_cast<int>(static_cast<float>(from) + static_cast<float>(to - from) * s);
}

}  // namespace

LDvPoint CameraPan::Step() {
    if (counter <= 0) return target;
    --counter;
    if (counter == 0) return target;
    const float u = 1.0f - static_cast<float>(counter) / static_cast<float>(kPanTicks);
    const float s = std::sin(kQuarterTurn * u);
    return {Between(start.x, target.x, s), Between(start.y, target.y, s)};
}
