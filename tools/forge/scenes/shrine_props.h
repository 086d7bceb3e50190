#pragma once
// The God of Air's cliff shrine ("god_of_air"): where everything stands, and the painters of the
// things the player takes, moves or uses. Positions are canvas pixels (1600 x 900); the scene's
// script (content/Scenes/god_of_air.angel) moves the pieces by the same numbers.
#include <cairo.h>

namespace shrine {
// The carved face in the cliff and the cave behind its pursed lips.
constexpr double kFaceX = 860, kFaceY = 268, kFaceRadius = 150;
constexpr double kMouthX = kFaceX, kMouthY = kFaceY + kFaceRadius * 0.52;
// The altar's round top, and its three sockets from left to right: cloud, feather, spiral.
constexpr double kAltarX = 800, kAltarY = 606, kAltarRadiusX = 178, kAltarRadiusY = 50;
constexpr double kSocketY = kAltarY + 2;
constexpr double kSocketX[3] = {kAltarX - 104, kAltarX, kAltarX + 104};
constexpr double kSocketRadiusX = 36, kSocketRadiusY = 20;
// The seabird's nest on the right-hand ledge, and where the cloud tile lands when knocked out.
constexpr double kLedgeY = 262;
constexpr double kNestX = 1418, kNestY = 246;
constexpr double kCloudTileX = 1432, kCloudTileY = 226;
constexpr double kCloudLandX = 1372, kCloudLandY = 690;
// The hollow behind the vines, and the feather tile on its sill.
constexpr double kNicheX = 1238, kNicheTop = 372, kNicheBottom = 548, kNicheHalfWidth = 62;
constexpr double kFeatherTileX = 1238, kFeatherTileY = 512;
// Ground things.
constexpr double kUrnX = 1478, kUrnFootY = 712;
constexpr double kRubbleX = 505, kRubbleY = 676;
constexpr double kFlintX = 522, kFlintY = 634;
constexpr double kBranchX = 236, kBranchY = 676;  // the middle of the fallen branch
constexpr double kTreeFootX = 300, kTreeFootY = 640;
constexpr double kChimeX = 168, kChimeY = 300;     // where the chime's cord hangs from
constexpr double kPlaqueX = kFaceX, kPlaqueY = 492;
constexpr double kTerraceY = 560;                  // where the cliff meets the terrace
constexpr double kHorizonY = 330;
}  // namespace shrine

enum class WindSign { Cloud, Feather, Spiral };

// A sign engraved or inlaid: `size` is its height, drawn round (cx, cy).
void paintWindSign(cairo_t* cr, WindSign sign, double cx, double cy, double size, double width);
// A carved tile of blue sky-stone with its sign inlaid in gold, turned by `angle` radians.
void paintCarvedTile(cairo_t* cr, WindSign sign, double cx, double cy, double size, double angle);
// The same tile lying in its socket on the altar, seen from above at a slant.
void paintSetTile(cairo_t* cr, WindSign sign, double cx, double cy);
// An empty socket: a dark hollow with its sign scratched faintly into the floor.
void paintSocket(cairo_t* cr, WindSign sign, double cx, double cy);

void paintFallenBranch(cairo_t* cr, double cx, double cy, double length, double angle);
void paintFlint(cairo_t* cr, double cx, double cy, double size);
void paintNest(cairo_t* cr, double cx, double cy, double width);
void paintVineCurtain(cairo_t* cr);
void paintUrnBody(cairo_t* cr, double cx, double footY);
void paintUrnSeal(cairo_t* cr, double cx, double footY);     // the lid and its wax, on the urn
void paintUrnLidOff(cairo_t* cr, double cx, double footY);   // the lid lying beside it
void paintWindChime(cairo_t* cr, double x, double y);
// The god's eyes open and glow, his lips breathe light: laid over the carving at the end.
void paintAwakeFace(cairo_t* cr);
