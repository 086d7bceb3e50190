#pragma once
// Where a canvas of one shape is shown in a window of another: the largest area of the canvas's
// aspect that fits the window, centred, with black bars on the two other sides.

struct AreaSize {
    int width = 0;
    int height = 0;
};

// The area for the canvas in a window of the given size, in the window's pixels. A window within
// a pixel of the canvas's aspect (1365 x 768 for 1600 x 900) is taken whole: stretching one axis by
// less than a pixel cannot be seen, a bar one pixel wide can. Sizes that are not positive give an
// empty area.
AreaSize letterBoxArea(int canvasWidth, int canvasHeight, int windowWidth, int windowHeight);
