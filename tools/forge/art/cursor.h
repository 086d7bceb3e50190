#pragma once
// The game's cursor pictures, one frame per kind (see cursor.cpp for the kinds and hot spots).
#include "tools/forge/core/rgba_image.h"

inline constexpr int kCursorFrameSize = 76;
inline constexpr int kCursorArrowSouthEast = 14;  // a golden arrow pointing down and right

RgbaImage cursorFrame(int kind);  // kCursorFrameSize square, with its drop shadow
