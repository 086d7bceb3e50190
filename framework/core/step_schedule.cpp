#include "framework/core/step_schedule.h"

#include "engine/k_clock.h"

namespace {

constexpr int kMillisecondsPerSecond = 1000;

// Signed distance from b to a on the wrapping millisecond clock.
int32_t Ahead(uint32_t a, uint32_t b) { return static_cast<int32_t>(a - b); }

}  // namespace

StepSchedule::StepSchedule(int updatesPerSecond, StepClock clockKind)
    : clock(clockKind),
      // A step shorter than 1 ms would never let the schedule catch up; none is longer than 1 s.
      stepMilliseconds(updatesPerSecond <= 0 ? kMillisecondsPerSecond
                                             : (kMillisecondsPerSecond / updatesPerSecond > 0
                                                    ? kMillisecondsPerSecond / updatesPerSecond
                                                    : 1)) {}

uint32_t StepSchedule::ReadClock() { return clock == StepClock::Smoothed ? smoothed.Read() : getMilliseconds(); }

void StepSchedule::Start() { nextStep = ReadClock(); }

int StepSchedule::RunDueSteps(const std::function<void()>& step) {
    if (Ahead(getMilliseconds(), nextStep) > kStallMilliseconds) nextStep = ReadClock();
    int steps = 0;
    while (steps < kMaxCatchUpSteps && Ahead(ReadClock(), nextStep) > 0) {
        step();
        nextStep += static_cast<uint32_t>(stepMilliseconds);
        ++steps;
    }
    return steps;
}

void StepSchedule::WaitForNextStep() {
    // A step is due once the clock is past nextStep, so wait one millisecond beyond it.
    const int32_t wait = Ahead(nextStep, getMilliseconds());
    sleepMilliseconds(wait >= 0 ? static_cast<uint32_t>(wait) + 1 : 0);
}
