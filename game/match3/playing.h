#pragma once
// The match-3 play screen: one level from the reveal of its board to the win or the loss. It
// reads the player's progress when a level is entered, chooses the design, the scenery, the piece
// colours and the music, runs the level timer and the hourglass, turns the mouse into board moves
// and wind-bonus clicks, offers the level-start tips, shows the level-end screen with its counted
// totals and writes the progress when the player leaves a won level. The level editor's test
// play uses the same screen in edit mode.
//
// Ownership: the game object owns the one Playing for the whole run. Playing owns its board,
// tornado, wind bonus and every overlay of the screen (created on the first entry, kept until the
// game ends); it borrows the game's picture bank, GUI pictures, bundle, sounds and black-out.
// Its overlays are registered only while it is the current state.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_button.h"
#include "game/app/blank_state.h"
#include "game/editor/play_edit_mode.h"
#include "game/match3/animated_friend.h"
#include "game/match3/bonus_drawer.h"
#include "game/match3/digit_drawer.h"
#include "game/match3/flasher.h"
#include "game/match3/level_board.h"
#include "game/match3/level_end_overlay_drawer.h"
#include "game/match3/level_files.h"
#include "game/match3/pause_card.h"
#include "game/match3/play_background.h"
#include "game/match3/play_values.h"
#include "game/match3/popup.h"
#include "game/match3/score_board.h"
#include "game/match3/timer_warnings.h"
#include "game/widgets/button_base.h"
#include "game/widgets/hanging_boards.h"

class AimerCursor;
class Board;
class Hourglass;
class GameView;
class Tornado;
class WindBonus;
class WindGodButton;

class Playing : public LDvState {
public:
    // A tip of the level start or after a move, as the tips system shows it once per player.
    struct TipRequest {
        const char* key = "";            // in the player's "TIPS" section
        int text = 0;                    // language text number
        LDvPoint point;                  // where the tip's arrow points
        bool okButton = false;
        bool modal = false;
        const char* argument = "";       // the special pieces' tips carry "EXPLODE"
    };
    using TipOffer = std::function<bool(const TipRequest&)>;  // true when the tip was shown

    // What the player chose in the menu (the game's options dialog).
    enum class MenuAnswer { Close, Restart, Leave };
    using MenuRunner = std::function<MenuAnswer(const LDvString& restartLabel, const LDvString& leaveLabel)>;

    static constexpr int kDragThreshold = 13;         // pixels a drag must travel to swap
    static constexpr int kTimeBonusPerSecond = 4;     // resources per whole second left at a win
    static constexpr int kPlayTracks = 5;
    static constexpr int kStartTextTicks = 60;
    static constexpr int kStartTextX = 800;
    static constexpr int kStartTextY = 250;
    static constexpr int kCountBackTicks = 30;        // the score's count after a win or a loss
    static constexpr int kBeepGapTicks = 14;          // between the two beeps of a double warning

    explicit Playing(GameView& game);
    ~Playing() override;
    Playing(const Playing&) = delete;
    Playing& operator=(const Playing&) = delete;

    void OnChar(int character, bool shiftDown) override;
    void OnKeyDown(int engineKeyCode, bool shiftDown) override;
    void OnClick(int x, int y) override;
    void OnRightClick(int x, int y) override;
    void OnMouseMove(int x, int y, bool leftDown, bool rightDown) override;
    void OnDrag(int x, int y, int dxFromStart, int dyFromStart, int dxFromLast, int dyFromLast) override;
    void OnDragStart(int x, int y) override;
    void OnDragEnd(int x, int y) override;
    void OnFirstEnter() override;
    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void OnButton(LDvOverlay* button) override;
    void ToggleOverlays() override;
    void Update() override;

    // The level from its reveal again (entry and retry): board, timer, score and flags.
    void startLevel();
    // Once per level: a win stores the next level and the counted resources; then the screen
    // fades to what follows a level (the editor in edit mode).
    void leaveLevel(bool won, bool fromEditor);
    void levelStartSequence();
    void timerStep();
    void afterMove();
    // The game window lost (true) or regained (false) the focus: a running level stands still.
    void setFocusPaused(bool paused);
    bool isPaused() const { return paused; }
    // A click, drag or key may act on the board now.
    bool inputAllowed() const;

    static const char* playTrackPath(int index);      // "sounds\music\play1.ogg" for 0, ...
    static int musicIndexFor(int level);              // (L - 1) mod 5
    static int timeBonus(int timeLeftTicks);          // (timeLeft div 60) x 4
    Counter& scoreCounter() { return scoreBoard.counter; }

    PlayValues values;
    int32_t startResources = 0;          // the player's resources when the level was entered
    bool editMode = false;               // entered from the level editor
    PlayEditMode edit;                   // the design the editor opened, and what its keys do
    std::unique_ptr<Board> board;
    LDvPoint dragCell{-1, -1};           // the cell under the pointer when the drag began
    bool dragArmed = false;
    int64_t playTicks = 0;               // steps of play this run, every level together
    LevelWords levelData = builtInLevelWords();  // the design being played (the editor edits it)
    LevelBorders levelBorders{};

    // Filled in by the game: the tips system and the options dialog. Without them no tip shows
    // and the menu button does nothing.
    TipOffer offerTip;
    MenuRunner runMenu;

    // The screen's overlays, in drawing order; read by tests and the level editor.
    PlayBackground background;
    std::unique_ptr<Tornado> tornado;
    std::unique_ptr<WindBonus> wind;
    LDvSprite uiBar;
    std::unique_ptr<Hourglass> hourglass;
    DigitDrawer timerDigits;
    std::unique_ptr<WindGodButton> windButton;
    Flasher windFlash;
    BonusDrawer bonusDrawer;
    AnimatedFriend friendCharacter;
    LevelBoard levelBoard;
    ScoreBoard scoreBoard;
    LDvButton menuButton;
    Popup startText;
    LDvSprite editNotifier;
    LDvSprite editInstructions;
    LevelEndOverlayDrawer levelEnd;
    ButtonBase retryButton;
    ButtonBase leaveButton;
    ButtonBase continueButton;
    std::unique_ptr<AimerCursor> aimer;
    PauseCard pauseCard;

private:
    void createOverlays();
    void loadPictures();
    void layOutPanels();
    void layOutEndButtons();
    void dropPanels();
    void readProgress();
    void chooseScenery();
    void registerAll(LDvState* owner);

    void stepPanels();
    void stepBeeps();
    void stepWind();
    void checkWin();
    void beginOutro();
    void loseLevel();
    void showEndButtons();
    void hideEndButtons();
    void startMusic();
    void enterEditedDesign();
    void editKeyDown(int engineKeyCode);
    void startTestPlay();
    bool editing() const;                // the edit mode's keys act (no test play yet)
    void stopMusic();
    void openMenu();
    bool offer(const TipRequest& tip);
    void closeTip();                      // a tip floating over the board ends with its level
    void offerBoardTip();
    void boardClick(LDvPoint point);
    void setAimerShown(bool aiming);

    GameView& game;
    TimerWarnings warnings;
    int32_t pendingBeeps = 0;
    int32_t beepGap = 0;
    int32_t shownWindCount = 0;
    bool paused = false;
    bool overlaysCreated = false;
    BlankState stillOwner;               // owns the overlays while paused, so none of them steps
    std::vector<LDvOverlay*> overlays;   // every overlay above, in registration order
    HangingBoards boards;
};
