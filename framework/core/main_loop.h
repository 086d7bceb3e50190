#pragma once
// The fixed-step main loop: each pass runs the steps that are due, dispatches the queued input,
// draws every registered overlay and presents the frame. Modal states run the same pass in a
// nested loop.
#include <functional>

class StepSchedule;

// Test and tool hooks around presenting; the frame number counts presented frames from 1.
struct LoopHooks {
    std::function<void(int frame)> beforePresent;  // the back buffer holds the finished frame
    std::function<void(int frame)> afterPresent;
};
void SetLoopHooks(LoopHooks hooks);

// Runs passes until the window's quit is requested.
void RunMainLoop();
void RunLoopPass(StepSchedule& schedule);
// One fixed step: the secondary dialog, the current state and its overlays, then the game's OnTick.
void RunOneStep();
int PresentedFrames();
