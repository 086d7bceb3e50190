#pragma once
// Painting moves the camp's pictures share: smooth outlines through a list of points, soft ground
// shadows, and the coast line the background, the previews and the checks all agree on.
#include <cairo.h>

#include <initializer_list>
#include <vector>

#include "tools/forge/core/style.h"

// The camp's materials, shared by every building so the camp reads as one place.
namespace campPalette {
constexpr Rgb kTimber{0.58, 0.40, 0.24};      // posts, beams, decks
constexpr Rgb kPole{0.70, 0.55, 0.35};        // unpainted poles and ladders
constexpr Rgb kRope{0.85, 0.75, 0.55};
constexpr Rgb kBamboo{0.84, 0.72, 0.48};
constexpr Rgb kStraw{0.88, 0.70, 0.38};       // thatch
constexpr Rgb kPlanks{0.72, 0.52, 0.32};      // plank walls
constexpr Rgb kWhitewash{0.96, 0.94, 0.88};
constexpr Rgb kCanvas{0.95, 0.93, 0.84};      // tents and sails
constexpr Rgb kStone{0.55, 0.54, 0.50};
constexpr Rgb kDoorway{0.18, 0.11, 0.07};     // dark openings
constexpr Rgb kMedicGreen{0.22, 0.62, 0.36};  // the clinic's cross and awning
constexpr Rgb kFlagRed{0.86, 0.26, 0.22};
constexpr Rgb kRedShingles{0.72, 0.34, 0.24};
constexpr Rgb kTarShingles{0.36, 0.36, 0.40};
}  // namespace campPalette

struct CampPoint {
    double x, y;
};

// A smooth curve through the points (Catmull-Rom turned into Bezier segments), added to the path.
void smoothPath(cairo_t* cr, const std::vector<CampPoint>& points, bool closed);
// A closed polygon as the current path.
void polygonPath(cairo_t* cr, std::initializer_list<CampPoint> points);
// A straight stroke with round ends, from a to b.
void strokeLine(cairo_t* cr, CampPoint a, CampPoint b, Rgb color, double width, double alpha = 1.0);
// A squared timber post standing on bottom, lit from the left, inked.
void paintPost(cairo_t* cr, CampPoint bottom, double height, double width, Rgb wood = {0.58, 0.40, 0.24});
// A green cross on a white disc, the camp's sign for help (never a red cross: that one is protected).
void paintMedicSign(cairo_t* cr, double cx, double cy, double r);
// A soft, flat shadow on the ground, darkest in its middle.
void groundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha, double midShare = 0.6);

// The camp's land as seen on the background: the far shore behind the palm grove and the near
// shore along the bottom, both from the left edge to the right edge, and the rocky point on the
// left between the two bays. Points run left to right.
const std::vector<CampPoint>& campFarShore();
const std::vector<CampPoint>& campNearShore();
