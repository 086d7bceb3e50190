#pragma once
// The main loop's clock: the engine's millisecond clock smoothed over the last ten readings, so
// one slow frame does not make the next frame run a burst of steps. A gap of 250 ms or more
// starts the smoothing afresh.
#include <cstdint>

class SmoothedClock {
public:
    uint32_t Read();

private:
    static constexpr int kMaxDeltas = 10;
    static constexpr uint32_t kResetMilliseconds = 250;

    bool started = false;
    uint32_t lastReading = 0;
    uint32_t deltas[kMaxDeltas] = {};   // ring of recent deltas
    int deltaCount = 0;
    int oldest = 0;
};
