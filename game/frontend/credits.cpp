#include "game/frontend/credits.h"

#include "game/app/match3.h"

// Clicks while the fade to the title runs would only restart it.
void Credits::OnClick(int, int) {
    if (match3.screenFade.nextState != nullptr) return;
    match3.screenFade.FadeToState(false, match3.TitleState());
}
