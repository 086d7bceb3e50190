// The start-up steps of the game object: the pictures, sounds and widgets every screen shares.
#include "game/app/match3.h"

#include <utility>

#include "engine/k_files.h"
#include "engine/k_graphic.h"
#include "engine/k_sound.h"
#include "engine/k_system.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/data/localization.h"
#include "framework/data/settings.h"
#include "framework/ui/ldv_button.h"
#include "framework/ui/overlay_images.h"
#include "framework/ui/overlay_registry.h"
#include "framework/ui/picture_batch.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/cinematics/intro_movie_files.h"
#include "game/scenes/scene_script_api.h"
#include "game/widgets/framed_widget_art.h"

namespace {

// The level-end skeletons find these by short name, so every picture of the folder is listed.
constexpr const char* kWinLosePictures[] = {
    "win_panel", "win_title", "blue", "bonus", "timeleft", "total", "lose_panel", "lose_title",
    "hourglass", "coconut", "parrot_body", "parrot_head", "parrot_head_cheer", "parrot_head_sad",
    "parrot_wing_front", "parrot_wing_back", "parrot_tail", "confetti_red", "confetti_gold",
    "confetti_blue", "confetti_green", "star",
};
constexpr const char* kWinLoseFolder = "states/playing/winlose/";

static_assert(sounds::kEffectSounds.size() == kEffectSoundCount);
static_assert(sounds::kMusic.size() == kMusicCount);

// The black-outs zoom the small black picture about the canvas centre until it covers the canvas.
constexpr float kBlackOutZoom = 13.0f;
constexpr int kCanvasCentreX = 800;
constexpr int kCanvasCentreY = 450;
constexpr int kScreenFadeLayer = 11;
constexpr int kDialogDimmerLayer = 4;
constexpr int kMessageDimmerLayer = 7;
constexpr int kCursorLayer = 12;

constexpr int kMinimumButtonTextWidth = 80;  // pixels

constexpr int kNamedSoundFolders = 4;
constexpr int kFontCount = 8;

LDvSound* LoadGameSound(LDvWaveGroup& group, const char* path, bool streamed) {
    LDvSound* sound = AddSound(group, GetDataRoot() + path, streamed);
    RegisterGameSound(path, sound);
    return sound;
}

void SetUpBlackOut(BlackOut& blackOut, const LDvSprite& black, LDvGame* game, float opacity, int layer) {
    SharePicture(&blackOut, &black);
    blackOut.zoom = kBlackOutZoom;
    blackOut.SetCentre(kCanvasCentreX, kCanvasCentreY);
    blackOut.game = game;
    blackOut.opacity = opacity;
    SetLayer(&blackOut, layer);
}

}  // namespace

bool Match3::OnInit() {
    // The start-up in its order. Weights are the processor milliseconds each step took when measured
    // (Release build, default data), so the loading bar moves at an even pace; `items` are the
    // progress ticks a step gives on its way.
    struct LoadStep {
        StartUpProgress::Step step;
        int items;
        void (Match3::*run)();
    };
    static constexpr LoadStep kSteps[] = {
        {{"piece-pictures", 68}, 1, &Match3::LoadPiecePictures},
        {{"bundles", 1}, 1, &Match3::NameBundles},
        {{"effect-sheets", 21}, 1, &Match3::LoadEffectSheets},
        {{"gui-pictures", 20}, GuiPictures::kCount, &Match3::LoadGuiPictures},
        {{"particles", 1}, 1, &Match3::LoadParticles},
        {{"effect-sounds", 146}, kEffectSoundCount, &Match3::LoadEffectSounds},
        {{"music", 18}, kMusicCount, &Match3::LoadMusic},
        {{"named-sounds", 138}, kNamedSoundFolders, &Match3::LoadNamedSoundFolders},
        {{"localization", 1}, 1, &Match3::SetUpLocalization},
        {{"fonts", 9}, kFontCount, &Match3::LoadFonts},
        {{"scene-text-box", 0}, 1, &Match3::HandFontToSceneTextBox},
        {{"inventory", 0}, 1, &Match3::LoadInventoryPictures},
        {{"script-engine", 0}, 1, &Match3::StartScriptEngine},
        {{"black-outs", 1}, 1, &Match3::SetUpBlackOuts},
        {{"cursor", 1}, 1, &Match3::SetUpCursor},
        {{"framed-widgets", 0}, 1, &Match3::SetUpFramedWidgets},
        {{"cursor-choice", 1}, 1, &Match3::ChooseCursor},
        {{"button-sounds", 0}, 1, &Match3::SetButtonSounds},
        {{"primitive-picture", 0}, 1, &Match3::EnsurePrimitivePicture},
    };
    FrameContext& frame = Frame();
    frame.imageFolder = "img";
    frame.updatesPerSecond = kUpdatesPerSecond;
    int totalWeight = 0;
    for (const LoadStep& load : kSteps) totalWeight += load.step.weight;
    progress.Start(totalWeight);
    for (const LoadStep& load : kSteps) {
        progress.Begin(load.step, load.items);
        (this->*load.run)();
    }
    KSound::forgetSamplesDecodedAhead();
    progress.Finish();
    return true;
}

// Pictures and sounds are decoded on every processor while the loading bar moves on this thread.
void Match3::LoadPiecePictures() {
    PictureBatch batch;
    match3Images.load();
}

void Match3::LoadEffectSheets() {
    PictureBatch batch;
    effectPictures.LoadSheets();
}

void Match3::LoadGuiPictures() {
    PictureBatch batch([this] { progress.Tick(); });
    gui.Load([] {});
}

void Match3::LoadParticles() {
    PictureBatch batch;
    effectPictures.LoadParticles();
}

void Match3::NameBundles() {
    winLoseBundle.SetName("WinLose", true);
    for (const char* name : kWinLosePictures) winLoseBundle.AddItem(LDvString(kWinLoseFolder) + name + ".png");
    introMovieBundle.SetName("IntroMovie", true);
    for (const char* name : kIntroMoviePictures) introMovieBundle.AddItem(LDvString(kIntroMovieFolder) + name);
}

void Match3::LoadEffectSounds() {
    std::vector<std::string> paths;
    for (const char* path : sounds::kEffectSounds) paths.push_back(GetDataRoot() + path);
    KSound::decodeSamplesAhead(paths, [this] { progress.Tick(); });
    for (size_t i = 0; i < sounds::kEffectSounds.size(); ++i) {
        effectSounds[i] = LoadGameSound(effects, sounds::kEffectSounds[i], false);
    }
}

void Match3::LoadMusic() {
    for (size_t i = 0; i < sounds::kMusic.size(); ++i) {
        musicSounds[i] = LoadGameSound(music, sounds::kMusic[i], true);
        progress.Tick();
    }
    musicTestBell = AddSound(music, GetDataRoot() + sounds::kTestBell, false);
    ambienceTestBell = AddSound(ambience, GetDataRoot() + sounds::kTestBell, false);
}

void Match3::LoadNamedSoundFolders() {
    std::vector<std::string> samples;
    for (const char* folder : {"sounds/movie", "sounds/sfx_named"}) {
        const LDvString folderPath = GetDataRoot() + folder;
        for (const std::string& file : listFolder(folderPath)) samples.push_back(JoinPaths(folderPath, file));
    }
    progress.Expect(static_cast<int>(samples.size()) + kNamedSoundFolders);
    KSound::decodeSamplesAhead(samples, [this] { progress.Tick(); });
    LoadSoundFolder("sounds/movie", movieSounds, false);
    progress.Tick();
    LoadSoundFolder("sounds/movie_env", movieAmbience, true);
    progress.Tick();
    LoadSoundFolder("sounds/sfx_named", namedEffects, false);
    progress.Tick();
    LoadSoundFolder("sounds/env_named", namedAmbience, true);
    progress.Tick();
}

void Match3::SetUpLocalization() {
    Log("--Initializing Localization Setup--");
    SetupLocale();
    Log("--Done Localization--");
}

void Match3::LoadFonts() {
    const std::pair<LDvFont*, const char*> kFonts[] = {
        {&font1, "Artifika_14Pt"}, {&font2, "Artifika_14Pt"}, {&font3, "Artifika_18Pt"},
        {&font4, "Artifika_24Pt"}, {&font5, "Vera-Bold_12pt"}, {&font6, "Artifika_14Pt"},
        {&font7, "Artifika_14Pt"}, {&font8, "ArchitectsDaughter_18Pt"},
    };
    for (const auto& [font, name] : kFonts) {
        LoadFont(font, name, true);
        progress.Tick();
    }
    SetTextColor(&font7, 0.0f, 0.0f, 0.0f);
    SetTextColor(&font8, 0.2f, 0.2f, 0.2f);
}

void Match3::HandFontToSceneTextBox() { scene.textBox.SetFont(&font6); }

// The inventory comes with the scene functions; its step keeps its place in the start-up order.
void Match3::LoadInventoryPictures() {
    adventureBar.inventory.tooltipFont = &font5;
    adventureBar.hog.SetLook(&font7, nullptr);
    adventureBar.inventory.LoadItems(GetDataRoot() + "inventory");
}

// The scene functions join through the host's registration hook, right after its own.
void Match3::StartScriptEngine() { scriptHost.InitScriptHost(RegisterSceneFunctions); }

void Match3::SetUpBlackOuts() {
    SetUpBlackOut(screenFade, gui.black, this, 1.0f, kScreenFadeLayer);
    SetUpBlackOut(dialogDimmer, gui.black, this, 0.0f, kDialogDimmerLayer);
    SetUpBlackOut(messageDimmer, gui.black, this, 0.0f, kMessageDimmerLayer);
}

void Match3::SetUpCursor() {
    cursor.LoadPictures();
    SetLayer(&cursor, kCursorLayer);
}

void Match3::SetUpFramedWidgets() {
    FramedWidgetArt& art = FramedWidgets();
    art.dialogTopLeft = &gui.dialogTopLeft;
    art.dialogTop = &gui.dialogTop;
    art.dialogTopRight = &gui.dialogTopRight;
    art.dialogRight = &gui.dialogRight;
    art.dialogBottomRight = &gui.dialogBottomRight;
    art.dialogBottom = &gui.dialogBottom;
    art.dialogBottomLeft = &gui.dialogBottomLeft;
    art.dialogLeft = &gui.dialogLeft;
    art.buttonLeft = &gui.buttonLeft;
    art.buttonMiddle = &gui.buttonMiddle;
    art.buttonRight = &gui.buttonRight;
    art.target = &widgetTarget;
    art.buttonFont = &font2;
    art.minimumTextWidth = kMinimumButtonTextWidth;
}

void Match3::ChooseCursor() {
    FrameContext& frame = Frame();
    const bool systemCursor = GetSettingBool(false, "HIDE_CUSTOM_CURSORS");
    SetSettingBool("HIDE_CUSTOM_CURSORS", systemCursor);
    showSystemCursor(systemCursor);
    frame.systemCursorHidden = !systemCursor;
    frame.customCursor = !systemCursor;
    cursor.systemCursorMode = systemCursor;
}

void Match3::EnsurePrimitivePicture() {
    FrameContext& frame = Frame();
    if (frame.primitivePicture == nullptr) frame.primitivePicture = createKGraphic();
}

void Match3::SetButtonSounds() { SetDefaultButtonSounds(GameSound(sounds::kMouseOver), GameSound(sounds::kButtonClick)); }
