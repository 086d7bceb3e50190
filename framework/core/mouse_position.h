#pragma once
// Where the mouse is on the 1600 x 900 canvas, and whether its left button is down, for states
// and widgets that poll it between input messages.
#include "framework/core/ldv_string.h"

LDvPoint GetMousePosition();

// The left button as polling widgets see it: the engine's reading after the last pumped frame,
// except while the event dispatch hands them one queued press or release, when it is what that
// event left. A press and release pumped within one frame (a tap) so reach them one after the other.
bool GetLeftButtonDown();

// Held by the event dispatch while it shows the widgets one queued left press or release.
class DispatchedLeftButton {
public:
    explicit DispatchedLeftButton(bool down);
    ~DispatchedLeftButton();
    DispatchedLeftButton(const DispatchedLeftButton&) = delete;
    DispatchedLeftButton& operator=(const DispatchedLeftButton&) = delete;

private:
    int previous;
};
