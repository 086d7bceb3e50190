#include "framework/core/smoothed_clock.h"

#include "engine/k_clock.h"

uint32_t SmoothedClock::Read() {
    const uint32_t now = getMilliseconds();
    if (!started) {
        started = true;
        lastReading = now;
        return now;
    }
    const uint32_t previous = lastReading;
    const uint32_t delta = now - previous;
    lastReading = now;
    if (delta >= kResetMilliseconds) {
        deltaCount = 0;
        oldest = 0;
        return now;
    }
    if (deltaCount < kMaxDeltas) {
        deltas[(oldest + deltaCount) % kMaxDeltas] = delta;
        ++deltaCount;
    } else {
        deltas[oldest] = delta;
        oldest = (oldest + 1) % kMaxDeltas;
    }
    uint32_t sum = 0;
    for (int i = 0; i < deltaCount; ++i) sum += deltas[i];
    return previous + sum / static_cast<uint32_t>(deltaCount);
}
