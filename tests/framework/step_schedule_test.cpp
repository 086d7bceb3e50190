#include <gtest/gtest.h>

#include "engine/k_clock.h"
#include "framework/core/step_schedule.h"

namespace {

class ManualClock {
public:
    ManualClock() { setManualClock(true); }
    ~ManualClock() { setManualClock(false); }
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;
};

// Runs frames `frameMilliseconds` apart for `wallMilliseconds`; returns the steps run.
int RunFrames(StepSchedule& schedule, int frameMilliseconds, int wallMilliseconds, int* mostInOneFrame = nullptr) {
    int steps = 0;
    for (int elapsed = 0; elapsed < wallMilliseconds; elapsed += frameMilliseconds) {
        advanceManualClock(static_cast<uint32_t>(frameMilliseconds));
        const int ran = schedule.RunDueSteps([] {});
        if (mostInOneFrame != nullptr && ran > *mostInOneFrame) *mostInOneFrame = ran;
        steps += ran;
    }
    return steps;
}

}  // namespace

TEST(StepSchedule, StepsAreWholeMillisecondsOfTheRate) {
    EXPECT_EQ(StepSchedule(60, StepClock::Smoothed).StepMilliseconds(), 16);
    EXPECT_EQ(StepSchedule(125, StepClock::Smoothed).StepMilliseconds(), 8);
    EXPECT_EQ(StepSchedule(0, StepClock::Raw).StepMilliseconds(), 1000);   // no division by zero
    EXPECT_EQ(StepSchedule(5000, StepClock::Raw).StepMilliseconds(), 1);
}

TEST(StepSchedule, RunsSixtyTwoAndAHalfStepsPerSecondAtAnyFrameRate) {
    ManualClock clock;
    for (StepClock kind : {StepClock::Smoothed, StepClock::Raw}) {
        for (int frame : {5, 16, 17, 40}) {
            SCOPED_TRACE(testing::Message() << "frames every " << frame << " ms, raw clock " << (kind == StepClock::Raw));
            StepSchedule schedule(60, kind);
            schedule.Start();
            const int steps = RunFrames(schedule, frame, 10000);
            EXPECT_NEAR(steps, 625, 3);
        }
    }
}

TEST(StepSchedule, CatchesUpAtMostTenStepsPerFrame) {
    ManualClock clock;
    StepSchedule schedule(60, StepClock::Raw);
    schedule.Start();
    RunFrames(schedule, 16, 1000);
    advanceManualClock(240);  // 15 steps owed, below the stall limit
    EXPECT_EQ(schedule.RunDueSteps([] {}), 10);
    int most = 0;
    const int later = RunFrames(schedule, 16, 160, &most);
    EXPECT_EQ(later, 15);     // the other 5 follow, on top of the 10 of these frames
}

TEST(StepSchedule, DropsTheBacklogAfterAStallOverAQuarterSecond) {
    ManualClock clock;
    for (StepClock kind : {StepClock::Smoothed, StepClock::Raw}) {
        SCOPED_TRACE(kind == StepClock::Raw ? "raw clock" : "smoothed clock");
        StepSchedule schedule(60, kind);
        schedule.Start();
        RunFrames(schedule, 16, 1000);
        advanceManualClock(2000);
        EXPECT_LE(schedule.RunDueSteps([] {}), 1);
        int most = 0;
        EXPECT_NEAR(RunFrames(schedule, 16, 480, &most), 30, 2);
        EXPECT_LE(most, 2);   // no burst
    }
}

TEST(StepSchedule, WaitingForTheNextStepGivesOneStepPerFrame) {
    ManualClock clock;
    StepSchedule schedule(60, StepClock::Raw);
    schedule.Start();
    const uint32_t start = getMilliseconds();
    for (int frame = 0; frame < 600; ++frame) {
        SCOPED_TRACE(frame);
        schedule.WaitForNextStep();  // with the manual clock, sleeping moves the clock
        ASSERT_EQ(schedule.RunDueSteps([] {}), 1);
    }
    EXPECT_NEAR(static_cast<double>(getMilliseconds() - start), 600 * 16, 16);
}
