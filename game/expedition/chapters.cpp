#include "game/expedition/chapters.h"

#include "framework/core/state_control.h"
#include "framework/ui/overlay_images.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/match3.h"

Chapters::Chapters(Match3& game) : match3(game) {}

void Chapters::OnFirstEnter() { LoadImage(&back, "states/chapters/back.png"); }

// Straight on, without a fade: the card itself is the pause between chapters.
void Chapters::OnClick(int, int) { SetState(&match3.MapState(), &match3, false); }

void Chapters::ToggleOverlays() {
    if (back.registered) {
        Unregister(&back);
    } else {
        Register(&back, this);
    }
}
