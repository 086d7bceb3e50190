#pragma once
// The professor's sketches for the field guide's pages, img/fieldguide/sketch_0.png ... sketch_7.png:
// pen and ink with a light wash of watercolour, on a transparent ground so the page shows through.
//   0 the Wren aground on the reef      4 the ship's medicine chest
//   1 the old tablet of the legend      5 the God of Air in the cliff
//   2 the professor's instruments       6 a first map of the island
//   3 a sea turtle and a hatchling      7 margin doodles (a palm, a crab, a shell)
#include "tools/forge/core/rgba_image.h"

inline constexpr int kSketchCount = 8;
inline constexpr int kSketchWidth = 400;   // a page is 450 wide
inline constexpr int kSketchHeight = 220;  // the room under or over a page's text

RgbaImage fieldGuideSketch(int number);
