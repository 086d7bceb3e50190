#include "game/frontend/credits.h"

#include "framework/core/black_out.h"
#include "game/app/game_view.h"

// Clicks while the fade to the title runs would only restart it.
void Credits::OnClick(int, int) {
    if (game.ScreenFade().nextState != nullptr) return;
    game.ScreenFade().FadeToState(false, game.TitleState());
}
