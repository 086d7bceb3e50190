#pragma once
// What a dialog puts behind itself: one of the game's dimmers darkening the screen to half black
// (the dimmers belong to the game object), and the dark brown fill of the shared dialog frame.
#include <cstdint>

class BlackOut;

inline constexpr int32_t kDimSteps = 20;
inline constexpr int32_t kDimPercent = 50;

// Darkens the screen to half black over 20 steps and keeps it so.
void DimIn(BlackOut& dimmer);
// Brightens it again over 20 steps.
void DimOut(BlackOut& dimmer);
// The fill every framed dialog of the game shows; set before the dialog is drawn.
void UseDialogFill();
