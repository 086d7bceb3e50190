#pragma once
// The game's application object: names the game, sets its canvas and step rate, and owns every
// screen state for the whole run (states handed out by reference live as long as the game).
#include "framework/core/ldv_game.h"
#include "game/blank_state.h"

class Match3 : public LDvGame {
public:
    static constexpr int kUpdatesPerSecond = 60;
    static constexpr int kCanvasWidth = 1600;
    static constexpr int kCanvasHeight = 900;

    Match3();

    bool OnInit() override;

    // The state the program enters once the window is open.
    LDvState& FirstState();

private:
    BlankState blankState;
};
