#include "framework/core/state_control.h"

#include "engine/k_window.h"
#include "framework/core/event_dispatch.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_state.h"
#include "framework/core/main_loop.h"
#include "framework/core/step_schedule.h"

namespace {

void EnterState(LDvState* state, LDvGame* game) {
    Frame().currentState = state;
    state->tickCount = 0;
    state->game = game;
    if (!state->initialised) {
        state->initialised = true;
        state->OnFirstEnter();
    }
    state->ToggleOverlays();
    state->OnEnter();
}

bool QuitRequested() {
    const KWindow* window = Frame().window.get();
    return window == nullptr || window->isQuitRequested();
}

}  // namespace

void SetState(LDvState* state, LDvGame* game, bool keepPrevious) {
    if (state == nullptr) {
        Log("SetState: no state given");
        return;
    }
    CloseSecondary();
    LDvState* previous = Frame().currentState;
    if (previous != nullptr && !keepPrevious) {
        previous->ToggleOverlays();
        previous->OnLeave(state);
    }
    EnterState(state, game);
}

void RunModal(LDvState* state) {
    if (state == nullptr) {
        Log("RunModal: no state given");
        return;
    }
    FrameContext& frame = Frame();
    frame.stateStack.Add(frame.currentState);
    ResetMouseTracking();
    CloseSecondary();
    EnterState(state, frame.game);
    StepSchedule schedule(frame.updatesPerSecond, StepClock::Raw);
    schedule.Start();
    while (frame.currentState == state) {
        if (QuitRequested() || frame.modalAbort) {
            frame.modalAbort = true;
            EndModal();
            break;  // the enclosing modal loops see the flag at the top of their next pass
        }
        RunLoopPass(schedule);
    }
}

void EndModal() {
    FrameContext& frame = Frame();
    if (frame.stateStack.IsEmpty()) {
        Log("EndModal: no modal state is running");
        return;
    }
    LDvState* leaving = frame.currentState;
    if (leaving != nullptr) leaving->ToggleOverlays();
    LDvState* returning = frame.stateStack.Tail();
    frame.stateStack.Erase(std::prev(frame.stateStack.end()));
    if (leaving != nullptr) leaving->OnLeave(returning);
    frame.currentState = returning;
    ResetMouseTracking();
}

void ShowSecondary(LDvDialog* dialog) {
    if (dialog == nullptr) return;
    CloseSecondary();
    if (!dialog->initialised) {
        dialog->OnFirstEnter();
        dialog->initialised = true;
    }
    dialog->OnEnter();
    dialog->ToggleOverlays();
    Frame().secondary = dialog;
}

void CloseSecondary() {
    LDvDialog* secondary = Frame().secondary;
    if (secondary == nullptr) return;
    secondary->ToggleOverlays();
    secondary->OnLeave(nullptr);
    Frame().secondary = nullptr;
}
