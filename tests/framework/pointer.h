#pragma once
// Moves the engine's mouse as the window would after pumping events, for widgets that poll it.
#include "engine/k_event.h"
#include "engine/k_system.h"
#include "engine/k_test_input.h"
#include "engine/mouse_state.h"

inline void PointerAt(int x, int y) { noteMousePosition(x, y); }

inline void PointerButton(bool down) {
    noteMouseEvent(KTestInput::mouseEvent(down ? K_EVENT_MOUSEDOWN : K_EVENT_MOUSEUP, K_BUTTON_LEFT, getMouseX(),
                                          getMouseY()));
}
