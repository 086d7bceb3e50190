#include "game/frontend/credits.h"

#include "framework/ui/overlay_images.h"
#include "game/expedition/dialog_backdrop.h"
#include "game/match3.h"

namespace {
constexpr const char* kCreditsPicture = "credits.png";
}

void Credits::OnEnter() {
    if (!picture.loaded) LoadImage(&picture, kCreditsPicture);
    picture.SetPosition(0, 0);
    match3.screenFade.FadeFromBlack();
}

void Credits::ToggleOverlays() { ToggleOverlayList({&picture}, this); }

// Clicks while the fade to the title runs would only restart it.
void Credits::OnClick(int, int) {
    if (match3.screenFade.nextState != nullptr) return;
    match3.screenFade.FadeToState(false, match3.TitleState());
}
