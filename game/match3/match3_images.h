#pragma once
// The match-3 picture bank: one sprite per picture of the board, its effects and the play screen.
// The game application owns the one bank for the whole run and loads it once at start; the board,
// its pieces and effects and the play screen borrow its sprites and set position, frame, zoom,
// opacity and blend before every draw, so drawing allocates nothing. A bank that was never loaded
// is valid: its sprites draw nothing (logic tests run that way).
#include <array>

#include "framework/ui/ldv_overlay.h"

constexpr int kPieceColours = 6;
constexpr int kSpecialKinds = 3;           // 0 small crystal, 1 exploding crystal, 2 air coin
constexpr int kBackTiles = 5;
constexpr int kBorderPictures = 29;        // "border_1.png" .. "border_29.png"
constexpr int kPieceFrames = 35;           // frames of every piece sheet (18 x 2)

class Match3Images {
public:
    Match3Images() = default;
    Match3Images(const Match3Images&) = delete;
    Match3Images& operator=(const Match3Images&) = delete;

    // Loads every picture from the image folder; a missing one takes the missing-media path.
    void load();
    bool isLoaded() const { return loaded; }

    // Out-of-range numbers (bad level data) fall back to the first picture of the family.
    LDvSprite& piece(int colour);
    LDvSprite& special(int kind);
    LDvSprite& back(int n);
    LDvSprite* border(int n);              // 1..29; null for anything else

    // Board.
    LDvSprite colourTile;                  // a square with colour layers
    LDvSprite blueFlash;                   // 8 x 8, 64 frames
    LDvSprite singleLock, doubleLock;
    LDvSprite highlight;                   // the selected cell
    LDvSprite flare;                       // over a vanishing piece
    LDvSprite crystalGlow;                 // crystal halo
    LDvSprite crystalFlash;                // where a crystal is created
    LDvSprite smokeBit, ropeBit, crystalBit, woodBit;  // debris, 5 frames each
    LDvSprite score;                       // score popups, 5 frames
    LDvSprite uncolor1, uncolor2;
    LDvSprite niceCombo, greatCombo;
    LDvSprite starBit;
    LDvSprite hintArrow;                   // 4 frames
    LDvSprite explosion;                   // crystal explosion sheet, 8 x 6, 48 frames
    // Level editor marks.
    LDvSprite disabledSquare, editLocked, editDLocked, editEntry, editRandom, editEmptySquare;
    LDvSprite editSlideLeft, editSlideRight;
    // Play screen and wind bonus.
    LDvSprite startText, completeText, uiBar, treePup, btnOk, topSand, bottomSand;
    LDvSprite sandDrip;                    // 16 frames
    LDvSprite godOfWindBonus, godOfWindGreyed, tornadoSpiral, godOfWindAimer;
    LDvSprite bonusCountBack;              // 2 frames

private:
    void loadBoard();
    void loadEffects();
    void loadEditorMarks();
    void loadPlayScreen();

    std::array<LDvSprite, kPieceColours> pieces;
    std::array<LDvSprite, kSpecialKinds> specials;
    std::array<LDvSprite, kBackTiles> backs;
    std::array<LDvSprite, kBorderPictures> borders;
    bool loaded = false;
};
