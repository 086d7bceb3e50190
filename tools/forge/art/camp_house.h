#pragma once
// A house of the camp seen from the front and a little from the right: a front wall with a gable,
// a side wall running back, a pitched roof, on stilts or on a low footing. Every stage is painted
// from the same measurements, so the stage pictures line up:
//   stage 1  pegs and string round the plot, the stilts or the footing, a stack of timber
//   stage 2  the frame: posts, half-built walls, bare rafters, a ladder
//   stage 3  the finished house with its door, windows and trim
// A rebuilt house (HouseSpec::rebuild) is painted over the old one and goes its own way.
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>

#include "tools/forge/art/camp_buildings.h"
#include "tools/forge/core/style.h"

enum class WallKind { Bamboo, Planks, Plaster };
enum class RoofKind { Thatch, Shingles };

struct HouseSpec {
    double left = 0, ground = 0;  // the front wall's bottom-left corner, at ground level
    double width = 100;           // front wall
    double depth = 80;            // how far the side wall runs back (drawn up and to the right)
    double wallHeight = 60;
    double roofHeight = 50;       // ridge above the top of the walls
    double overhang = 12;         // eaves beyond the walls
    double stilts = 0;            // floor above the ground; 0 stands on a stone footing
    WallKind wall = WallKind::Planks;
    RoofKind roof = RoofKind::Thatch;
    Rgb wallColor{0.80, 0.66, 0.45};
    Rgb roofColor{0.86, 0.68, 0.36};
    double doorAt = 0.5;          // middle of the door along the front wall (fraction); < 0 none
    int sideWindows = 1;
    uint32_t seed = 1;
    // Rebuilt over the same house once built in bamboo and thatch (same measurements): stage 1
    // puts scaffolding round the old house, stage 2 new walls and a new roof frame, and the
    // finished roof's edges are deep enough to hide every straw of the old one.
    bool rebuild = false;
};

void paintHouse(cairo_t* cr, const HouseSpec& spec, int stage);

// Points of the house on the picture, for the details other painters add (signs, chimneys).
struct HouseFrame {
    double floorY;        // bottom of the walls
    double dx, dy;        // the depth direction (to the back, up and right)
    double apexX, apexY;  // ridge at the front
    double eaveY;         // the front eaves' lower ends
};
HouseFrame houseFrame(const HouseSpec& spec);

// A building that is a house: the picture is sized round the house, its shadow and its ladder,
// with room to spare for details (spec.left and spec.ground are set here); the details, when
// given, are painted over every stage (and the ones behind, under it).
struct HouseRoom {
    double left = 0, top = 0, right = 0;
};
using HouseDetails = std::function<void(cairo_t* cr, const HouseSpec& spec, int stage)>;
BuildingArt houseArt(const std::string& image, HouseSpec spec, HouseDetails details = nullptr, HouseRoom room = {},
                     HouseDetails behind = nullptr);
