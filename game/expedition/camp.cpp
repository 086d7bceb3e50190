// The camp's life: its overlays and their order, entering and leaving.
#include "game/expedition/camp.h"

#include <string>

#include "framework/core/black_out.h"
#include "framework/core/frame_context.h"
#include "framework/core/state_control.h"
#include "framework/ui/ldv_sound.h"
#include "framework/ui/overlay_images.h"
#include "game/app/game_view.h"
#include "game/assets/effect_pictures.h"
#include "game/assets/game_sounds.h"
#include "game/assets/gui_pictures.h"
#include "game/assets/sound_paths.h"
#include "game/expedition/progress_flags.h"
#include "game/expedition/tip_dialog.h"
#include "game/widgets/dialog_backdrop.h"

namespace {

constexpr int kCampLayer = 1;              // under the dialog dimmer on 4; the order is the registration's

constexpr int kScoreCountTicks = 60;

constexpr const char* kPagesSection = "PAGES";

struct WaveSpawn {
    LDvRect area;
    float scale;
    float peakOpacity;
    float dx, dy;
};
// Along the shore on the left, far out on the horizon, in the surf on the right and along the
// bottom of the picture.
constexpr WaveSpawn kWaveSpawns[Camp::kWaveEmitters] = {
    {{0, 301, 139, 380}, 1.0f, 0.3f, 0.0f, 0.015f},    {{0, 639, 139, 880}, 1.5f, 0.6f, 0.0f, 0.025f},
    {{696, 235, 1010, 240}, 0.9f, 0.25f, 0.0f, 0.0f},  {{1390, 755, 1600, 880}, 1.5f, 0.6f, 0.0f, 0.025f},
    {{569, 840, 1147, 880}, 1.5f, 0.4f, 0.0f, 0.025f},
};

void Load(LDvOverlay& overlay, const char* path) {
    if (!overlay.loaded) LoadImage(&overlay, path);
}

}  // namespace

Camp::Camp(GameView& view) : fieldGuide(view), game(view) {
    for (LDvOverlay* overlay : Overlays()) overlay->layer = kCampLayer;
    menuButton.kind = kButtonKindGlow;
    menuButton.enabled = true;
}

// Registration order is drawing order: the sea and the buildings behind the palms, the boards and
// buttons, then the buildings standing in front of the palms.
std::vector<LDvOverlay*> Camp::Overlays() {
    std::vector<LDvOverlay*> overlays{&background};
    for (WaveTop& wave : waves) overlays.push_back(&wave);
    overlays.push_back(&buildings.Slot(0));
    for (auto& palm : palms.players) overlays.push_back(palm.get());
    for (LDvOverlay* overlay : {static_cast<LDvOverlay*>(&levelBoard), static_cast<LDvOverlay*>(&scoreBoard),
                                static_cast<LDvOverlay*>(&menuButton), static_cast<LDvOverlay*>(&playButton),
                                static_cast<LDvOverlay*>(&buildMenu), static_cast<LDvOverlay*>(&mainMenu)}) {
        overlays.push_back(overlay);
    }
    for (int slot = 1; slot < BuildTable::kSlots; ++slot) overlays.push_back(&buildings.Slot(slot));
    return overlays;
}

void Camp::ToggleOverlays() {
    for (LDvOverlay* overlay : Overlays()) ToggleOverlayList({overlay}, this);
}

bool Camp::ScreenFading() const {
    const BlackOut& fade = game.ScreenFade();
    return fade.fadeStepsRemaining > 0 || fade.holdStepsRemaining > 0;
}

void Camp::OnEnter() {
    buildMenuRequested = mainMenuRequested = false;
    SetProgressFlag(kPagesSection, "HISTORY");
    SetProgressFlag(kPagesSection, "INTRO");
    LoadPictures();
    fieldGuide.LoadPictures();
    palms.Load();
    ReadProgress();
    DropBoards();
    EffectPictures& effects = game.EffectArt();
    buildings.Load(BuildArt{&effects.cSmoke, &effects.smokePuff, &effects.powerUp});
    BuildMainScreen();
    StartMusic();
    ArmWaves();
    entryChecksPending = true;
    game.ScreenFade().FadeFromBlack();
}

void Camp::LoadPictures() {
    Load(background, "states/camp/back.jpg");
    Load(playButton.image, "states/camp/btnPlay.png");
    Load(buildButton.image, "states/camp/btnBuild.png");
    Load(exploreButton.image, "states/camp/btnExplore.png");
    Load(fieldGuideButton.image, "states/camp/btnFieldGuide.png");
    Load(backButton.image, "states/camp/btnBack.png");
    Load(buildHutsButton.image, "states/camp/btnBuildHuts.png");
    Load(upgradeHutsButton.image, "states/camp/btnUpgradeHuts.png");
    Load(buildLabButton.image, "states/camp/btnBuildLab.png");
    Load(buildClinicButton.image, "states/camp/btnBuildClinic.png");
    Load(finishCampButton.image, "states/camp/btnFinishCamp.png");
    Load(lowCashPicture, "states/camp/btnLowCash.png");
    Load(lockedPicture, "states/camp/btnLocked.png");
    Load(builtPicture, "states/camp/btnBuilt.png");
    Load(hutIcon, "states/camp/hut_icon.png");
    Load(hutUpgradeIcon, "states/camp/hut_upg_icon.png");
    Load(labIcon, "states/camp/lab_icon.png");
    Load(clinicIcon, "states/camp/clinic_icon.png");
    Load(finishCampIcon, "states/camp/finish_camp_icon.png");
    GuiPictures& gui = game.Gui();
    SharePicture(&menuButton, &gui.btnMenu);
    levelBoard.setPictures(gui.levelBoard, gui.numbers);
    scoreBoard.setPictures(gui.scoreBoard, gui.numbers);
    background.SetPosition(0, 0);
}

void Camp::ReleasePictures() {
    for (LDvOverlay* overlay : std::initializer_list<LDvOverlay*>{
             &background, &playButton.image, &buildButton.image, &exploreButton.image, &fieldGuideButton.image,
             &backButton.image, &buildHutsButton.image, &upgradeHutsButton.image, &buildLabButton.image,
             &buildClinicButton.image, &finishCampButton.image, &lowCashPicture, &lockedPicture, &builtPicture,
             &hutIcon, &hutUpgradeIcon, &labIcon, &clinicIcon, &finishCampIcon, &menuButton}) {
        UnloadImage(overlay);
    }
    for (LDvSprite& badge : statusBadges) UnloadImage(&badge);
    for (LDvSprite& badge : builtBadges) UnloadImage(&badge);
}

void Camp::ReadProgress() {
    currentLevel = ProgressInt(nullptr, "CURRENT_LEVEL", 1);
    resources = ProgressInt(nullptr, "CURRENT_RESOURCES", 0);
    levelBoard.setLevel(currentLevel);
    scoreBoard.counter.setValue(resources);
    scoreBoard.counter.countTotal = kScoreCountTicks;
}

void Camp::DropBoards() {
    boards.SetUp(menuButton, levelBoard, scoreBoard);
    boards.Drop();
}

void Camp::ArmWaves() {
    for (int i = 0; i < kWaveEmitters; ++i) {
        const WaveSpawn& spawn = kWaveSpawns[i];
        waves[i].Arm(game.EffectArt().waveBit,
                     WaveTop::Spawn{spawn.area, spawn.scale, spawn.peakOpacity, spawn.dx, spawn.dy});
    }
}

// The music goes on from the map and on to it.
void Camp::StartMusic() {
    LDvSound* music = GameSound(sounds::kCampMusic);
    if (music != nullptr && !music->isPlaying()) Play(music, true);
}

void Camp::OnLeave(LDvState* next) {
    CloseTip();
    LDvSound* music = GameSound(sounds::kCampMusic);
    if (music != nullptr && next != &game.MapState()) music->stopStream();
    buildMenu.Clear();
    mainMenu.Clear();
    ReleasePictures();
    fieldGuide.ReleasePictures();
    palms.Release();
    for (WaveTop& wave : waves) wave.Release();
    buildings.Clear();
}

void Camp::CloseTip() {
    if (Frame().secondary == &game.Tip()) CloseSecondary();
}
