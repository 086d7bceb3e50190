#pragma once
// The six match-3 pieces, painted around their own centre (about 50 px across). Each differs from
// the others in outline as well as colour, so players who cannot tell the colours apart still can:
// hat (wide brim, yellow), shell (ribbed fan, pink), compass (four-pointed star, blue), rock
// (angular facets, violet), float (ring with a hole, orange-red), egg (tall oval, green).
#include <cairo.h>

#include <array>

#include "tools/forge/core/rgba_image.h"
#include "tools/forge/core/style.h"

struct PieceDesign {
    const char* name;                  // file name without extension, e.g. "hat"
    void (*silhouette)(cairo_t* cr);   // the outline as a path (fill rule set by the function)
    void (*paint)(cairo_t* cr);        // the finished piece, outline included
    Rgb color;                         // the piece's main colour, for sparks and previews
};

constexpr int kPieceKinds = 6;
// In colour order: 0 hat, 1 shell, 2 compass, 3 rock, 4 float, 5 egg.
const std::array<PieceDesign, kPieceKinds>& pieceDesigns();

// Frame geometry of every piece sheet: 64 x 64 frames, 18 x 2 grid, 35 frames. The piece's
// centre sits at (30.5, 31.5): the board draws frames centred 2 px right of and below the cell
// centre, so the piece lands in the middle of its square (a pixel low, leaving room above for its
// hop) with its shadow falling to the lower right.
constexpr int kPieceFrame = 64;
constexpr int kPieceColumns = 18;
constexpr int kPieceRows = 2;
constexpr int kPieceFrames = 35;
constexpr double kPieceCentreX = 30.5;
constexpr double kPieceCentreY = 31.5;

// Frame 0 is the piece at rest; frames 1..34 are its highlight: a hop with squash and stretch, a
// shine sweeping across, a wobble that settles and a twinkle, ending where frame 0 begins.
RgbaImage paintPieceFrame(const PieceDesign& design, int frame);
