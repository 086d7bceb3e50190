#include "game/app/match3.h"

#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/ldv_button.h"
#include "game/app/window_memory.h"
#include "game/assets/game_sounds.h"
#include "game/frontend/game_options_dialog.h"
#include "game/frontend/yes_no_dialog.h"
#include "game/scenes/script_api_target.h"
#include "game/widgets/framed_widget_art.h"

namespace {

// The task bar and window switcher show the icon the desktop menus use.
constexpr const char* kWindowIcon = "icons/hicolor/64x64/apps/quorvane.png";

constexpr const char* kFirstPlayerName = "Player";

// The remembered profile, else the first there is, else a new one in the first slot.
void SelectStartingPlayer() {
    int slot = GetSelectedProfileSetting();
    if (!PlayerExists(slot)) slot = FindFirstPlayer();
    if (slot < 0) {
        slot = 0;
        CreatePlayer(slot, kFirstPlayerName);
    }
    SelectPlayer(slot);
    SetSelectedProfileSetting(slot);
}

}  // namespace

Match3::Match3() : LDvGame("Quorvane", "Quorvane", 0, 2) {
    FrameContext& frame = Frame();
    frame.imageFolder = "img";
    frame.windowIcon = kWindowIcon;
    frame.updatesPerSecond = kUpdatesPerSecond;
    frame.width = kCanvasWidth;
    frame.height = kCanvasHeight;
    ConnectPlayScreen();
    ConnectSceneScreen();
}

// The play screen shows its tips through the one tip dialog and its menu through the options
// dialog, whose leave button restarts the level and whose quit button leaves it.
void Match3::ConnectPlayScreen() {
    playing.offerTip = [this](const Playing::TipRequest& tip) {
        return ShowTipOnce(*this, tip.key, GetText(tip.text), tip.point, tip.okButton, false, tip.modal);
    };
    playing.runMenu = [this](const LDvString& restartLabel, const LDvString& leaveLabel) {
        GameOptionsDialog menu(*this);
        menu.showLeaveButton = menu.showQuitButton = true;
        menu.leaveLabel = restartLabel;
        menu.quitLabel = leaveLabel;
        RunModal(&menu);
        if (menu.leaveChosen) return Playing::MenuAnswer::Restart;
        return menu.quitChosen ? Playing::MenuAnswer::Leave : Playing::MenuAnswer::Close;
    };
}

// The scene's menu is the options dialog with its leave button as "Quit"; its questions are the
// general yes/no dialog. Its ways out lead to the game's map and title.
void Match3::ConnectSceneScreen() {
    SetScriptApiTarget(&scene, this);
    scene.parts = &adventureBar;
    scene.runMenu = [this] {
        GameOptionsDialog menu(*this);
        menu.showLeaveButton = true;
        menu.leaveLabel = "Quit";
        RunModal(&menu);
        return menu.leaveChosen;
    };
    scene.askYesNo = [this](int textNumber) {
        YesNoDialog question(*this);
        question.SetQuestion(GetText(textNumber));
        RunModal(&question);
        return question.answer;
    };
}

// The path table, the buttons and the framed widgets borrow the game's sounds, pictures and fonts,
// so they let go before those are released.
Match3::~Match3() {
    ClearGameSounds();
    SetDefaultButtonSounds(nullptr, nullptr);
    FramedWidgets() = FramedWidgetArt{};
    SetScriptApiTarget(nullptr, nullptr);
}

void Match3::OnTick() {}

void Match3::OnExit() {
    // The window's size is the machine's setting, kept for the next run whoever plays.
    FrameContext& frame = Frame();
    if (frame.window != nullptr && frame.settings != nullptr) RememberWindow(*frame.settings, *frame.window);
    gui.Unload();
    winLoseBundle.UnloadAll();
    introMovieBundle.UnloadAll();
}

// A level in play stands still while the window is in the background.
void Match3::OnFocusChange(bool active) { playing.setFocusPaused(!active); }

LDvFont& Match3::Font(int n) {
    LDvFont* const fonts[] = {&font1, &font2, &font3, &font4, &font5, &font6, &font7, &font8};
    return n >= 1 && n <= 8 ? *fonts[n - 1] : font1;
}

// The title applies the stored volumes and makes sure a player is selected.
void Match3::EnterFirstState() { SetState(&title, this, false); }

void Match3::EnterPlayScreen() {
    SelectStartingPlayer();
    SetState(&playing, this, false);
}

void Match3::EnterFirstScene(const LDvString& sceneName) {
    SelectStartingPlayer();
    SetState(&blankState, this, false);
    FadeToScene(sceneName);
}

void Match3::FadeToScene(const LDvString& sceneName) {
    screenFade.sceneName = sceneName;
    screenFade.FadeToState(true, &scene);
}

void Match3::ResumeScene(const LDvString& sceneName) {
    screenFade.FadeToState(false, scene.LoadScene(sceneName) ? static_cast<LDvState*>(&scene) : &scene.MapState());
}

// The black-out switches to its next state right after this returns.
void Match3::LoadSceneForFade(const LDvString& sceneName) {
    if (!scene.LoadScene(sceneName)) screenFade.nextState = &scene.MapState();
}

LDvState& Match3::MovieState(const std::vector<LDvString>& clips) {
    LDvList<LDvString> names;
    for (const LDvString& clip : clips) names.Add(clip);
    movie.SetClips(names, introMovieBundle);
    return movie;
}

void Match3::EnterMovie() {
    SelectStartingPlayer();
    movie.SetIntroClips();
    SetState(&movie, this, false);
}

void Match3::EnterCamp() {
    SelectStartingPlayer();
    SetState(&camp, this, false);
}

void Match3::EnterMap() {
    SelectStartingPlayer();
    SetState(&map, this, false);
}

