#pragma once
// The title screen, the game's main menu: an animated underwater picture (two fish schools, wave
// crests, light rays, two bubble emitters), the story, options and exit buttons, and the greeting
// with the current player's name, which opens the player selection. It keeps a player selected at
// all times, asking for a first name when there is no profile, and its story button decides where
// play goes on: a scene the player quit from, the survey, the camp or, the first time, the movie.
//
// The game object owns the one title for the whole run. The title owns its pictures, decorations
// and buttons for the whole run (the fish and waves keep their places between visits); the
// pictures are loaded on every entry and released on leaving, and the two emitters live from
// entry to leaving.
#include <cstdint>
#include <memory>

#include "framework/core/ldv_state.h"
#include "framework/effects/ldv_emitter2.h"
#include "framework/ui/ldv_button.h"
#include "framework/ui/ldv_text_overlay.h"
#include "game/frontend/fish_school.h"
#include "game/frontend/player_name_as_button.h"
#include "game/frontend/ray_drawer.h"
#include "game/frontend/title_pictures.h"
#include "game/frontend/wave_drawer.h"

class GameView;

class Title : public LDvState {
public:
    static constexpr int32_t kPictureButtonKind = 7;
    static constexpr int kPreRunSteps = 150;          // emitter steps run before the first frame
    static constexpr int kGreetingX = 383;
    static constexpr int kGreetingY = 858;

    explicit Title(GameView& game);

    void OnFirstEnter() override;
    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void OnButton(LDvOverlay* button) override;
    // Ctrl+Shift+E opens the level editor, a designer's tool no player meets by chance.
    void OnKeyDown(int engineKeyCode, bool shiftDown) override;
    void ToggleOverlays() override;
    void Update() override;

    // Keeps the remembered profile selected, else the first there is; with none at all asks for a
    // name and makes it profile 0. Reads the profiles from disk only when the remembered slot or
    // the selection changed since the last look.
    void EnsurePlayer();
    // Shows the current player's name after the greeting.
    void UpdateNameLabel();

    TitlePictures pictures;
    FishSchool farSchool;
    FishSchool nearSchool;
    RayDrawer rays;
    WaveDrawer waves;
    LDvButton storyButton;
    LDvButton exitButton;
    LDvButton optionsButton;
    LDvButton notYouButton;
    LDvButton challengeButton;          // loaded and placed, never registered
    LDvButton zenButton;                // likewise
    PlayerNameAsButton nameButton;
    LDvTextOverlay greeting;
    int32_t greetingWidth = 0;
    std::unique_ptr<LDvEmitter2> emitterA;   // drifting motes, layer 1
    std::unique_ptr<LDvEmitter2> emitterB;   // rising bubbles, layer 0

private:
    void ApplyVolumes();
    void StartEmitters();
    void StopEmitters();
    void SetUpGreeting();
    void SetUpButtons();
    void SelectRememberedPlayer();
    bool FadeRunning();
    void AskForFirstName();

    void AskToExit();
    void OpenOptions();
    void ChoosePlayer();
    void ContinueStory();
    void AskPlayStyle();
    void FadeToStoryScreen();

    GameView& game;
    int32_t ensuredForSlot = -1;        // the remembered slot EnsurePlayer last settled
    int32_t ensuredPlayer = -1;         // and the player it selected for it
};
