#pragma once
// The intro movie: its scenes played one after another as skeletal animations through the old
// film look of DrawMovie, with timed sounds and captions, short fades through black between the
// scenes and a skip button; at the end, or on skip, the game fades to the camp.
//
// The game object owns the one movie for the whole run. The movie owns its drawer, its skip button
// and, while it is current, one actor per scene (loaded on entry, deleted on leaving). It borrows
// the game (fades, sounds, pictures), the picture bundle its scenes draw from and the text box its
// captions go to.
#include <array>
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_state.h"
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_button.h"
#include "game/cinematics/draw_movie.h"
#include "game/cinematics/intro_movie_files.h"
#include "game/cinematics/movie_triggers.h"
#include "game/cinematics/spine_actor.h"

class GameView;
class LDvTextureAtlas;
class SceneTextBox;

class Movie : public LDvState {
public:
    static constexpr int kMaxActors = 10;
    static constexpr int kSceneFadeSteps = 5;
    static constexpr int kSceneHoldSteps = 10;
    // A scene starts fading to black this long before its animation ends (1/12 s).
    static constexpr float kFadeLead = 0.083333f;

    Movie(GameView& view, SceneTextBox& textBox);

    // What the title hands over before fading here: the scene names in playing order (only the
    // first kMaxActors are shown) and the bundle their pictures come from.
    void SetClips(const LDvList<LDvString>& names, LDvTextureAtlas& pictures);
    // The intro movie's six scenes and the game's movie bundle.
    void SetIntroClips();

    void OnKeyDown(int engineKeyCode, bool shiftDown) override;
    void OnFirstEnter() override;
    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void OnButton(LDvOverlay* button) override;
    void ToggleOverlays() override;
    void Update() override;

    // Stops the projector, fades the movie's sounds out and the screen to the camp.
    void EndMovie();

    SpineActor* CurrentActor() const { return drawer.currentActor; }

    std::array<std::unique_ptr<SpineActor>, kMaxActors> actors;
    int32_t sceneIndex = 0;
    LDvList<LDvString> sceneNames;
    LDvTextureAtlas* bundle = nullptr;
    DrawMovie drawer;
    LDvButton skipButton;
    MovieTriggerFlags triggersFired{};

private:
    void LoadScenes();
    void ResetSoundLists();
    void ResetScenes();
    void StartFadeIn();
    void StartFadeOut();
    void AdvanceScene();
    void NextScene();
    void FireTrigger(const MovieTrigger& trigger);

    GameView& game;
    SceneTextBox& captions;
};
