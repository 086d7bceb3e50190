#include "game/app/start_up_progress.h"

#include <algorithm>
#include <cstdio>

#include "framework/core/frame_context.h"
#include "game/app/loading_screen.h"

namespace {

// The screen is redrawn at most this often (15 times a second, enough for a bar that only grows):
// each redraw costs a present, which may wait for the display, and loading is what the player waits for.
constexpr auto kRedrawInterval = std::chrono::milliseconds(66);

}  // namespace

void StartUpProgress::Start(int total) {
    totalWeight = std::max(total, 1);
    started = Clock::now();
    lastDraw = started - kRedrawInterval;
}

void StartUpProgress::Begin(const Step& step, int items) {
    EndStep();
    current = step.name;
    stepStart = Clock::now();
    stepCpuStart = std::clock();
    stepWeight = step.weight;
    stepItems = std::max(items, 1);
    stepDone = 0;
    MaybeDraw();
}

void StartUpProgress::Tick() {
    stepDone = std::min(stepDone + 1, stepItems);
    MaybeDraw();
}

void StartUpProgress::Expect(int items) {
    stepItems = std::max(items, 1);
    stepDone = std::min(stepDone, stepItems);
}

void StartUpProgress::Finish() {
    EndStep();
    if (drawn) {
        DrawLoadingScreen(1.0f);
        // Clicks and keys given to the loading screen are not meant for the first screen.
        Frame().eventQueue.Clear();
    }
    if (!reportTimes) return;
    StepTime total{"total", 0.0, 0.0};
    for (const StepTime& time : times) {
        std::printf("load-time %s %.1f %.1f\n", time.name, time.milliseconds, time.cpuMilliseconds);
        total.milliseconds += time.milliseconds;
        total.cpuMilliseconds += time.cpuMilliseconds;
    }
    std::printf("load-time total %.1f %.1f\n", total.milliseconds, total.cpuMilliseconds);
    std::fflush(stdout);
}

float StartUpProgress::Fraction() const {
    const float inStep = static_cast<float>(stepWeight) * static_cast<float>(stepDone) / static_cast<float>(stepItems);
    return std::min(1.0f, (static_cast<float>(doneWeight) + inStep) / static_cast<float>(totalWeight));
}

void StartUpProgress::EndStep() {
    if (current == nullptr) return;
    const std::chrono::duration<double, std::milli> took = Clock::now() - stepStart;
    const double cpu = static_cast<double>(std::clock() - stepCpuStart) * 1000.0 / CLOCKS_PER_SEC;
    times.push_back({current, took.count(), cpu});
    doneWeight += stepWeight;
    stepWeight = 0;
    stepDone = 0;
    current = nullptr;
}

void StartUpProgress::MaybeDraw() {
    if (!showScreen) return;
    const Clock::time_point now = Clock::now();
    if (now - lastDraw < kRedrawInterval) return;
    lastDraw = now;
    drawn = DrawLoadingScreen(Fraction()) || drawn;
}
