#pragma once
// The level-end screen: the board is veiled, the "levelwin" or "loselevel" animation plays at
// (800, 370), and after a win four counters count up one after the other over the panel's
// labels: the blue-tile points, the bonus points, the time bonus and the total gained.
//
// Owns both animations (loaded once, restarted for every showing) and its counters; the picture
// bundle the animations draw from and the digit sheet are the game's and must outlive it.
#include <array>
#include <cstdint>
#include <memory>

#include "framework/ui/ldv_overlay.h"
#include "game/cinematics/spine_actor.h"
#include "game/match3/counter.h"

class LDvTextureAtlas;

class LevelEndOverlayDrawer : public LDvOverlay {
public:
    static constexpr int kAnimationX = 800;
    static constexpr int kAnimationY = 370;
    static constexpr int kCounterRight = 1050;                  // the counters end here
    static constexpr std::array<int, 4> kCounterTops = {313, 371, 429, 487};
    static constexpr int kCounterDigits = 6;
    static constexpr int kFirstCountHold = 75;                  // steps: the labels have slid in
    static constexpr int kCountStagger = 22;                    // steps between two counters
    static constexpr int kCountTicks = 40;
    static constexpr int kLossButtonsDelay = 90;                // steps before retry and leave show

    LevelEndOverlayDrawer() = default;
    ~LevelEndOverlayDrawer() override;

    void loadAnimations(LDvTextureAtlas& bundle);
    void setDigitSheet(const LDvSprite& sheet);

    // Won: the counters count up to these values. Lost: the losing animation only.
    void showWin(int blueTiles, int bonus, int timeBonus, int total);
    void showLoss();
    void close();                                               // nothing shown, animations stopped

    bool isShowing() const { return showing; }
    bool isWin() const { return won; }
    // The moment the continue button (after a win) or the retry and leave buttons may appear.
    bool readyForButtons() const;
    bool countingStarted() const { return counting; }
    const Counter& counterAt(int i) const { return counters[i]; }
    SpineActor* winActor() const { return winAnimation.get(); }
    SpineActor* loseActor() const { return loseAnimation.get(); }

    void OnTick(int tickCount) override;
    void Draw() override;

private:
    void start(bool win);
    void drawVeil();
    void drawAnimation();

    std::unique_ptr<SpineActor> winAnimation;
    std::unique_ptr<SpineActor> loseAnimation;
    std::array<Counter, 4> counters;
    bool showing = false;
    bool won = false;
    bool counting = false;
    int32_t shownTicks = 0;
};
