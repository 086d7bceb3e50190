#pragma once
// How the shell opens the game's window, beyond the canvas's area (the frame context's width and
// height): set by the game before InitGame; the defaults open a window of exactly that area.
#include <cstdint>

struct WindowRequest {
    int width = 0;                       // the window's size when it opens; 0: the frame's width x height
    int height = 0;
    int minimumWidth = 0;                // the smallest the player may make it; 0: no limit
    int minimumHeight = 0;
    bool maximised = false;              // the window opens maximised
    int canvasWidth = 0;                 // the canvas drawn on; 0: the frame's size over its display scale
    int canvasHeight = 0;
};

// The one request of the process; ResetFrameForTesting resets it with the frame context.
WindowRequest& RequestedWindow();
