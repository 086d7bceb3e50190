#pragma once
// The camp's four palm strips ("states/camp/palm1.png" ... "palm4.png"): each a row of frames of
// one palm swaying from one side to the other, its foot fixed at the frame's bottom middle.
#include <cairo.h>

#include "tools/forge/core/rgba_image.h"
#include "tools/forge/core/style.h"

inline constexpr int kCampPalmFrameWidth = 240;
inline constexpr int kCampPalmFrameHeight = 280;

// strip 1..4, frame 0 .. camp_layout::kPalmFrames - 1.
RgbaImage campPalmFrame(int strip, int frame);
RgbaImage campPalmStrip(int strip);

// A still palm of the same kind for the background: foot and crown on the canvas.
void paintFeatherPalm(cairo_t* cr, double footX, double footY, double crownX, double crownY, double size, Rgb light,
                      Rgb dark, unsigned seed);

// Where the foot of a palm of the table stands on the canvas (zoom and turn about the frame's
// centre applied), for the shadows the background paints under the palms.
struct CampPalmFoot {
    double x, y, scale;
};
CampPalmFoot campPalmFoot(int index);
