#pragma once
// The credits screen: "credits.png" faded in from black; a click fades back to the title screen.
#include "game/frontend/picture_screen.h"

class Credits : public PictureScreen {
public:
    explicit Credits(GameView& game) : PictureScreen(game, "credits.png") {}

    void OnClick(int x, int y) override;
};
