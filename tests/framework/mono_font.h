#pragma once
// A tiny bitmap font for text tests: every printable character is a solid 8 x 16 block advancing
// 10 pixels, the blank is an empty cell of the same advance, and the line height is 20. Widths
// are then 10 per character, and drawn text shows where each character landed.
#include <string>

#include "tests/support/picture_fixtures.h"

constexpr int kMonoAdvance = 10;
constexpr int kMonoGlyphWidth = 8;
constexpr int kMonoGlyphHeight = 16;
constexpr int kMonoLineHeight = 20;

// Writes fonts/mono.table and fonts/mono.png under the world's data root.
void WriteMonoFont(const PictureWorld& world);
