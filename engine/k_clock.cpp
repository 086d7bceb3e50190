#include "engine/k_clock.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace {

// Real time is measured from the first reading; `offset` keeps the clock continuous when the
// manual clock is switched off again, so readings never jump backwards.
struct ClockState {
    std::mutex lock;
    bool started = false;
    std::chrono::steady_clock::time_point origin;
    int64_t offset = 0;
    bool manual = false;
    uint32_t manualNow = 0;
};

ClockState& clockState() {
    static ClockState state;
    return state;
}

uint32_t realReading(ClockState& state) {
    const auto now = std::chrono::steady_clock::now();
    if (!state.started) {
        state.started = true;
        state.origin = now;
    }
    const int64_t elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - state.origin).count();
    return static_cast<uint32_t>(elapsed + state.offset);
}

}  // namespace

uint32_t getMilliseconds() {
    ClockState& state = clockState();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.manual ? state.manualNow : realReading(state);
}

void setManualClock(bool manual) {
    ClockState& state = clockState();
    std::lock_guard<std::mutex> guard(state.lock);
    if (manual == state.manual) return;
    if (manual) {
        state.manualNow = realReading(state);
    } else {
        const uint32_t real = realReading(state);
        state.offset += static_cast<int64_t>(state.manualNow) - real;
    }
    state.manual = manual;
}

bool isManualClock() {
    ClockState& state = clockState();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.manual;
}

void advanceManualClock(uint32_t milliseconds) {
    ClockState& state = clockState();
    std::lock_guard<std::mutex> guard(state.lock);
    if (state.manual) state.manualNow += milliseconds;
}

void sleepMilliseconds(uint32_t milliseconds) {
    {
        ClockState& state = clockState();
        std::lock_guard<std::mutex> guard(state.lock);
        if (state.manual) {
            state.manualNow += milliseconds;
            return;
        }
    }
    if (milliseconds == 0) {
        std::this_thread::yield();  // the main loop's "sleep 0": give the processor away once
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
