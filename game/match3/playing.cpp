// The play screen's life: first entry, entering a level, (re)starting it, each step, leaving.
#include "game/match3/playing.h"

#include "framework/core/black_out.h"
#include "framework/core/frame_context.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/cursor_sprite.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/game_view.h"
#include "game/assets/game_bundles.h"
#include "game/assets/sound_paths.h"
#include "game/match3/aimer_cursor.h"
#include "game/match3/board.h"
#include "game/match3/hourglass.h"
#include "game/match3/match3_images.h"
#include "game/match3/tornado.h"
#include "game/match3/wind_bonus.h"
#include "game/match3/wind_god_button.h"

namespace {

constexpr int kStepsPerSecond = 60;
constexpr int kDefaultLevel = 1;
constexpr int kDefaultBackground = 1;
constexpr int kKeepColoursBackground = 3;
constexpr std::array<int, 5> kBeachColours = {0, 1, 2, 3, 4};
constexpr std::array<int, 5> kJungleColours = {5, 1, 2, 3, 4};

constexpr const char* kPlayTrackPaths[Playing::kPlayTracks] = {
    sounds::kPlay1Music, sounds::kPlay4Music, sounds::kPlay3Music,
    sounds::kPlay2Music, sounds::kPlay5Music,
};

int ProgressInt(const char* key, int defaultValue) {
    return IsPlayerSelected() ? GetPlayerInt(nullptr, key, defaultValue) : defaultValue;
}

template <size_t N>
void UseColours(LDvList<int>& colours, const std::array<int, N>& set) {
    colours.Clear();
    for (int colour : set) colours.Add(colour);
}

}  // namespace

Playing::Playing(GameView& view) : game(view) {}

Playing::~Playing() {
    // The board's callbacks point back here; they go before the board does.
    if (board) board->onAfterMove = nullptr;
}

const char* Playing::playTrackPath(int index) {
    return kPlayTracks > 0 && index >= 0 && index < kPlayTracks ? kPlayTrackPaths[index] : kPlayTrackPaths[0];
}

int Playing::musicIndexFor(int level) { return ((level - 1) % kPlayTracks + kPlayTracks) % kPlayTracks; }

int Playing::timeBonus(int timeLeftTicks) {
    return timeLeftTicks > 0 ? timeLeftTicks / kStepsPerSecond * kTimeBonusPerSecond : 0;
}

void Playing::OnFirstEnter() {
    createOverlays();
    loadPictures();
    levelEnd.loadAnimations(game.WinLose());
    layOutPanels();
}

void Playing::OnEnter() {
    paused = false;
    readProgress();
    if (editMode) {
        enterEditedDesign();
    } else {
        values.fileNumber = levelFileNumber(values.levelNumber);
        loadLevelFiles(values.fileNumber, levelData, levelBorders);
    }
    for (int i = 0; i < kBorderCount; ++i) board->borders[i] = levelBorders[i];
    chooseScenery();
    values.musicIndex = musicIndexFor(values.levelNumber);
    startResources = ProgressInt("CURRENT_RESOURCES", 0);
    startLevel();
    if (editMode) {
        board->setupLevel(levelData, 0, false);
        board->editMode = true;
    }
    scoreCounter().setValue(startResources);
    levelBoard.setLevel(values.levelNumber);
    dropPanels();
    editNotifier.hidden = editInstructions.hidden = !editMode;
    edit.message.clear();
    game.ScreenFade().FadeFromBlack();
}

void Playing::readProgress() {
    const bool casual = IsPlayerSelected() && GetPlayerInt(nullptr, "CASUAL_MODE", 0) != 0;
    const PlayValues fresh;
    values = fresh;
    values.casualMode = casual;
    values.setLevel = ProgressInt("SET_LEVEL", 0);
    values.levelNumber = ProgressInt("CURRENT_LEVEL", kDefaultLevel);
    values.chapterBackground = ProgressInt("CURRENT_BACKGROUND", kDefaultBackground);
}

// Background 3 keeps the colours of the level before; when there was none the beach's are used,
// since a board with no colours would fill with one kind of piece and match forever.
void Playing::chooseScenery() {
    background.choose(values.chapterBackground);
    if (values.chapterBackground == PlayBackground::kJungle) {
        UseColours(board->colours, kJungleColours);
    } else if (values.chapterBackground != kKeepColoursBackground || board->colours.IsEmpty()) {
        UseColours(board->colours, kBeachColours);
    }
}

void Playing::startLevel() {
    const PlayValues kept = values;
    values = PlayValues();
    values.levelNumber = kept.levelNumber;
    values.setLevel = kept.setLevel;
    values.chapterBackground = kept.chapterBackground;
    values.casualMode = kept.casualMode;
    values.fileNumber = kept.fileNumber;
    values.musicIndex = kept.musicIndex;
    warnings.reset();
    pendingBeeps = beepGap = 0;
    dragArmed = false;
    closeTip();
    levelEnd.close();
    hideEndButtons();
    startText.stop();
    tornado->remaining = 0;
    wind->startLevel();
    // A test play neither spends nor earns the player's wind bonuses.
    if (editMode) {
        wind->active = false;
        wind->count = 0;
    }
    setAimerShown(false);
    shownWindCount = wind->count;
    board->editMode = false;
    board->setupLevel(levelData, values.levelNumber, wind->active);
    board->scoreDisplay = &scoreCounter();
    // A restart must not keep what the abandoned attempt earned.
    scoreCounter().setValue(startResources);
    values.timeLeft = values.timeTotal = levelTimeSeconds(values.fileNumber) * kStepsPerSecond;
    timerDigits.showTime(values.timeLeft);
    timerDigits.urgent = false;
    hourglass->setFraction(values.timeLeft, values.timeTotal);
    hourglass->running = false;
    board->startReveal();
    board->backImage = boardBackImage(values.levelNumber);
    menuButton.enabled = true;
    menuButton.hidden = false;
}

void Playing::Update() {
    if (paused || Frame().currentState != this || board->editMode) return;
    if (!values.startSequenceDone && !board->revealing) {
        values.startSequenceDone = true;
        levelStartSequence();
    }
    if (!values.levelOver) {
        ++playTicks;
        if (board->countColouredCells()) {
            values.levelOver = values.levelWon = true;
            closeTip();
        }
    }
    checkWin();
    timerStep();
    stepBeeps();
    stepWind();
    stepPanels();
}

void Playing::checkWin() {
    if (!values.levelWon || values.outroStarted) return;
    // A wind still blowing would be cut short by the outro, its pieces thrown off hidden.
    if (!board->isSettled() || board->windTicks != 0) return;
    beginOutro();
}

void Playing::stepWind() {
    wind->step();
    if (values.windRunning && board->windTicks == 0) values.windRunning = false;
    if (wind->count > shownWindCount) {
        windFlash.start(game.BoardArt().godOfWindBonus, WindGodButton::kCentreX, WindGodButton::kCentreY,
                        WindBonus::kCountFlashTicks);
    }
    shownWindCount = wind->count;
    bonusDrawer.count = wind->count;
    bonusDrawer.flashTicks = wind->flashTicks;
    bonusDrawer.hidden = !wind->active;
    windButton->hidden = !wind->active;
    windButton->count = wind->count;
    windButton->aiming = wind->aiming;
}

void Playing::stepPanels() {
    boards.Tick();
    if (values.levelOver && !menuButton.hidden) {
        menuButton.enabled = false;
        menuButton.hidden = true;
    }
    if (levelEnd.readyForButtons()) showEndButtons();
}

void Playing::ToggleOverlays() {
    for (LDvOverlay* overlay : overlays) {
        if (overlay->registered) {
            Unregister(overlay);
        } else {
            Register(overlay, this);
        }
    }
}

// Registering every overlay again under another owner keeps their order within each layer.
void Playing::registerAll(LDvState* owner) {
    for (LDvOverlay* overlay : overlays) Register(overlay, owner);
}

void Playing::setFocusPaused(bool pause) {
    if (pause == paused || !overlaysCreated) return;
    if (pause && (values.levelOver || editMode || Frame().currentState != this)) return;
    paused = pause;
    pauseCard.hidden = !pause;
    dragArmed = false;
    registerAll(pause ? static_cast<LDvState*>(&stillOwner) : this);
}

void Playing::OnLeave(LDvState*) {
    if (paused) {
        paused = false;
        pauseCard.hidden = true;
    }
    setAimerShown(false);
    game.Cursor().SetCursorName("ARROW");
    levelEnd.close();
    stopMusic();
}
