#pragma once
// Every frame of a sheet zoomed and turned once, ahead of time, as LDvOverlay::Draw would zoom and
// turn it about the frame's centre (a positive angle turns clockwise on screen), with smooth
// sampling. The new cells are just large enough for every frame's visible pixels; a frame drawn
// at (x, y) before shows the same when its new cell is drawn plainly at (x + offsetX, y + offsetY).
#include "framework/ui/sheet_pixels.h"

struct TurnedFrames {
    SheetPixels sheet;                 // one row of `frameCount` cells; empty when nothing is visible
    int offsetX = 0;                   // the new cell's top-left from the old frame's, in pixels
    int offsetY = 0;
};

// The first `frameCount` frames of `source`. Safe on any thread: it touches only its arguments.
TurnedFrames TurnFrames(const SheetPixels& source, int frameCount, float zoom, float angleDegrees);
