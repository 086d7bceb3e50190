#pragma once
// One piece on the match-3 board: a plain record with its per-step animation (shock, throw-off,
// special glow, vanish, highlight frames, the fall along a path of cells and the bounce after it)
// and its drawing. The board owns every piece; a piece borrows the picture bank only while drawn.
#include <cstdint>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"
#include "game/match3/play_layout.h"

class Match3Images;

struct PieceOffset {
    float x = 0.0f;
    float y = 0.0f;
};

constexpr int kCellSize = play_layout::kCellSize;
constexpr int kPieceRestX = 277;           // centre of a piece at rest in cell (0, 0)
constexpr int kPieceRestY = 117;
constexpr int kCellLeft = 248;             // top-left of the drawn tile of cell (0, 0)
constexpr int kCellTop = 88;
constexpr int kDyingTicks = 10;
constexpr int kSpecialSmallCrystal = 0;
constexpr int kSpecialExplodingCrystal = 1;
constexpr int kSpecialAirCoin = 2;

struct GamePiece {
    // Advances one step. `tick` is the board's piece clock (0 during the outro). changed: a special
    // finished appearing, a vanish ended, or a special landed; landed: the fall ended this step.
    void update(int tick, bool& changed, bool& landed) {
        if (!isResting()) updateMoving(tick, changed, landed);
    }
    // Starts a fall along `cells` (first point = where it is drawn from), or extends the running one.
    void startFall(const LDvList<LDvPoint>& cells);
    void fling();                          // throws the piece off the board (level end)
    bool isIdle() const {
        return !dying && !dead && swapOffset.x == 0.0f && swapOffset.y == 0.0f && !falling && appearTicks == 0;
    }
    // Nothing to animate this step: most pieces, most of the time.
    bool isResting() const {
        return shockTicks <= 0 && !flung && !special && !dying && animFrame == 0 && !highlighted && !falling &&
               !bouncing;
    }
    void draw(Match3Images& images);       // ordinary or special, as the piece is
    void drawSpecial(Match3Images& images);

    // Where the piece is drawn this frame, before rotation.
    float centreX() const;
    float centreY() const;

    int32_t col = 0;                       // the cell it holds (its destination while moving)
    int32_t row = 0;
    LDvList<LDvPoint> path;                // cells of the current fall, first to last
    int32_t colour = 0;                    // 0..5; kept but unused by specials
    PieceOffset swapOffset;
    bool detonated = false;
    bool falling = false;
    float fallSpeed = 0.0f;                // pixels per step
    float fallDistance = 0.0f;             // pixels along the path
    float fallLength = 0.0f;
    PieceOffset pathOffset;                // from the destination cell while falling
    PieceOffset flingPos;
    PieceOffset flingVelocity;
    int32_t flingAngle = 0;                // degrees
    int32_t shockTicks = 0;
    int32_t shockTotal = 0;
    PieceOffset shockOffset;
    PieceOffset shockAmplitude;
    float bounceOffset = 0.0f;             // pixels, negative is up
    float bounceSpeed = 0.0f;
    bool bouncing = false;
    bool dying = false;
    int32_t dyingTicks = 0;
    bool dead = false;                     // removed at the next clean-up
    bool fadingIn = false;
    int32_t fadeTop = 0;                   // sprite top where fading in starts (alpha 0) ...
    int32_t fadeBottom = 0;                // ... and ends (alpha 1)
    bool hidden = false;                   // taken by the wind, not drawn
    bool highlighted = false;              // plays its animation once at half speed
    int32_t animFrame = 0;                 // 0..34
    LDvPoint swapDir;                      // unit step of the running swap
    bool special = false;
    int32_t specialKind = 0;               // kSpecialSmallCrystal, kSpecialExplodingCrystal, kSpecialAirCoin
    bool visited = false;                  // scratch mark of the region walk
    int32_t appearTicks = 0;               // a new special appears for this long and does not fall
    int32_t appearTotal = 0;
    int32_t glowPulse = 0;                 // percent 0..100
    int32_t haloAlpha = 0;                 // percent 0..60
    int32_t specialFrame = 0;
    int32_t specialAngle = 0;              // degrees
    bool flung = false;

private:
    void updateMoving(int tick, bool& changed, bool& landed);
    void shockStep();
    void flingStep();
    void specialStep(int tick, bool& changed);
    void animationStep(int tick);
    void fallStep(bool& changed, bool& landed);
    void bounceStep();
    void updatePathOffset();
    float fadeAlpha(float spriteTop);
    void drawDying(Match3Images& images, float cx, float cy);
};
