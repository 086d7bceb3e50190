// The title's buttons: exit with its question, options with the way to the credits, the player
// selection, and the story, which decides where play goes on.
#include "engine/k_event.h"
#include "engine/k_window.h"
#include "framework/core/black_out.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/data/player_profiles.h"
#include "game/app/game_view.h"
#include "game/frontend/casual_expert_dlg.h"
#include "game/frontend/game_options_dialog.h"
#include "game/frontend/select_player_dialog.h"
#include "game/frontend/title.h"
#include "game/frontend/yes_no_dialog.h"

namespace {

constexpr int kExitPictureOffset = 65;     // pixels below the question's top
constexpr int kTextCredits = 75;
constexpr const char* kSavedAtScene = "SAVED_AT_ADVENTURE_SCENE";
constexpr const char* kSavedSceneName = "SAVED_ADVENTURE_SCENE_NAME";
constexpr const char* kCasualModeAsked = "CASUAL_MODE_ASKED";
constexpr const char* kCasualMode = "CASUAL_MODE";
constexpr const char* kSurveyReached = "SURVEY_REACHED";
constexpr const char* kPlayedIntroMovie = "PLAYED_INTRO_MOVIE";
constexpr int kEditorKey = K_KEY_A + ('E' - 'A');    // with Ctrl and Shift held

}  // namespace

void Title::OnButton(LDvOverlay* button) {
    if (FadeRunning()) return;
    if (button == &exitButton) {
        AskToExit();
    } else if (button == &optionsButton) {
        OpenOptions();
    } else if (button == &storyButton) {
        ContinueStory();
    } else if (button == &nameButton || button == &notYouButton) {
        ChoosePlayer();
    }
}

void Title::OnKeyDown(int engineKeyCode, bool shiftDown) {
    if (engineKeyCode != kEditorKey || !shiftDown || !Frame().mouse.controlDown || FadeRunning()) return;
    if (LDvState* editor = game.LevelEditorState()) game.ScreenFade().FadeToState(false, editor);
}

void Title::AskToExit() {
    YesNoDialog question(game);
    question.SetPicture(&pictures[TitlePictures::kExitQuestion]);
    question.SetPictureOffset(kExitPictureOffset);
    RunModal(&question);
    if (!question.answer) return;
    Log("=== Game Ended ===");
    if (Frame().window != nullptr) Frame().window->requestQuit();
}

void Title::OpenOptions() {
    GameOptionsDialog options(game);
    options.showLeaveButton = true;
    options.leaveLabel = GetText(kTextCredits);
    RunModal(&options);
    if (options.leaveChosen) game.ScreenFade().FadeToState(false, &game.CreditsState());
}

// The selection dialog loads the profile it lands on; the title remembers it for the next start.
void Title::ChoosePlayer() {
    SelectPlayerDialog dialog(game);
    RunModal(&dialog);
    const int slot = dialog.SelectedSlot();
    if (slot < 0) return;
    SelectPlayer(slot);
    SetSelectedProfileSetting(slot);
    UpdateNameLabel();
}

// A scene the player quit from comes first and skips every other check.
void Title::ContinueStory() {
    if (GetPlayerBool(nullptr, kSavedAtScene, false)) {
        game.ResumeScene(GetPlayerString(kSavedSceneName, ""));
        return;
    }
    if (!GetPlayerBool(nullptr, kCasualModeAsked, false)) AskPlayStyle();
    FadeToStoryScreen();
    SetPlayerBool(nullptr, kCasualModeAsked, true);
}

// Expert is the game's default, so only casual is stored.
void Title::AskPlayStyle() {
    CasualExpertDlg question(game);
    RunModal(&question);
    if (question.casualChosen) SetPlayerBool(nullptr, kCasualMode, true);
}

void Title::FadeToStoryScreen() {
    BlackOut& fade = game.ScreenFade();
    if (GetPlayerBool(nullptr, kSurveyReached, false)) {
        fade.FadeToState(false, &game.SurveyState());
    } else if (GetPlayerBool(nullptr, kPlayedIntroMovie, false)) {
        fade.FadeToState(false, &game.CampState());
    } else {
        // Set first: a player who quits during the movie is not shown it again.
        SetPlayerBool(nullptr, kPlayedIntroMovie, true);
        fade.FadeToState(false, &game.MovieState({"titlecard", "establish", "cut1", "cut2", "cut3", "cut4"}));
    }
}
