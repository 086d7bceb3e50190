#include "game/match3.h"

#include "engine/k_graphic.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/state_control.h"
#include "framework/data/player_profiles.h"
#include "game/game_sounds.h"

namespace {

constexpr const char* kFirstPlayerName = "Player";

// The remembered profile, else the first there is, else a new one in the first slot.
void SelectStartingPlayer() {
    int slot = GetSelectedProfileSetting();
    if (!PlayerExists(slot)) slot = FindFirstPlayer();
    if (slot < 0) {
        slot = 0;
        CreatePlayer(slot, kFirstPlayerName);
        Log("created the player profile " + std::to_string(slot));
    }
    SelectPlayer(slot);
    SetSelectedProfileSetting(slot);
}

}  // namespace

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
    match3Images.load();
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

// A level in play stands still while the window is in the background.
void Match3::OnFocusChange(bool active) { playing.setFocusPaused(!active); }

// Until the title screen exists the game goes straight to the boards with the remembered player.
void Match3::EnterFirstState() {
    SelectStartingPlayer();
    SetState(&playing, this, false);
}

LDvState* Match3::StateAfterLevel() { return &playing; }

LDvState* Match3::LevelEditorState() { return nullptr; }
