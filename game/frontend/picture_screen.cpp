#include "game/frontend/picture_screen.h"

#include "framework/core/black_out.h"
#include "framework/ui/overlay_images.h"
#include "game/app/game_view.h"
#include "game/widgets/dialog_backdrop.h"

// The screen before fades to black on the way here; without the fade-in this one would stay black.
void PictureScreen::OnEnter() {
    if (!picture.loaded) LoadImage(&picture, file);
    picture.SetPosition(0, 0);
    game.ScreenFade().FadeFromBlack();
}

void PictureScreen::ToggleOverlays() { ToggleOverlayList({&picture}, this); }
