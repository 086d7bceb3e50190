#pragma once
// The play screen's side of the wind bonus: the count the player owns, aiming at the board with
// the wind-god button, firing the tornado and earning a bonus for every collected air coin. The
// play screen owns one for its whole life and only routes clicks to it. The board and tornado are
// borrowed and must outlive it; while it lives it receives the board's coin collections.
#include <cstdint>
#include <functional>

#include "framework/core/ldv_string.h"
#include "game/match3/play_layout.h"

class Board;
class Tornado;

class WindBonus {
public:
    // Told when aiming starts (true) and ends (false), so the play screen can show the aimer cursor.
    using CursorSwitch = std::function<void(bool aiming)>;

    static constexpr LDvPoint kButtonCentre{play_layout::kWindGodX, play_layout::kWindGodY};
    static constexpr int kButtonRadius = 50;      // pixels
    static constexpr int kTornadoDrop = 250;      // the tornado stands this far below the aim
    static constexpr int kCountFlashTicks = 30;

    WindBonus(Board& board, Tornado& tornado, CursorSwitch cursorSwitch);
    ~WindBonus();
    WindBonus(const WindBonus&) = delete;
    WindBonus& operator=(const WindBonus&) = delete;

    // Level start: the count from "WBS" and the flag from "WBS_ACTIVE" (both 0 without a player).
    void startLevel();
    // A left click: fires or arms the wind. False when the click is for the board; true when it
    // was taken, or must be ignored altogether (a wind is blowing, the board is revealing or
    // throwing its pieces off).
    bool handleLeftClick(LDvPoint click);
    bool clicksBlocked() const;
    bool armWind(LDvPoint click);
    // A right click: stops aiming and drops the board's selection.
    void cancelWind();
    // Escape: stops aiming only.
    void stopAiming();
    bool fireWind(LDvPoint click);
    void coinCollected();
    void step();                                  // once per play-screen step

    int32_t count = 0;                            // wind bonuses the player owns
    bool active = false;                          // the button and the count are shown
    bool aiming = false;
    int32_t flashTicks = 0;                       // the count display flashes while non-zero

private:
    static bool nearButton(LDvPoint click);
    void setAiming(bool on);
    void storeCount();

    Board& board;
    Tornado& tornado;
    CursorSwitch cursorSwitch;
};
