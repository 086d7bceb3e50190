#pragma once
// The chapter card: one full-screen picture; a click anywhere goes straight on to the map. The
// game owns the one Chapters state; the picture is loaded on its first entry and kept for the run.
#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_overlay.h"

class GameView;

class Chapters : public LDvState {
public:
    explicit Chapters(GameView& game);

    void OnFirstEnter() override;
    void OnClick(int x, int y) override;
    void ToggleOverlays() override;

    LDvSprite back;                     // "states/chapters/back.png"

private:
    GameView& game;
};
