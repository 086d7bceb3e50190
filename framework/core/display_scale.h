#pragma once
// The display scale follows the window: whatever size the player gives the window (or full screen
// gives it), the canvas is drawn into the largest area of its aspect that fits, and the mouse is
// mapped back onto the canvas by that area's scale.

// Takes the window's current canvas area (KWindow::getWidth/getHeight) as the frame context's
// width and height and sets the display scale to area width / canvas width; unscaled when the area
// is the canvas's own size. Does nothing before the window maps the canvas itself.
void FollowWindowSize();
