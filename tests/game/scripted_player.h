#pragma once
// Plays the game through the window's scripted input, as a player would: each action waits until
// the overlay it needs is on screen and answers to the current state (the click search only finds
// those), then its events go out over the next frames, two frames apart so that a button sees the
// mouse over it, pressed and released on separate steps. A run that gets stuck is ended once the
// frame limit is reached, by the modal abort that a quit would set (a real quit would stay queued in
// SDL for the next window).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/k_test_input.h"
#include "framework/core/ldv_string.h"

class KWindow;
class LDvOverlay;

class ScriptedPlayer {
public:
    static constexpr uint32_t kFrameLimit = 1500;

    explicit ScriptedPlayer(KWindow& window);   // takes over the window's test input and the loop hooks
    ~ScriptedPlayer();
    ScriptedPlayer(const ScriptedPlayer&) = delete;
    ScriptedPlayer& operator=(const ScriptedPlayer&) = delete;

    // Left click on the centre of the overlay's bounds, as they are once it is up.
    ScriptedPlayer& Click(LDvOverlay& target);
    ScriptedPlayer& ClickAt(int x, int y, LDvOverlay& shownWith);
    // Left click where `where` answers once `shownWith` is up (positions known only after layout).
    ScriptedPlayer& ClickWhere(const std::function<LDvPoint()>& where, LDvOverlay& shownWith);
    // Characters typed, then Return when `thenReturn`.
    ScriptedPlayer& Type(const std::string& text, bool thenReturn, LDvOverlay& shownWith);
    // Runs `check` once `shownWith` is up, before the next action's events.
    ScriptedPlayer& Check(const std::function<void()>& check, LDvOverlay& shownWith);
    // Lets `frames` frames pass once `shownWith` is up, as a player reading.
    ScriptedPlayer& Wait(uint32_t frames, LDvOverlay& shownWith);

    bool Finished() const { return next == actions.size(); }
    bool TimedOut() const { return timedOut; }

    // Called after every presented frame.
    std::function<void(int frame)> everyFrame;

private:
    struct Action {
        LDvOverlay* shownWith = nullptr;
        std::function<std::vector<std::string>()> events;  // script lines without their frame number
        std::function<void()> check;
        uint32_t waitFrames = 0;
    };

    void AfterPresent(int frame);
    bool Idle() const;

    KWindow& window;
    KTestInput input;
    std::vector<Action> actions;
    size_t next = 0;
    uint32_t firstFrame = 0;
    uint32_t notBefore = 0;                     // frame the next action may start at
    bool timedOut = false;
};

// True when the overlay is registered, shown, and belongs to the current state.
bool AnswersToCurrentState(const LDvOverlay& overlay);
