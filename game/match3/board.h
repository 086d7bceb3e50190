#pragma once
// The match-3 board: a 20 x 12 grid of cells, the pieces lying on it and the short-lived effects
// playing over it, advanced once per step as an overlay of the play screen and drawn through the
// shared picture bank.
//
// Ownership: the board owns every piece (kept in a store of its own, one slot per cell, so the
// pieces a step walks lie together) and every effect in its lists, and frees them when they are
// removed (a cleared piece lives until its vanish ends, a collected coin or a piece replaced by
// a crystal goes at once). A GamePiece pointer handed out by pieceAt stays valid until the board
// next steps, runs a rule that removes pieces, is set up again or clears. The picture bank and the score display are borrowed and
// must outlive the board (the display may be absent). The play screen creates one board and keeps
// it while the screen lives.
//
// Pieces change cells only through the board, which keeps a cell index of them; everything else
// may read and adjust a piece's animation fields freely.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"
#include "framework/effects/bit.h"
#include "framework/ui/ldv_overlay.h"
#include "game/match3/board_cell.h"
#include "game/match3/game_piece.h"

class Counter;
class Match3Images;

constexpr int kBoardColumns = 20;
constexpr int kBoardRows = 12;
constexpr int kBoardCellCount = kBoardColumns * kBoardRows;
constexpr int kBorderColumns = 22;
constexpr int kBorderRows = 14;
constexpr int kBorderCount = kBorderColumns * kBorderRows;
constexpr int kSwapTicks = 15;
constexpr int kHintIdleTicks = 900;        // steps without a cleared piece before the hint
constexpr int kWindTicks = 150;

// Hint and move directions, in the order moves are tried.
constexpr int kDirectionUp = 0;
constexpr int kDirectionRight = 1;
constexpr int kDirectionDown = 2;
constexpr int kDirectionLeft = 3;

// The pieces a match found, without allocating: a line along the board's longest side plus one
// across it is the most there can be.
struct MatchList {
    static constexpr int kCapacity = kBoardColumns + kBoardRows;
    std::array<GamePiece*, kCapacity> items{};
    int count = 0;

    void add(GamePiece* piece) {
        if (count < kCapacity) items[count++] = piece;
    }
    GamePiece* const* begin() const { return items.data(); }
    GamePiece* const* end() const { return items.data() + count; }
};

using LevelWords = std::array<uint32_t, kBoardCellCount>;  // row-major, as in the level files
using PieceList = LDvList<GamePiece*>;     // the board's pieces in step order, borrowed from its store
using EffectList = LDvList<std::unique_ptr<Bit>>;

class Board : public LDvOverlay {
public:
    explicit Board(Match3Images& images);
    ~Board() override;

    // Level start: word k describes cell (k mod 20, k div 20). Coins need coinsAllowed (the
    // player's wind bonus is active) and a player who has seen the wind-bonus tip.
    void setupLevel(const LevelWords& cellWords, int level, bool coinsAllowed);
    void startReveal();
    void startOutro();

    void OnTick(int tick) override;
    void Draw() override;

    // Input from the play screen.
    bool screenToCell(LDvPoint point, LDvPoint& cell) const;
    void highlightCell(LDvPoint cell);
    void select(LDvPoint cell);
    void clickSelected(LDvPoint cell);
    void startSwap(LDvPoint a, LDvPoint b);
    void clearSelection();
    // The wind bonus at a screen point: the cell under it, else the first active cell of the nine
    // samples 55 pixels apart around it (x offset outermost).
    bool findWindTarget(LDvPoint clickPoint, LDvPoint& cell) const;
    void startWind(LDvPoint clickPoint);

    bool isSettled() const;                // every piece idle
    bool countColouredCells();             // true when no coloured square is left
    void clearAll();                       // every piece and effect goes

    // The rules, in the order a move runs through them.
    void fillInitial();
    void placeTutorialSpecials();
    void swapStep();
    void resolveSwap();
    void startSwapBack(LDvPoint a, LDvPoint b);
    bool findMatches(LDvPoint cell, MatchList& found);
    bool clearPiece(GamePiece& piece, bool keep);
    bool breakLock(LDvPoint cell);
    void awardPoints(int amount, LDvPoint at);
    void pieceStep();
    void resolveLanding(LDvPoint cell);
    void settle();
    void settleIfQuiet();                  // settle, unless a piece is still vanishing
    void applyGravity();
    void updateFedFromAbove();
    void findFallPath(LDvPoint start, LDvList<LDvPoint>& path);
    void dropPiece(GamePiece& piece);
    void refill();
    void removeDeadPieces();
    bool findMoveAt(LDvPoint cell, int& direction);
    void hintSearch();
    void checkRegions();
    void createExplodingCrystal(LDvPoint cell);
    void createSmallCrystal(LDvPoint cell);
    void explode(LDvPoint cell, int kind);
    bool collectCoins();
    void windStep();

    // Cells and pieces. Positions outside the grid have no piece and are never active or locked.
    static bool inGrid(int col, int row) { return col >= 0 && col < kBoardColumns && row >= 0 && row < kBoardRows; }
    static int cellIndex(int col, int row) { return col * kBoardRows + row; }
    static LDvPoint cellCentre(LDvPoint cell);
    BoardCell* cellAt(int col, int row);
    const BoardCell* cellAt(int col, int row) const;
    GamePiece* pieceAt(int col, int row) const;
    GamePiece* pieceAt(LDvPoint cell) const { return pieceAt(cell.x, cell.y); }
    bool isActive(int col, int row) const;
    bool isActive(LDvPoint cell) const { return isActive(cell.x, cell.y); }
    bool isLocked(int col, int row) const;
    bool isLocked(LDvPoint cell) const { return isLocked(cell.x, cell.y); }
    bool isSelectable(LDvPoint cell) const;
    bool anyDyingOrDead() const;
    const PieceList& allPieces() const { return pieces; }
    // A new idle piece in an active cell (the cell's piece, if any, is replaced). Null only when the
    // board already holds a piece in every cell.
    GamePiece* placePiece(LDvPoint cell, int colour);
    void makeSpecial(GamePiece& piece, int kind, int appear);
    // Checks what must always hold: one piece per cell at most, none in a disabled cell or outside
    // the grid, and the cell index agreeing with the pieces. Describes the first fault found.
    bool checkConsistency(LDvString& fault) const;

    // The play screen's wishes: a collected coin pays for a wind bonus; a finished move may show a tip.
    std::function<void()> onCoinCollected;
    std::function<void()> onAfterMove;

    // Shared by every board: pieces created by refills (1 at each reveal) and the clock given to
    // the pieces' steps (wraps from 9999 to 0).
    static inline int32_t spawnCounter = 1;
    static inline int32_t pieceClock = 0;

    bool editMode = false;
    bool selectionShown = false;
    bool revealing = false;
    bool outroRunning = false;
    bool finished = false;
    bool coinsEnabled = false;
    bool revealFading = false;
    int32_t revealFadeTicks = 0;
    int32_t revealFadeAlpha = 0;           // percent
    int32_t outroFadeTicks = 0;
    int32_t outroRow = 0;
    int32_t outroFadeAlpha = 0;            // percent
    int32_t outroRowTicks = 0;
    int32_t flashTicks = 0;
    int32_t flashFrame = 0;
    int32_t flashAlpha = 0;                // percent
    int32_t flashPeriod = 1800;            // steps between flashes of the coloured squares
    int32_t hintFrame = 0;                 // 0..3
    bool hintShown = false;
    int32_t idleTicks = 0;
    int32_t windTicks = 0;
    int32_t windCount = 0;
    int32_t windInterval = 0;
    int32_t windNext = 0;
    int32_t points = 0;
    int32_t uncolourPoints = 0;
    int32_t comboPoints = 0;
    int32_t lockPoints = 0;
    int32_t cascade = 0;
    int32_t levelNumber = 0;
    int32_t backImage = 0;                 // 0..4
    int32_t swapTicks = 0;
    int32_t swapBackTicks = 0;
    int32_t ticksSinceSelect = 0;
    GamePiece* swapA = nullptr;            // borrowed from pieces; cleared when the piece goes
    GamePiece* swapB = nullptr;
    GamePiece* lastA = nullptr;
    GamePiece* lastB = nullptr;
    LDvPoint selected{-1, -1};
    Counter* scoreDisplay = nullptr;       // borrowed; may be absent
    std::array<BoardCell, kBoardCellCount> cells{};  // column-major: cellIndex(col, row)
    std::array<int16_t, kBorderCount> borders{};     // border picture numbers, i * 14 + j, 0 none
    LDvList<LDvPoint> entries;
    LDvList<int> colours;                  // colours in use, in the order given
    EffectList effects;                    // drawn above the pieces
    EffectList underEffects;               // drawn below the pieces
    LDvList<LDvPoint> windCells;
    LDvPoint hintCentre{0, 0};             // where the hint arrow is drawn
    int32_t hintRotation = 0;              // degrees

private:
    void resetState();
    void revealStep();
    void outroStep();
    void flashStep(int tick);
    void updateEffects();
    void landingPraise(LDvPoint cell);
    bool swapMatches(GamePiece& a, GamePiece& b);
    void finishSwapBack();
    void clearListed(const MatchList& list, bool& uncoloured);
    void explosionShock(LDvPoint centre, int kind);
    void explosionEffects(LDvPoint centre, int kind);
    bool walkRegion(GamePiece& seed, GamePiece*& candidate, bool& coloured);
    void endWind();
    void drawBorders(float alpha);
    void drawTile(int col, int row, float dx, float dy, float alpha);
    void drawPlaying();
    void drawCell(int col, int row);
    void drawReveal();
    void drawOutro();
    void drawEditMarks(int col, int row);
    void drawHint();
    int randomColour();
    int nextColour(int colour);
    bool isSwapping(const GamePiece* piece) const;
    void abandonSwap();
    static bool tipSeen(const char* key);
    GamePiece* randomPiece();
    GamePiece* newPiece(LDvPoint cell);
    void releasePiece(GamePiece* piece);
    void movePiece(GamePiece& piece, int col, int row);
    void deletePiece(GamePiece* piece);
    void forgetPiece(const GamePiece* piece);

    Match3Images& images;
    std::array<GamePiece*, kBoardCellCount> index{};  // the piece holding each cell
    PieceList pieces;
    // Never more pieces than cells: every piece holds a cell of its own until it is removed.
    std::array<GamePiece, kBoardCellCount> store{};
    std::array<GamePiece*, kBoardCellCount> freeSlots{};
    int freeCount = 0;
    // Which slots of the store hold a piece, for the checks that need no particular order: walking
    // the store front to back is much cheaper than walking the list.
    std::array<bool, kBoardCellCount> inUse{};
};
