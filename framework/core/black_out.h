#pragma once
// A black picture zoomed over the whole canvas that fades the screen to or from black. The game
// owns three: the screen fade that switches states once it is black, and two dimmers that dialogs
// fade to half black behind themselves. A black-out registers itself when constructed (with no
// owner, so it is stepped and drawn under every state); it borrows the next state and the game.
#include <cstdint>

#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"

class LDvGame;
class LDvState;

class BlackOut : public LDvSprite {
public:
    static constexpr int32_t kFadeSteps = 45;
    static constexpr int32_t kHoldSteps = 10;
    static constexpr int32_t kResumeStartPercent = 30;

    BlackOut();

    // Fades to black over 45 steps, holds 10, then switches to nextState (loading the scene named
    // in sceneName first when loadScene is set).
    void FadeToState(bool loadScene, LDvState* nextState);
    // Lets the screen emerge from full black over 45 steps; nothing follows.
    void FadeFromBlack();

    void Update() override;  // one fade or hold step
    void Draw() override;    // only while fading or fully opaque

    int32_t fadeStepsTotal = 0;
    int32_t fadeStepsRemaining = 0;
    int32_t holdStepsRemaining = 0;
    int32_t startPercent = 0;       // opacity at the start of the fade
    int32_t endPercent = 0;         // opacity at its end
    bool loadScene = false;
    bool resumePartial = false;     // the next fade to black starts from 30 % instead of clear
    bool opaque = false;            // the last fade ended above 0 %
    LDvState* nextState = nullptr;
    LDvString sceneName;
    LDvGame* game = nullptr;
};
