#pragma once
// The overlay registry: 64 layers, each a list of (overlay, owner state) records in registration
// order. The registry borrows overlays; their owners keep them alive and unregister them (an
// overlay also unregisters itself when destroyed). Overlays may register, unregister or be
// destroyed while the registry walks its layers (a black-out switching states from its Update):
// records removed during a walk are blanked and swept once the walk ends.
#include <cstdint>

#include "framework/core/ldv_list.h"

class LDvOverlay;
class LDvState;

constexpr int kOverlayLayers = 64;

struct LDvRegistered {
    LDvOverlay* overlay = nullptr;      // null only for a record removed during a walk
    LDvState* owner = nullptr;          // null: updated and drawn under every state
};

void Register(LDvOverlay* overlay, LDvState* owner);
void Unregister(LDvOverlay* overlay);
void SetLayer(LDvOverlay* overlay, int layer);
void DrawOverlays();                    // layer 0 first, skipping hidden overlays
void UpdateOverlays();                  // overlays of the current state and those without owner; then the shake
void StartScreenShake(int steps, int amplitude);

// The shake that offsets every overlay; the offset itself lives in the frame context's draw offset.
struct ScreenShake {
    int32_t remaining = 0;              // steps
    int32_t phase = 0;
    int32_t amplitude = 0;              // pixels per table unit
};
const ScreenShake& CurrentScreenShake();

// The clicked-button search of the event dispatch: layers 0..63 in order, overlays owned by exactly
// `owner` that are enabled buttons; the first whose UpdateHover + IsClicked answers true.
LDvOverlay* FindClickedButton(LDvState* owner);
// The press pass of the event dispatch: every button owned by exactly `owner` polls the mouse
// (UpdateHover) as a left press is dispatched, so a press released within the same frame still
// arms the button it landed on before the click search asks for the click.
void ShowPressToButtons(LDvState* owner);

const LDvList<LDvRegistered>& RegisteredOn(int layer);
