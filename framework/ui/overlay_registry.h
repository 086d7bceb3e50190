#pragma once
// The overlay registry: 64 layers, each a list of (overlay, owner state) records in registration
// order. The registry borrows overlays; their owners keep them alive and unregister them (an
// overlay also unregisters itself when destroyed).
#include "framework/core/ldv_list.h"

class LDvOverlay;
class LDvState;

constexpr int kOverlayLayers = 64;

struct LDvRegistered {
    LDvOverlay* overlay = nullptr;
    LDvState* owner = nullptr;          // null: updated and drawn under every state
};

void Register(LDvOverlay* overlay, LDvState* owner);
void Unregister(LDvOverlay* overlay);
void SetLayer(LDvOverlay* overlay, int layer);
void DrawOverlays();                    // layer 0 first, skipping hidden overlays
void UpdateOverlays();                  // overlays of the current state and those without owner; then the shake
void StartScreenShake(int steps, int amplitude);

// The clicked-button search of the event dispatch: layers 0..63 in order, overlays owned by exactly
// `owner` that are enabled buttons; the first whose UpdateHover + IsClicked answers true.
LDvOverlay* FindClickedButton(LDvState* owner);

const LDvList<LDvRegistered>& RegisteredOn(int layer);
