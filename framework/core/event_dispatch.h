#pragma once
// Input from the engine to the states: the event callback queues engine events, and once per frame
// the dispatcher turns them into messages, first to the secondary dialog and then to the current
// state, tracking the mouse buttons to tell clicks from drags.
#include "engine/k_event.h"

// The callback installed on the window: queues the input and focus events the game uses and
// pauses or resumes the sounds when the window loses or regains focus; a resized window changes the
// display scale there and then (framework/core/display_scale.h). Always lets the engine go on.
bool GameEventHandler(KEvent* event);

// Dispatches the queued events. Mouse events wait while no state is current.
void DispatchEvents();

// Forgets the pressed left button and any drag (entering or leaving a modal state).
void ResetMouseTracking();

// Where the dispatcher learns the physical button state; tests replace the engine's readings.
struct PhysicalMouseButtons {
    bool (*leftDown)();
    bool (*rightDown)();
};
void SetPhysicalMouseButtonsForTesting(PhysicalMouseButtons buttons);  // null members restore the engine's
