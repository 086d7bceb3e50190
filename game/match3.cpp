#include "game/match3.h"

#include "engine/k_graphic.h"
#include "framework/core/frame_context.h"
#include "framework/core/state_control.h"
#include "game/game_sounds.h"

Match3::Match3() : LDvGame("Quorvane", "Quorvane", 0, 2) {
    FrameContext& frame = Frame();
    frame.imageFolder = "img";
    frame.updatesPerSecond = kUpdatesPerSecond;
    frame.width = kCanvasWidth;
    frame.height = kCanvasHeight;
}

// The path table borrows the groups' sounds, so it goes before they do.
Match3::~Match3() { ClearGameSounds(); }

bool Match3::OnInit() {
    FrameContext& frame = Frame();
    frame.imageFolder = "img";
    frame.updatesPerSecond = kUpdatesPerSecond;
    NameBundles();
    effectPictures.LoadSheets();
    gui.Load();
    effectPictures.LoadParticles();
    LoadSounds();
    LoadNamedSoundFolders();
    SetUpLocalization();
    LoadFonts();
    HandFontToSceneTextBox();
    LoadInventoryPictures();
    StartScriptEngine();
    SetUpBlackOuts();
    SetUpCursor();
    SetUpFramedWidgets();
    ChooseCursor();
    SetDefaultButtonSounds();
    if (frame.primitivePicture == nullptr) frame.primitivePicture = createKGraphic();
    return true;
}

void Match3::OnTick() {}

void Match3::OnExit() {
    gui.Unload();
    winLoseBundle.UnloadAll();
    introMovieBundle.UnloadAll();
}

void Match3::OnFocusChange(bool) {}

void Match3::EnterFirstState() { SetState(&blankState, this, false); }
