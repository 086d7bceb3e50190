#include "game/frontend/survey.h"

#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/ui/overlay_images.h"
#include "game/expedition/dialog_backdrop.h"
#include "game/match3.h"

namespace {
constexpr const char* kSurveyPicture = "survey.jpg";
}

// The map fades to black before switching here; without the fade-in the screen would stay black.
void Survey::OnEnter() {
    if (!picture.loaded) LoadImage(&picture, kSurveyPicture);
    picture.SetPosition(0, 0);
    match3.screenFade.FadeFromBlack();
}

void Survey::ToggleOverlays() { ToggleOverlayList({&picture}, this); }

void Survey::OnClick(int, int) {
    Log("=== Game Ended ===");
    if (Frame().window != nullptr) Frame().window->requestQuit();
}
