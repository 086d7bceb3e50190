#pragma once
// The dialog frame as the game assembles it from its eight pieces, for pictures that show a
// whole framed panel of their own (the options panel) and for previews.
#include "tools/forge/core/rgba_image.h"

// width and height are multiples of the 50-pixel corner, as every dialog of the game is.
RgbaImage dialogFrame(int width, int height);
