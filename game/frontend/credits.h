#pragma once
// The credits screen: one picture, "credits.png", faded in from black; a click fades back to the
// title screen. It borrows the game object (its screen fade and the title state) and owns its
// picture, loaded the first time the screen is entered and kept for the rest of the run.
#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_overlay.h"

class Match3;

class Credits : public LDvState {
public:
    explicit Credits(Match3& game) : match3(game) {}

    void OnEnter() override;
    void ToggleOverlays() override;
    void OnClick(int x, int y) override;

    LDvSprite picture;

private:
    Match3& match3;
};
