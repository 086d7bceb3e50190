#include "game/frontend/survey.h"

#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"

void Survey::OnClick(int, int) {
    Log("=== Game Ended ===");
    if (Frame().window != nullptr) Frame().window->requestQuit();
}
