#pragma once
// The screen shown while the game loads at start-up, before any picture or font is there: a calm
// sea at dusk over a strip of beach, and a wooden progress bar filling with gold. Drawn straight
// with the window's primitives and presented at once; nothing is kept between calls.

// Draws the screen with `fraction` (0..1) of the bar filled and presents it. False when there is
// no window to draw into yet.
bool DrawLoadingScreen(float fraction);
