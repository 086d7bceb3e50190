#pragma once
// What sits behind and inside the game's dialogs: the two dimmers that darken the screen to half
// black behind a dialog, and the dark brown the dialog frames are filled with.
#include <initializer_list>

class BlackOut;
class ButtonBase;
class LDvOverlay;
class LDvState;

constexpr int kDimSteps = 20;          // steps of a dim in or out
constexpr int kDimmedPercent = 50;     // opacity of a dimmed screen

// Darkens the screen to half black over 20 steps and keeps it so.
void DimIn(BlackOut& dimmer);
// Clears a dimmed screen over 20 steps.
void DimOut(BlackOut& dimmer);

// The dark brown (55, 19, 3) every dialog frame of the game is filled with.
void UseDialogFill();

// Registers each overlay with `owner` when it is not registered, else unregisters it: what every
// dialog's ToggleOverlays does over the overlays it shows.
void ToggleOverlayList(std::initializer_list<LDvOverlay*> overlays, LDvState* owner);
// Moves each overlay to `layer` (registered ones move in the registry too).
void SetLayers(std::initializer_list<LDvOverlay*> overlays, int layer);

// The height of a framed text button (its middle piece's).
int ButtonHeight(ButtonBase& button);
// Places a framed text button so that its bottom-right corner is at (right, bottom).
void PlaceButtonBottomRight(ButtonBase& button, int right, int bottom);
