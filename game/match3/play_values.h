#pragma once
// What the play screen knows about the level being played: read from the player's progress when
// the level is entered and reset at every start (a retry starts afresh). A plain record the
// play screen owns; the timer, the win and the loss are decided from it.
#include <cstdint>

struct PlayValues {
    int32_t levelNumber = 1;             // L, from "CURRENT_LEVEL"
    int32_t setLevel = 0;                // from "SET_LEVEL"; grows with L
    int32_t chapterBackground = 1;       // from "CURRENT_BACKGROUND": 1 beach, 2 jungle, 3 beach again
    bool casualMode = false;             // from "CASUAL_MODE": the sand running out loses nothing
    int32_t fileNumber = 0;              // the design played for L
    int32_t musicIndex = 0;              // 0..4, (L - 1) mod 5
    int32_t timeLeft = 0;                // steps
    int32_t timeTotal = 0;               // steps
    bool windRunning = false;            // a tornado is sweeping the board
    bool startSequenceDone = false;      // the level-start sound, music, tip and text were given
    bool levelOver = false;
    bool levelWon = false;
    bool outroStarted = false;
    bool lost = false;
    bool left = false;                   // leaveLevel ran for this level
};
