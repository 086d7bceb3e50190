#pragma once
// Painting moves the camp's pictures share: smooth outlines through a list of points, soft ground
// shadows, and the coast line the background, the previews and the checks all agree on.
#include <cairo.h>

#include <initializer_list>
#include <vector>

#include "tools/forge/core/style.h"

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
void groundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha);

// The camp's land as seen on the background: the far shore behind the palm grove and the near
// shore along the bottom, both from the left edge to the right edge, and the rocky point on the
// left between the two bays. Points run left to right.
const std::vector<CampPoint>& campFarShore();
const std::vector<CampPoint>& campNearShore();
