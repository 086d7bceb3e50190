#pragma once
// A screen that is one full-screen picture faded in from black, the way credits and survey show.
// It borrows the game object (for its screen fade) and owns its picture, loaded on the first entry
// and kept for the rest of the run; what a click does is up to the screen.
#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_overlay.h"

class GameView;

class PictureScreen : public LDvState {
public:
    PictureScreen(GameView& view, const char* pictureFile) : game(view), file(pictureFile) {}

    void OnEnter() override;
    void ToggleOverlays() override;

    LDvSprite picture;

protected:
    GameView& game;

private:
    const char* file;
};
