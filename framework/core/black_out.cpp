#include "framework/core/black_out.h"

#include "framework/core/ldv_game.h"
#include "framework/core/state_control.h"
#include "framework/ui/overlay_registry.h"

namespace {
constexpr float kPercent = 100.0f;
}

BlackOut::BlackOut() { Register(this, nullptr); }

void BlackOut::FadeToState(bool loadSceneFirst, LDvState* next) {
    fadeStepsTotal = fadeStepsRemaining = kFadeSteps;
    startPercent = resumePartial ? kResumeStartPercent : 0;
    endPercent = 100;
    holdStepsRemaining = kHoldSteps;
    resumePartial = false;
    loadScene = loadSceneFirst;
    nextState = next;
}

void BlackOut::FadeFromBlack() {
    nextState = nullptr;
    fadeStepsTotal = fadeStepsRemaining = kFadeSteps;
    startPercent = 100;
    endPercent = 0;
    holdStepsRemaining = 0;
    resumePartial = false;
}

void BlackOut::Update() {
    if (fadeStepsRemaining > 0) {
        --fadeStepsRemaining;
        // A fade set up without its total jumps straight to the end.
        const float done = fadeStepsTotal > 0
                               ? 1.0f - static_cast<float>(fadeStepsRemaining) / static_cast<float>(fadeStepsTotal)
                               : 1.0f;
        const int percent = static_cast<int>(static_cast<float>(startPercent) +
                                             static_cast<float>(endPercent - startPercent) * done);
        opacity = static_cast<float>(percent) / kPercent;
        if (fadeStepsRemaining == 0) {
            opacity = static_cast<float>(endPercent) / kPercent;
            opaque = endPercent != 0;
        }
        return;
    }
    if (holdStepsRemaining <= 0) return;
    --holdStepsRemaining;
    if (holdStepsRemaining != 0 || nextState == nullptr) return;
    if (loadScene && game != nullptr) game->LoadSceneForFade(sceneName);
    SetState(nextState, game, false);
}

void BlackOut::Draw() {
    if (fadeStepsRemaining > 0 || opaque) LDvSprite::Draw();
}
