#include "game/cinematics/movie.h"

#include <cmath>

#include "framework/core/black_out.h"
#include "framework/core/game_log.h"
#include "framework/data/localization.h"
#include "framework/ui/ldv_named_sounds.h"
#include "framework/ui/ldv_texture_atlas.h"
#include "game/app/game_view.h"
#include "game/assets/game_bundles.h"
#include "game/assets/gui_pictures.h"
#include "game/cinematics/spine_compose.h"
#include "game/scenes/scene_text_box.h"
#include "game/widgets/dialog_backdrop.h"
#include "framework/ui/overlay_images.h"

namespace {

constexpr int kDrawerLayer = 1;
constexpr int kSkipLayer = 2;
constexpr int kSkipRight = 1590;                     // the skip button's bottom-right corner
constexpr int kSkipBottom = 890;
constexpr int kEndFadeSteps = 45;                    // the sounds fade out with the screen

int OpacityPercent(const BlackOut& fade) { return static_cast<int>(std::trunc(fade.opacity * 100.0f)); }

}  // namespace

Movie::Movie(GameView& view, SceneTextBox& textBox) : game(view), captions(textBox) {
    drawer.captions = &captions;
}

void Movie::SetClips(const LDvList<LDvString>& names, LDvTextureAtlas& pictures) {
    sceneNames.Clear();
    for (int i = 0; i < names.Count(); ++i) sceneNames.Add(names.Get(i));
    bundle = &pictures;
}

void Movie::SetIntroClips() {
    LDvList<LDvString> names;
    for (const char* name : kIntroMovieClips) names.Add(name);
    SetClips(names, game.IntroMovie());
}

// Only the skip button leaves the movie.
void Movie::OnKeyDown(int, bool) {}

void Movie::OnFirstEnter() {
    SharePicture(&skipButton, &game.Gui().skipBtn);
    skipButton.enabled = true;
    skipButton.kind = kButtonKindGlow;
    SetLayers({&drawer}, kDrawerLayer);
    SetLayers({&skipButton}, kSkipLayer);
}

void Movie::OnEnter() {
    for (std::unique_ptr<SpineActor>& actor : actors) actor.reset();
    sceneIndex = 0;
    LoadScenes();
    ResetSoundLists();
    ResetScenes();
    Log("clearing printer");
    captions.Clear();
    Log("starting projector");
    PlayNamedSound("projector_start", game.MovieSounds());
    StartFadeIn();
    skipButton.SetPosition(kSkipRight - skipButton.GetWidth(), kSkipBottom - skipButton.GetHeight());
    Log("initializing drawer");
    drawer.judderAmplitude = DrawMovie::kStartJudder;
    drawer.ResetScratches();
}

void Movie::LoadScenes() {
    drawer.bundle = bundle;
    Log("Starting to load movie graphics");
    if (bundle != nullptr) {
        bundle->LoadAll();
        RetainBundlePixels(*bundle);
    }
    Log("Done loading movie graphics");
    Log("starting to create anims");
    const int count = sceneNames.Count() < kMaxActors ? sceneNames.Count() : kMaxActors;
    for (int i = 0; i < count; ++i) actors[i] = LoadActor(sceneNames.Get(i), bundle);
    Log("done creating anims");
}

void Movie::ResetSoundLists() {
    Log("resetting sound volume");
    for (LDvNamedSounds* list : {&game.MovieSounds(), &game.MovieAmbience()}) {
        list->fadeOutTotal = list->fadeOutRemaining = 0;
        list->fadeInTotal = list->fadeInRemaining = 0;
        SetListVolume(*list, list->volume);
    }
}

void Movie::ResetScenes() {
    Log("resetting triggers & movie");
    triggersFired.fill(false);
    for (std::unique_ptr<SpineActor>& actor : actors) {
        if (actor == nullptr) continue;
        RestartActor(*actor);
        actor->visible = true;
        actor->held = true;
    }
    drawer.zoomX = drawer.zoomY = DrawMovie::kStartZoom;
    drawer.currentActor = actors[0].get();
}

// The movie's own short fades; the screen fade's 45 steps are for leaving.
void Movie::StartFadeIn() {
    BlackOut& fade = game.ScreenFade();
    fade.fadeStepsTotal = fade.fadeStepsRemaining = kSceneFadeSteps;
    fade.startPercent = 100;
    fade.endPercent = 0;
    fade.holdStepsRemaining = 0;
    fade.nextState = nullptr;
    fade.resumePartial = false;
}

void Movie::StartFadeOut() {
    BlackOut& fade = game.ScreenFade();
    fade.fadeStepsTotal = fade.fadeStepsRemaining = kSceneFadeSteps;
    fade.startPercent = fade.resumePartial ? BlackOut::kResumeStartPercent : 0;
    fade.endPercent = 100;
    fade.holdStepsRemaining = kSceneHoldSteps;
    fade.nextState = nullptr;
    fade.resumePartial = false;
}

void Movie::OnLeave(LDvState*) {
    StopList(game.MovieSounds());
    StopList(game.MovieAmbience());
    if (bundle != nullptr) bundle->UnloadAll();
    drawer.ForgetPictures();
    drawer.currentActor = nullptr;
    for (std::unique_ptr<SpineActor>& actor : actors) actor.reset();
}

void Movie::OnButton(LDvOverlay* button) {
    if (button == &skipButton) EndMovie();
}

void Movie::ToggleOverlays() { ToggleOverlayList({&drawer, &skipButton}, this); }

void Movie::Update() {
    captions.Tick();
    FadeStep(game.MovieAmbience());
    FadeStep(game.MovieSounds());
    SpineActor* actor = drawer.currentActor;
    if (actor != nullptr) TickActor(*actor);
    const float time = actor != nullptr ? actor->time : 0.0f;
    RunMovieTriggers(sceneIndex, time, triggersFired, [this](const MovieTrigger& trigger) { FireTrigger(trigger); });
    const BlackOut& fade = game.ScreenFade();
    if (fade.fadeStepsRemaining <= 0 && fade.holdStepsRemaining <= 0) AdvanceScene();
}

void Movie::FireTrigger(const MovieTrigger& trigger) {
    switch (trigger.cue) {
    case MovieCue::PlaySound: PlayNamedSound(trigger.sound, game.MovieSounds()); break;
    case MovieCue::PlayAmbience: PlayNamedSound(trigger.sound, game.MovieAmbience()); break;
    case MovieCue::StopAmbience: StopNamedSound(trigger.sound, game.MovieAmbience()); break;
    case MovieCue::Caption: captions.Print(GetText(trigger.text)); break;
    }
}

// A scene without an actor (more names than actors, or none at all) counts as played to its end,
// so the movie moves on instead of standing on a black screen.
void Movie::AdvanceScene() {
    const int opacity = OpacityPercent(game.ScreenFade());
    SpineActor* actor = drawer.currentActor;
    if (opacity == 100) {
        NextScene();
    } else if (actor == nullptr || actor->time > actor->animation.duration - kFadeLead) {
        StartFadeOut();
    } else if (opacity == 0 && actor->held) {
        actor->held = false;
    }
}

void Movie::NextScene() {
    ++sceneIndex;
    if (sceneIndex >= sceneNames.Count()) {
        EndMovie();
        return;
    }
    SpineActor* actor = sceneIndex < kMaxActors ? actors[sceneIndex].get() : nullptr;
    drawer.currentActor = actor;
    if (actor != nullptr) {
        actor->visible = true;
        actor->looping = false;
        actor->held = true;
        RestartActor(*actor);
    }
    drawer.zoomX = drawer.zoomY = DrawMovie::kStartZoom;
    drawer.judderAmplitude = DrawMovie::kStartJudder;
    StartFadeIn();
}

void Movie::EndMovie() {
    StopNamedSound("projector_running", game.MovieAmbience());
    PlayNamedSound("projector_stop", game.MovieSounds());
    for (LDvNamedSounds* list : {&game.MovieSounds(), &game.MovieAmbience()}) {
        list->fadeOutTotal = list->fadeOutRemaining = kEndFadeSteps;
    }
    game.ScreenFade().FadeToState(false, game.StateAfterLevel());
    if (drawer.currentActor != nullptr) drawer.currentActor->held = true;
}
