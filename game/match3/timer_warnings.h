#pragma once
// The hourglass's warnings: beeps as the sand runs low (each threshold once per level) and, in
// expert mode, a double beep for each of the last five seconds. The play screen asks after every
// step of its timer how many beeps are due and plays them one after the other.
#include <cstdint>

class TimerWarnings {
public:
    // A new level: every warning may sound again.
    void reset();
    // The beeps due now that `timeLeft` of `timeTotal` steps remain. Expert mode warns at 40 %
    // and below 30 % (once each) and at 20 %, 10 % and 5 % (twice each); casual mode only at 20 %,
    // where the level cannot be lost and the last seconds are not counted down.
    int beepsFor(int32_t timeLeft, int32_t timeTotal, bool casual);

private:
    int thresholdBeeps(int32_t timeLeft, int32_t timeTotal, bool casual);
    int lastSecondsBeeps(int32_t timeLeft);

    bool at40 = false;
    bool below30 = false;
    bool at20 = false;
    bool at10 = false;
    bool at5 = false;
    int32_t shownSeconds = -1;           // the seconds the display showed after the last step
};
