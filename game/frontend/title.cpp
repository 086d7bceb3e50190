#include "game/frontend/title.h"

#include <utility>

#include "framework/core/black_out.h"
#include "framework/core/ldv_game.h"
#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/ldv_font.h"
#include "framework/ui/ldv_named_sounds.h"
#include "framework/ui/ldv_wave_group.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/game_view.h"
#include "game/assets/effect_pictures.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/frontend/enter_name_dialog.h"
#include "game/widgets/dialog_backdrop.h"

namespace {

constexpr int kEmitterAX = 812, kEmitterAY = 165, kEmitterALayer = 1;
constexpr int kEmitterBX = 737, kEmitterBY = 782, kEmitterBLayer = 0;
constexpr int kUiBarX = 92, kUiBarY = 525;
constexpr int kGreetingFont = 3;               // "Artifika_18Pt"
constexpr int kTextGreeting = 74;
constexpr const char* kPlayerNameKey = "PlayerName";

struct ButtonPlace {
    LDvButton Title::*button;
    TitlePictures::Slot up;
    int x, y;
};
constexpr ButtonPlace kButtonPlaces[] = {
    {&Title::storyButton, TitlePictures::kStoryUp, 1152, 570},
    {&Title::optionsButton, TitlePictures::kOptionsUp, 1163, 813},
    {&Title::exitButton, TitlePictures::kExitUp, 198, 777},
    {&Title::notYouButton, TitlePictures::kNotYouUp, 800, 846},
    {&Title::challengeButton, TitlePictures::kChallengeUp, 1150, 665},
    {&Title::zenButton, TitlePictures::kZenUp, 1154, 750},
};

}  // namespace

Title::Title(GameView& view) : game(view) {
    for (const ButtonPlace& place : kButtonPlaces) {
        LDvButton& button = this->*place.button;
        button.kind = kPictureButtonKind;
        button.enabled = true;
    }
    nameButton.enabled = true;
}

void Title::OnFirstEnter() { nameButton.kind = PlayerNameAsButton::kTextButtonKind; }

void Title::ToggleOverlays() {
    ToggleOverlayList({&pictures[TitlePictures::kBack], &farSchool, &nearSchool, &rays, &pictures[TitlePictures::kUiBar],
                       &storyButton, &waves, &exitButton, &optionsButton, &nameButton, &notYouButton, &greeting},
                      this);
}

void Title::OnEnter() {
    ApplyVolumes();
    pictures.Load();
    pictures[TitlePictures::kBack].SetPosition(0, 0);
    farSchool.SetSheet(&pictures[TitlePictures::kFish]);
    nearSchool.SetSheet(&pictures[TitlePictures::kFish]);
    waves.SetSheet(&pictures[TitlePictures::kWaveTop]);
    rays.picture = &pictures[TitlePictures::kRays];
    StartEmitters();
    pictures[TitlePictures::kUiBar].SetPosition(kUiBarX, kUiBarY);
    SetUpGreeting();
    SetUpButtons();
    farSchool.MakeFar();
    SelectRememberedPlayer();
    if (LDvSound* music = GameSound(sounds::kTitleMusic)) Play(music, true);
    game.ScreenFade().FadeFromBlack();
}

void Title::OnLeave(LDvState*) {
    if (LDvSound* music = GameSound(sounds::kTitleMusic)) music->stopStream();
    StopEmitters();
    pictures.Release();
}

// The volumes the options dialog stored (100 when missing or empty), before the title music starts.
void Title::ApplyVolumes() {
    const std::pair<LDvWaveGroup*, const char*> groups[] = {
        {&game.Music(), kMusicVolumeKey}, {&game.Effects(), kSfxVolumeKey}, {&game.Ambience(), kEnvVolumeKey}};
    for (const auto& [group, key] : groups) {
        group->volume = group->settingVolume = GetVolumeSetting(key);
        ApplyGroupVolume(*group);
    }
    SetListVolume(game.NamedEffects(), GetVolumeSetting(kSfxVolumeKey));
    SetListVolume(game.NamedAmbience(), GetVolumeSetting(kEnvVolumeKey));
}

// Run ahead so the screen opens on bubbles already on their way rather than an empty sea.
void Title::StartEmitters() {
    LDvSprite& bubble = game.EffectArt().bubble;
    emitterA = std::make_unique<LDvEmitter2>();
    emitterA->PresetA(kEmitterAX, kEmitterAY, bubble);
    emitterA->layer = kEmitterALayer;
    emitterB = std::make_unique<LDvEmitter2>();
    emitterB->PresetB(kEmitterBX, kEmitterBY, bubble);
    emitterB->layer = kEmitterBLayer;
    for (LDvEmitter2* emitter : {emitterB.get(), emitterA.get()}) {
        Register(emitter, this);
        for (int step = 0; step < kPreRunSteps; ++step) emitter->OnTick(step);
    }
}

// Destroying an emitter unregisters it.
void Title::StopEmitters() {
    emitterA.reset();
    emitterB.reset();
}

void Title::SetUpGreeting() {
    greeting.font = &game.Font(kGreetingFont);
    greeting.text = GetText(kTextGreeting) + " ";
    greetingWidth = GetTextWidth(greeting.text, greeting.font);
    greeting.Hide();
    nameButton.font = greeting.font;
}

void Title::SetUpButtons() {
    for (const ButtonPlace& place : kButtonPlaces) {
        LDvButton& button = this->*place.button;
        button.normalLook = &pictures[place.up];
        button.pressedLook = &pictures[static_cast<TitlePictures::Slot>(place.up + 1)];
        button.SetPosition(place.x, place.y);
    }
}

void Title::SelectRememberedPlayer() {
    ensuredForSlot = ensuredPlayer = -1;
    if (CountPlayers() == 0) return;
    const int slot = GetSelectedProfileSetting();
    if (PlayerExists(slot)) SelectPlayer(slot);
    UpdateNameLabel();
}

bool Title::FadeRunning() {
    const BlackOut& fade = game.ScreenFade();
    return fade.fadeStepsRemaining > 0 || fade.holdStepsRemaining > 0;
}

void Title::Update() {
    if (FadeRunning()) return;
    EnsurePlayer();
    UpdateNameLabel();
}

// The remembered slot only changes through the player selection, and the selection only through
// it or this, so once both are as last settled nothing on disk needs reading again.
void Title::EnsurePlayer() {
    const int slot = GetSelectedProfileSetting();
    if (slot == ensuredForSlot && game.App().selectedPlayer == ensuredPlayer) return;
    if (PlayerExists(slot)) {
        SelectPlayer(slot);
    } else if (CountPlayers() != 0) {
        SelectPlayer(FindFirstPlayer());
    } else {
        AskForFirstName();
    }
    // Without a player the name is asked for again on the next step.
    if (!IsPlayerSelected()) return;
    ensuredForSlot = slot;
    ensuredPlayer = game.App().selectedPlayer;
}

// The new profile takes slot 0; the remembered slot is left for the player selection to write.
void Title::AskForFirstName() {
    EnterNameDialog dialog(game);
    RunModal(&dialog);
    if (dialog.enteredName.empty()) return;
    SelectPlayer(0);
    if (IsPlayerSelected()) SetPlayerString(kPlayerNameKey, dialog.enteredName);
}

void Title::UpdateNameLabel() {
    if (!IsPlayerSelected()) return;
    nameButton.SetText(GetCurrentPlayerName());
    greeting.SetPosition(kGreetingX, kGreetingY);
    greeting.Show();
    nameButton.SetPosition(kGreetingX + greetingWidth, kGreetingY);
}
