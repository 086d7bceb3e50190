#pragma once
// When the main loop's fixed steps are due: every 1000 / updates-per-second milliseconds (16 ms at
// 60, so 62.5 steps per second of wall time), at most 10 catch-up steps per frame, and the backlog
// dropped when the clock runs more than 250 ms ahead. The main loop reads the smoothed clock,
// modal loops the raw one.
#include <cstdint>
#include <functional>

#include "framework/core/smoothed_clock.h"

enum class StepClock { Smoothed, Raw };

class StepSchedule {
public:
    static constexpr int kMaxCatchUpSteps = 10;
    static constexpr int32_t kStallMilliseconds = 250;

    StepSchedule(int updatesPerSecond, StepClock clock);

    void Start();                                   // steps fall due from the current clock reading
    // Drops the backlog after a stall, then runs `step` for every step due, at most 10. Returns
    // how many ran.
    int RunDueSteps(const std::function<void()>& step);
    // Sleeps until the next step is due (or just yields when it already is).
    void WaitForNextStep();

    int StepMilliseconds() const { return stepMilliseconds; }
    uint32_t NextStepTime() const { return nextStep; }

private:
    uint32_t ReadClock();

    StepClock clock;
    SmoothedClock smoothed;
    int stepMilliseconds;
    uint32_t nextStep = 0;
};
