#pragma once
// Keeps track of the start-up loading: which step runs, how much of the whole is done, and how
// long each step took. It shows the loading screen while the game loads (when asked to) and can
// print the time of every step. The game object owns one for its start-up; it borrows nothing.
#include <chrono>
#include <ctime>
#include <vector>

#include "framework/core/ldv_string.h"

class StartUpProgress {
public:
    // Relative cost of each step in the whole start-up, so that the bar moves at an even pace.
    struct Step {
        const char* name;
        int weight;
    };

    StartUpProgress() = default;

    bool showScreen = false;             // draw the loading screen between loads
    bool reportTimes = false;            // print "load-time <step> <wall ms> <cpu ms>" lines to standard output

    // Starts the clock; the weights of all steps to come add up to totalWeight.
    void Start(int totalWeight);
    // Starts `step` (which ends the one before), expecting `items` calls of Tick within it.
    void Begin(const Step& step, int items = 1);
    void Tick();
    // The running step turns out to take `items` ticks in all (a folder's files, once listed).
    void Expect(int items);
    // Ends the last step and prints the times when asked to.
    void Finish();

    float Fraction() const;              // 0 .. 1 of the whole start-up
    struct StepTime {
        const char* name;
        double milliseconds;             // wall clock
        double cpuMilliseconds;          // processor time of the whole process, which a busy machine does not stretch
    };
    const std::vector<StepTime>& Times() const { return times; }

private:
    using Clock = std::chrono::steady_clock;

    void EndStep();
    void MaybeDraw();

    std::vector<StepTime> times;
    const char* current = nullptr;
    Clock::time_point stepStart;
    std::clock_t stepCpuStart = 0;
    Clock::time_point lastDraw;
    Clock::time_point started;
    bool drawn = false;                  // the loading screen was shown at least once
    int totalWeight = 1;
    int doneWeight = 0;                  // weight of the finished steps
    int stepWeight = 0;
    int stepItems = 1;
    int stepDone = 0;
};
