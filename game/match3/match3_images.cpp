#include "game/match3/match3_images.h"

#include <string>

#include "framework/ui/overlay_images.h"

namespace {

constexpr const char* kPiecePaths[kPieceColours] = {
    "states/playing/pieces/hat.png",      "states/playing/pieces/shell.png", "states/playing/pieces/compass.png",
    "states/playing/pieces/rock.png",     "states/playing/pieces/float.png", "states/playing/pieces/egg.png",
};
constexpr const char* kSpecialPaths[kSpecialKinds] = {
    "states/playing/pieces/small_crystal.png",
    "states/playing/pieces/exploding_crystal.png",
    "states/playing/pieces/air_coin.png",
};
constexpr const char* kBackPaths[kBackTiles] = {
    "states/playing/board_back.png",  "states/playing/board_back2.png", "states/playing/board_back3.png",
    "states/playing/board_back4.png", "states/playing/board_back5.png",
};

constexpr int kPieceColumns = 18;
constexpr int kPieceRows = 2;
constexpr int kDebrisFrames = 5;

}  // namespace

void Match3Images::load() {
    loadBoard();
    loadEffects();
    loadEditorMarks();
    loadPlayScreen();
    loaded = true;
}

void Match3Images::loadBoard() {
    for (int i = 0; i < kPieceColours; ++i) LoadFrames(&pieces[i], kPiecePaths[i], kPieceColumns, kPieceRows, kPieceFrames);
    for (int i = 0; i < kSpecialKinds; ++i) {
        LoadFrames(&specials[i], kSpecialPaths[i], kPieceColumns, kPieceRows, kPieceFrames);
    }
    for (int i = 0; i < kBackTiles; ++i) LoadImage(&backs[i], kBackPaths[i]);
    for (int n = 1; n <= kBorderPictures; ++n) {
        LoadImage(&borders[n - 1], "states/playing/border_" + std::to_string(n) + ".png");
    }
    LoadImage(&colourTile, "states/playing/board_color1.png");
    LoadFrames(&blueFlash, "states/playing/blue_flash.png", 8, 8, 64);
    LoadImage(&singleLock, "states/playing/single_lock.png");
    LoadImage(&doubleLock, "states/playing/double_lock.png");
    LoadImage(&highlight, "states/playing/board_highlight.png");
}

void Match3Images::loadEffects() {
    LoadImage(&flare, "states/playing/flare.png");
    LoadImage(&crystalGlow, "states/playing/exploding_crystal_glow.png");
    LoadImage(&crystalFlash, "states/playing/center5bonus_hl.png");
    LoadFrames(&smokeBit, "states/playing/smokebit.png", kDebrisFrames, 1, kDebrisFrames);
    LoadFrames(&ropeBit, "states/playing/ropebit.png", kDebrisFrames, 1, kDebrisFrames);
    LoadFrames(&crystalBit, "states/playing/crystalbit.png", kDebrisFrames, 1, kDebrisFrames);
    LoadFrames(&woodBit, "states/playing/woodbit.png", kDebrisFrames, 1, kDebrisFrames);
    LoadFrames(&score, "states/playing/score.png", 5, 1, 5);
    LoadImage(&uncolor1, "states/playing/uncolor1.png");
    LoadImage(&uncolor2, "states/playing/uncolor2.png");
    LoadImage(&niceCombo, "states/playing/nice_combo.png");
    LoadImage(&greatCombo, "states/playing/great_combo.png");
    LoadImage(&starBit, "states/playing/starbit.png");
    LoadFrames(&hintArrow, "states/playing/hint_arrow.png", 4, 1, 4);
    LoadFrames(&explosion, "tl_fx/explode2_8_6_48.png", 8, 6, 48);
}

void Match3Images::loadEditorMarks() {
    LoadImage(&disabledSquare, "states/playing/disabled_square.png");
    LoadImage(&editLocked, "states/playing/edit_locked.png");
    LoadImage(&editDLocked, "states/playing/edit_dlocked.png");
    LoadImage(&editEntry, "states/playing/edit_entry.png");
    LoadImage(&editRandom, "states/playing/edit_random.png");
    LoadImage(&editEmptySquare, "states/playing/edit_emptysquare.png");
    LoadImage(&editSlideLeft, "states/playing/edit_slide_left.png");
    LoadImage(&editSlideRight, "states/playing/edit_slide_right.png");
}

void Match3Images::loadPlayScreen() {
    LoadImage(&startText, "states/playing/start_text.png");
    LoadImage(&completeText, "states/playing/complete_text.png");
    LoadImage(&uiBar, "states/playing/ui_bar.png");
    LoadImage(&treePup, "states/playing/tree_pup.png");
    LoadImage(&btnOk, "states/playing/btn_ok.png");
    LoadImage(&topSand, "states/playing/topsand.png");
    LoadImage(&bottomSand, "states/playing/bottomsand.png");
    LoadFrames(&sandDrip, "states/playing/sanddrip.png", 16, 1, 16);
    LoadImage(&godOfWindBonus, "states/playing/god_of_wind_bonus.png");
    LoadImage(&godOfWindGreyed, "states/playing/god_of_wind_greyed.png");
    LoadImage(&tornadoSpiral, "states/playing/tornado_spiral.png");
    LoadImage(&godOfWindAimer, "states/playing/god_of_wind_aimer.png");
    LoadFrames(&bonusCountBack, "states/playing/bonuscount_back.png", 2, 1, 2);
}

LDvSprite& Match3Images::piece(int colour) {
    return colour >= 0 && colour < kPieceColours ? pieces[colour] : pieces[0];
}

LDvSprite& Match3Images::special(int kind) { return kind >= 0 && kind < kSpecialKinds ? specials[kind] : specials[0]; }

LDvSprite& Match3Images::back(int n) { return n >= 0 && n < kBackTiles ? backs[n] : backs[0]; }

LDvSprite* Match3Images::border(int n) { return n >= 1 && n <= kBorderPictures ? &borders[n - 1] : nullptr; }
