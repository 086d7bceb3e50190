#pragma once
// The camp: the hub between levels. From here the player starts the next level (Play), buys the
// camp's buildings with the resources won on the boards (Build), sets out for the map once the huts
// and the lab stand (Explore), reads the field guide and opens the options. It also carries the
// early story: the captain and the professor speak on the way, and one-time tips point at the
// buttons while the player is learning.
//
// Ownership: the game object owns the one camp for the whole run. The camp owns its overlays, its
// buttons and badges, its ten build groups, its palms, its wave emitters and the field guide; their
// pictures are loaded on entering and released on leaving. It borrows the game's fonts, sounds,
// effect sheets, GUI pictures, dimmers, tip and fades. Its overlays are registered only while it
// is the current state.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_button.h"
#include "framework/ui/ldv_touch_button.h"
#include "game/expedition/build_table.h"
#include "game/expedition/camp_palms.h"
#include "game/expedition/field_guide.h"
#include "game/expedition/wave_top.h"
#include "game/match3/level_board.h"
#include "game/match3/score_board.h"
#include "game/widgets/hanging_boards.h"
#include "game/widgets/sliding_ui.h"
#include "game/widgets/sliding_ui_group.h"

class GameView;

class Camp : public LDvState {
public:
    static constexpr int kWaveEmitters = 5;
    static constexpr int kBuildMenuButtons = 4;       // the building entries after Back
    static constexpr int kHoardingResources = 20000;  // the professor speaks above this

    // Main menu entries, in the order they are added.
    enum MainEntry { kFieldGuideEntry = 0, kBuildEntry = 1, kExploreEntry = 2 };
    // Build menu entries; the fifth, Finish camp, only once the upgrade and the lab stand.
    enum BuildEntry { kBackEntry = 0, kHutsEntry = 1, kLabEntry = 2, kClinicEntry = 3, kFinishEntry = 4 };

    explicit Camp(GameView& game);
    Camp(const Camp&) = delete;
    Camp& operator=(const Camp&) = delete;

    void OnChar(int character, bool shiftDown) override;
    void OnClick(int x, int y) override;
    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void OnButton(LDvOverlay* button) override;
    void ToggleOverlays() override;
    void Update() override;

    // The huts wait to be bought first: level 2 with tips on, the huts not built yet, and paid for
    // with what the player has. Play and the build menu's Back stay away meanwhile; a table whose
    // huts cannot be paid, or has none, never holds the player back that way.
    bool HutsComeFirst();
    bool ScreenFading() const;

    int32_t currentLevel = 1;             // "CURRENT_LEVEL"; 1 without a player
    int32_t resources = 0;                // "CURRENT_RESOURCES"; 0 without a player
    bool entryChecksPending = false;
    bool buildMenuRequested = false;      // switch once the main menu has slid away
    bool mainMenuRequested = false;       // switch once the build menu has slid away

    // The overlays, in drawing order.
    LDvSprite background;                 // "states/camp/back.jpg"
    std::array<WaveTop, kWaveEmitters> waves;
    BuildTable buildings;                 // slot 0 under the palms, the others over them
    CampPalms palms;
    LevelBoard levelBoard;
    ScoreBoard scoreBoard;
    LDvButton menuButton;                 // "GUI/btnMenu.png": the options
    LDvTouchButton playButton;
    SlidingUIGroup buildMenu;
    SlidingUIGroup mainMenu;

    LDvTouchButton fieldGuideButton, buildButton, exploreButton;
    LDvTouchButton backButton, buildHutsButton, upgradeHutsButton, buildLabButton, buildClinicButton,
        finishCampButton;
    // Status badges of the building entries: "btnLocked" or "btnLowCash", and "btnBuilt".
    std::array<LDvSprite, kBuildMenuButtons> statusBadges;   // by entry - 1
    std::array<LDvSprite, kBuildMenuButtons> builtBadges;
    LDvSprite lowCashPicture, lockedPicture, builtPicture;
    LDvSprite hutIcon, hutUpgradeIcon, labIcon, clinicIcon, finishCampIcon;

    HangingBoards boards;
    SlidingUI playSlide;
    FieldGuide fieldGuide;

private:
    // camp.cpp: entering, leaving, drawing order
    void LoadPictures();
    void ReleasePictures();
    void ReadProgress();
    void DropBoards();
    void ArmWaves();
    void StartMusic();
    std::vector<LDvOverlay*> Overlays();

    // camp_menus.cpp: the two menus and the Play button
    void BuildMainScreen();
    void BuildBuildMenu();
    void AddBuildEntry(LDvTouchButton& button, int entry, const char* group);
    void OpenRequestedMenus();
    void SlideMainIn();
    void SlideMainEntryIn(int entry);
    void SlideBuildMenuIn();
    void SlidePlayIn();
    bool PlayReady() const;
    bool HutsUnpayable();

    // camp_update.cpp: tips, announcements and slides
    void OfferTips();
    void RunEntryChecks();
    void TickSlides();
    void Announce(const LDvString& title, std::initializer_list<int> pages, int speaker);
    void CongratulateOnBuildings();

    // camp_messages.cpp: what the buttons do
    bool HandleMenuButton(LDvOverlay* button);
    void OpenOptions();
    void OpenFieldGuide();
    void Explore();
    void OpenBuildDialog(const char* group, LDvSprite& icon, int iconOffsetX);
    void Purchase(BuildGroup& group);
    void CloseTip();

    GameView& game;
};
