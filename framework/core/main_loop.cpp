#include "framework/core/main_loop.h"

#include "engine/k_clock.h"
#include "engine/k_window.h"
#include "framework/core/event_dispatch.h"
#include "framework/core/frame_context.h"
#include "framework/core/frame_pacer.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_game.h"
#include "framework/core/ldv_state.h"
#include "framework/core/step_schedule.h"
#include "framework/ui/overlay_registry.h"

namespace {

LoopHooks& Hooks() {
    static LoopHooks hooks;
    return hooks;
}

int& FrameCounter() {
    static int frames = 0;
    return frames;
}

FramePacer& Pacer() {
    static FramePacer pacer;
    return pacer;
}

void DrawFrame(KWindow& window) {
    if (Frame().currentState == nullptr) return;
    window.setDefaultWorldView();
    DrawOverlays();
}

// Presenting on vsync paces the loop by itself; otherwise the loop sleeps between steps.
bool PresentPacesTheLoop(const KWindow& window) { return window.presentWaitsForDisplay() && !isManualClock(); }

void Present(KWindow& window) {
    const int frame = FrameCounter() + 1;
    if (Hooks().beforePresent) Hooks().beforePresent(frame);
    window.flipBackBuffer(true);
    FrameCounter() = frame;
    if (Hooks().afterPresent) Hooks().afterPresent(frame);
}

// A frame that would show what is on screen already counts as shown, without being drawn.
void Hold(KWindow& window) {
    const int frame = FrameCounter() + 1;
    window.holdFrame();
    FrameCounter() = frame;
    if (Hooks().afterPresent) Hooks().afterPresent(frame);
}

// Tests that look at every frame, or script the input frame by frame, get every frame drawn.
bool MayHoldFrames(const KWindow& window) { return !Hooks().beforePresent && !window.hasTestInput(); }

// Draws and presents the frame, or holds it; true when it was presented.
bool ShowFrame(KWindow& window) {
    const auto draw = [&window] { DrawFrame(window); };
    if (!Pacer().ShouldDraw(window, draw, MayHoldFrames(window))) {
        Hold(window);
        return false;
    }
    DrawFrame(window);
    Pacer().Drawn(window.signature().value());
    Present(window);
    return true;
}

}  // namespace

void SetLoopHooks(LoopHooks hooks) {
    Hooks() = std::move(hooks);
    Pacer().Reset();
}

int PresentedFrames() { return FrameCounter(); }

void RunOneStep() {
    FrameContext& frame = Frame();
    if (LDvDialog* secondary = frame.secondary) secondary->Update();
    if (LDvState* state = frame.currentState) {
        if (frame.window != nullptr) frame.window->setDefaultWorldView();
        ++state->tickCount;
        state->Update();
        UpdateOverlays();
    }
    ++frame.tickCount;
    if (LDvGame* game = frame.game) game->OnTick();
}

void RunLoopPass(StepSchedule& schedule) {
    FrameContext& frame = Frame();
    schedule.RunDueSteps(RunOneStep);
    DispatchEvents();
    KWindow* window = frame.window.get();
    if (window == nullptr) return;
    const bool presented = ShowFrame(*window);
    // Without vsync (software renderer) presenting returns at once; sleeping until the next step
    // keeps an idle game from spinning a core. A manual clock only moves when the loop sleeps.
    if (presented && PresentPacesTheLoop(*window)) {
        sleepMilliseconds(0);
    } else {
        schedule.WaitForNextStep();
    }
    if (frame.quitPending) {
        Log("=== Game Ended ===");
        window->requestQuit();
    }
}

void RunMainLoop() {
    if (Frame().window == nullptr) return;
    // The smoothed clock evens out the uneven intervals of presenting on vsync; a loop that sleeps
    // until each step is due reads the raw clock, which then is exact (the smoothed one would lag
    // after every sleep and cost an empty frame per step).
    const StepClock clock = PresentPacesTheLoop(*Frame().window) ? StepClock::Smoothed : StepClock::Raw;
    StepSchedule schedule(Frame().updatesPerSecond, clock);
    schedule.Start();
    while (Frame().window != nullptr && !Frame().window->isQuitRequested()) RunLoopPass(schedule);
}
