#include "game/scenes/glow_overlay.h"

#include "framework/core/int_cos.h"

namespace {

constexpr int kHalf = 50;                // percent
constexpr int kPulseSwing = 20;
constexpr int32_t kBlendAdditive = 1;

}  // namespace

void GlowOverlay::StartGlow(LDvSprite* sprite) {
    StopGlow();
    glow = sprite;
    fadeInCounter = kFadeInSteps;
    finished = false;
}

void GlowOverlay::StopGlow() {
    glow = nullptr;
    fadeInCounter = pulseCounter = fadeOutCounter = alpha = 0;
    repeat = false;
    finished = true;
}

void GlowOverlay::OnTick(int) {
    if (finished) return;
    if (fadeInCounter != 0) {
        --fadeInCounter;
        alpha = static_cast<int32_t>(kHalf * (1.0f - static_cast<float>(fadeInCounter) / kFadeInSteps));
        if (fadeInCounter == 0) pulseCounter = kPulseSteps;
    } else if (pulseCounter != 0) {
        --pulseCounter;
        alpha = kHalf + IntCos(2 * pulseCounter, kPulseSwing);
        if (pulseCounter == 0) {
            if (repeat) pulseCounter = kPulseSteps;
            else fadeOutCounter = kFadeOutSteps;
        }
    } else if (fadeOutCounter != 0) {
        --fadeOutCounter;
        alpha = static_cast<int32_t>(kHalf - kHalf * (1.0f - static_cast<float>(fadeOutCounter) / kFadeOutSteps));
        if (fadeOutCounter == 0) finished = true;
    }
}

void GlowOverlay::Draw() {
    if (finished || glow == nullptr) return;
    glow->SetPosition(static_cast<int>(x), static_cast<int>(y));
    glow->blendMode = kBlendAdditive;
    glow->opacity = static_cast<float>(alpha) / 100.0f;
    glow->Draw();
}
