#include "game/match3/hourglass.h"

#include <algorithm>
#include <tuple>

namespace {
constexpr int32_t kFullPercent = 100;
}

Hourglass::Hourglass(LDvSprite& topSand, LDvSprite& bottomSand, LDvSprite& dripSprite)
    : top(topSand), bottom(bottomSand), drip(dripSprite) {}

void Hourglass::setFraction(int32_t timeLeft, int32_t timeTotal) {
    if (timeTotal <= 0) {
        topShown = 0;
        bottomShown = kFullPercent;
        return;
    }
    const int64_t left = std::clamp<int64_t>(timeLeft, 0, timeTotal);
    topShown = static_cast<int32_t>(left * kFullPercent / timeTotal);
    bottomShown = kFullPercent - topShown;
}

void Hourglass::OnTick(int tickCount) {
    if (running && drip.frameCount > 0 && tickCount % kDripFrameTicks == 0) {
        dripFrame = (dripFrame + 1) % drip.frameCount;
    }
}

// The bank's sprites are shared, so the crop is set before each draw and put back after.
void Hourglass::Draw() {
    if (hidden) return;
    for (auto [sprite, px, py, percent] : {std::tuple{&top, kTopSandX, kTopSandY, topShown},
                                           std::tuple{&bottom, kBottomSandX, kBottomSandY, bottomShown}}) {
        if (percent <= 0) continue;
        sprite->x = static_cast<float>(px);
        sprite->y = static_cast<float>(py);
        sprite->percentHeightShown = percent;
        sprite->cropFromFarSide = true;
        sprite->opacity = opacity;
        sprite->Draw();
        sprite->percentHeightShown = kFullPercent;
        sprite->cropFromFarSide = false;
    }
    if (running && topShown > 0) {
        drip.SetFrame(dripFrame);
        drip.x = static_cast<float>(kDripX);
        drip.y = static_cast<float>(kDripY);
        drip.opacity = opacity;
        drip.Draw();
    }
}
