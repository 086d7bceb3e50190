#include "game/match3.h"

#include "framework/core/frame_context.h"
#include "framework/core/state_control.h"
#include "framework/ui/ldv_button.h"
#include "game/framed_widget_art.h"
#include "game/game_sounds.h"

Match3::Match3() : LDvGame("Quorvane", "Quorvane", 0, 2) {
    FrameContext& frame = Frame();
    frame.imageFolder = "img";
    frame.updatesPerSecond = kUpdatesPerSecond;
    frame.width = kCanvasWidth;
    frame.height = kCanvasHeight;
}

// The path table, the buttons and the framed widgets borrow the game's sounds, pictures and fonts,
// so they let go before those are released.
Match3::~Match3() {
    ClearGameSounds();
    SetDefaultButtonSounds(nullptr, nullptr);
    FramedWidgets() = FramedWidgetArt{};
}

void Match3::OnTick() {}

void Match3::OnExit() {
    gui.Unload();
    winLoseBundle.UnloadAll();
    introMovieBundle.UnloadAll();
}

void Match3::OnFocusChange(bool) {}

LDvFont& Match3::Font(int n) {
    LDvFont* const fonts[] = {&font1, &font2, &font3, &font4, &font5, &font6, &font7, &font8};
    return n >= 1 && n <= 8 ? *fonts[n - 1] : font1;
}

void Match3::EnterFirstState() { SetState(&blankState, this, false); }
