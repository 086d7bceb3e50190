#pragma once
// The engine's own record of the mouse, kept from the events the window delivers (scripted
// input included), so polling and events always agree. Read through engine/k_system.h.
#include "engine/k_event.h"

void noteMouseEvent(const KEvent& event);
void noteMousePosition(int x, int y);
