#pragma once
// A screen that is one full-screen picture faded in from black, the way credits and survey show.
// It borrows the game object (for its screen fade) and owns its picture, loaded on the first entry
// and kept for the rest of the run; what a click does is up to the screen.
#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_overlay.h"

class Match3;

class PictureScreen : public LDvState {
public:
    PictureScreen(Match3& game, const char* pictureFile) : match3(game), file(pictureFile) {}

    void OnEnter() override;
    void ToggleOverlays() override;

    LDvSprite picture;

protected:
    Match3& match3;

private:
    const char* file;
};
