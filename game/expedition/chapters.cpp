#include "game/expedition/chapters.h"

#include "framework/core/state_control.h"
#include "framework/ui/overlay_images.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/game_view.h"

Chapters::Chapters(GameView& view) : game(view) {}

void Chapters::OnFirstEnter() { LoadImage(&back, "states/chapters/back.png"); }

// Straight on, without a fade: the card itself is the pause between chapters.
void Chapters::OnClick(int, int) { SetState(&game.MapState(), &game.App(), false); }

void Chapters::ToggleOverlays() {
    if (back.registered) {
        Unregister(&back);
    } else {
        Register(&back, this);
    }
}
