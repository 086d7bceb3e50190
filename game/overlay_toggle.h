#pragma once
// The step every state's ToggleOverlays takes for each overlay it owns: register it with the
// state as owner when it is not registered, else take it out of the registry.
#include "framework/ui/ldv_overlay.h"
#include "framework/ui/overlay_registry.h"

inline void ToggleOverlay(LDvOverlay& overlay, LDvState* owner) {
    if (overlay.registered) Unregister(&overlay);
    else Register(&overlay, owner);
}
