#pragma once
// The three signs hanging at the top left of the camp, the map and the play screen: the menu
// button, the level board and the resources board. Each drops in from above the screen with a hop
// of its own and bounces onto its resting place, 20 pixels above the screen's edge. The overlays
// are the screen's, borrowed for as long as the screen keeps the boards.
#include "game/widgets/sliding_ui.h"

class LDvOverlay;

class HangingBoards {
public:
    // Hangs the three overlays above the screen, out of sight.
    void SetUp(LDvOverlay& menuButton, LDvOverlay& levelBoard, LDvOverlay& scoreBoard);
    void Drop();
    void Tick();

    SlidingUI menu;
    SlidingUI level;
    SlidingUI score;
};
