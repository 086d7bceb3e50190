#pragma once
// A player who knows nothing: every frame it may queue one random action through the window's
// scripted input, the way real input arrives (clicks, drags that may leave the window, double and
// right clicks, wheel turns, key mashing, typed text, the window losing and regaining focus).
// Clicks are weighted towards the buttons that answer to the current state, so the player moves
// between screens instead of only poking at backgrounds. It owns the test input the window
// borrows, so it must outlive the window (the game closes the window as its run ends).
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/k_test_input.h"

class KWindow;

class RandomPlayer {
public:
    RandomPlayer(KWindow& window, uint32_t seed);
    RandomPlayer(const RandomPlayer&) = delete;
    RandomPlayer& operator=(const RandomPlayer&) = delete;

    // Called after each presented frame: queues the next action once the previous one is out.
    void AfterPresent(uint32_t frame);
    uint64_t Actions() const { return actions; }

private:
    struct Spot {
        int x = 0;
        int y = 0;
    };

    void QueueAction(uint32_t frame);
    void ClickButton(std::vector<std::string>& lines);
    void ClickSomewhere(std::vector<std::string>& lines, int button);
    void DoubleClick(std::vector<std::string>& lines);
    void Drag(std::vector<std::string>& lines);
    void MashKeys(std::vector<std::string>& lines);
    void TypeText(std::vector<std::string>& lines);
    void ToggleFocus(std::vector<std::string>& lines);
    void TurnWheel(std::vector<std::string>& lines);
    Spot AnySpot(bool mayLeaveWindow);
    int Between(int low, int high);  // inclusive

    KTestInput input;
    std::mt19937 random;
    uint32_t notBefore = 0;
    uint64_t actions = 0;
};
