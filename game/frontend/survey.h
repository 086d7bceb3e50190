#pragma once
// The survey screen that ends the game after the last map location: one picture, "survey.jpg",
// faded in from black; a click quits the program (the survey address is opened on the way out).
// It borrows the game object's screen fade and owns its picture, loaded on the first entry.
#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_overlay.h"

class Match3;

class Survey : public LDvState {
public:
    explicit Survey(Match3& game) : match3(game) {}

    void OnEnter() override;
    void ToggleOverlays() override;
    void OnClick(int x, int y) override;

    LDvSprite picture;

private:
    Match3& match3;
};
