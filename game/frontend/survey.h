#pragma once
// The survey screen that ends the game after the last map location: "survey.jpg" faded in from
// black; a click quits the program (the survey address is opened on the way out).
#include "game/frontend/picture_screen.h"

class Survey : public PictureScreen {
public:
    explicit Survey(GameView& game) : PictureScreen(game, "survey.jpg") {}

    void OnClick(int x, int y) override;
};
