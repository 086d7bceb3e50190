#include "tools/forge/art/map_features.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/art/camp_paint.h"
#include "tools/forge/art/map_geography.h"
#include "tools/forge/art/map_landmarks.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/plants.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr Rgb kWetSand{0.84, 0.74, 0.52};
constexpr Rgb kDrySand{0.96, 0.87, 0.63};
constexpr Rgb kMeadow{0.58, 0.75, 0.35};
constexpr Rgb kGrass{0.40, 0.64, 0.30};
constexpr Rgb kForestFloor{0.22, 0.45, 0.23};
constexpr Rgb kRock{0.62, 0.57, 0.49};
constexpr Rgb kMarsh{0.42, 0.47, 0.27};
constexpr Rgb kMarshWater{0.27, 0.45, 0.42};
constexpr Rgb kLakeWater{0.32, 0.70, 0.80};

constexpr int kShoreReach = 24;        // blur radius that sets the beach's width
constexpr int kDeepInlandReach = 20;   // blur radius: trees keep this far from the beach
constexpr double kTreeSpacing = 23;
constexpr double kPalmSpacing = 34;
constexpr double kPlaceClearing = 30;  // ground left bare round every marker

struct Bump {
    double x, y, radius, height;
};
// Hills and ridges, as heights over the plain (they only shade the ground; the peak is painted).
constexpr Bump kHills[] = {
    {2300, 620, 170, 1.0}, {2420, 790, 140, 0.8}, {2140, 700, 130, 0.7}, {2390, 490, 110, 0.6},
    {420, 560, 150, 0.8},  {610, 720, 160, 0.7},  {300, 860, 130, 0.6},  {950, 1050, 120, 0.5},
    {1900, 330, 200, 0.7}, {1000, 660, 180, 0.9}, {1520, 700, 160, 0.8}, {760, 1250, 120, 0.4},
};
constexpr double kHillScale = 70;  // pixels of height per unit

double forestNoise(double x, double y) { return fractalNoise(x / 190.0, y / 190.0, 33, 3); }

// A place where something may grow: a point of a grid moved at random, with three random values
// of its own (0..1) for its size, its look and whether it grows at all.
struct Spot {
    double x, y, a, b, c;
};

// Visits the spots of a grid of the given spacing over the land, each moved by up to jitter.
template <class Visit>
void forEachSpot(const FloatMask& land, double spacing, double jitter, uint32_t seed, Visit&& visit) {
    ForgeRandom random(seed);
    for (double gy = 0; gy < land.height; gy += spacing) {
        for (double gx = 0; gx < land.width; gx += spacing) {
            Spot s;
            s.x = gx + random.uniform(-jitter, jitter);
            s.y = gy + random.uniform(-jitter, jitter);
            s.a = random.unit();
            s.b = random.unit();
            s.c = random.unit();
            visit(s);
        }
    }
}

constexpr int kFieldStep = 4;  // pixels between the points of the coarse fields

}  // namespace

Terrain::Terrain(const FloatMask& landMask, const std::vector<MapLandmass>& mapTable)
    : land(landMask),
      shoreBlur(landMask),
      deepInland(landMask),
      shade(landMask.width, landMask.height, kFieldStep, [this](double x, double y) { return hillShade(x, y); }),
      height(landMask.width, landMask.height, kFieldStep, [this](double x, double y) { return hilliness(x, y); }),
      forest(landMask.width, landMask.height, kFieldStep, forestNoise),
      grain(landMask.width, landMask.height, kFieldStep, [](double x, double y) { return fractalNoise(x / 70.0, y / 70.0, 17, 3) - 0.5; }),
      table(mapTable) {
    blurValues(shoreBlur.values, shoreBlur.width, shoreBlur.height, kShoreReach);
    blurValues(deepInland.values, deepInland.width, deepInland.height, kDeepInlandReach);
}

double Terrain::hilliness(double x, double y) const {
    double h = 0;
    for (const Bump& b : kHills) {
        h += b.height * std::exp(-((x - b.x) * (x - b.x) + (y - b.y) * (y - b.y)) / (2 * b.radius * b.radius));
    }
    return std::min(1.0, h);
}

double Terrain::hillShade(double x, double y) const {
    double dx = 0, dy = 0;
    for (const Bump& b : kHills) {
        const double r2 = b.radius * b.radius;
        const double e = b.height * kHillScale * std::exp(-((x - b.x) * (x - b.x) + (y - b.y) * (y - b.y)) / (2 * r2));
        dx -= e * (x - b.x) / r2;
        dy -= e * (y - b.y) / r2;
    }
    // Light from the top-left: slopes facing it are lit, the others shaded.
    const double facing = -(dx + dy) / std::sqrt(2.0);
    return 1 + 0.5 * std::tanh(facing * 1.6);
}

double Terrain::cliffness(double x, double y) const {
    double c = 0;
    for (const Islet& cliff : cliffCoasts()) {
        const double d = std::hypot(x - cliff.x, y - cliff.y);
        c = std::max(c, 1 - smoothstep(cliff.rx * 0.6, cliff.rx, d));
    }
    return c;
}

namespace {

// How an oval's ragged edge is drawn: past `reach` (in oval radii) the wobble can no longer pull
// a point inside; the wobble is noise of `grain` pixels and `wobble` radii; the edge fades in
// from `softEdge` radii.
struct RaggedEdge {
    double reach, grain, wobble, softEdge;
    int seed;
};

// 1 inside the oval, 0 outside, with a noisy, softened rim.
double insideRagged(const Islet& oval, const RaggedEdge& edge, double x, double y) {
    const double d = std::hypot((x - oval.x) / oval.rx, (y - oval.y) / oval.ry);
    if (d > edge.reach) return 0;
    const double wobble = edge.wobble * (fractalNoise(x / edge.grain, y / edge.grain, edge.seed, 3) - 0.5);
    return 1 - smoothstep(edge.softEdge, 1.0, d + wobble);
}

}  // namespace

double Terrain::marshness(double x, double y) const {
    constexpr RaggedEdge kMarshEdge{1.3, 60.0, 0.3, 0.75, 91};
    return insideRagged(marsh(), kMarshEdge, x, y);
}

double Terrain::lakeness(double x, double y) const {
    constexpr RaggedEdge kLakeEdge{1.2, 50.0, 0.2, 0.9, 93};
    return insideRagged(lake(), kLakeEdge, x, y);
}

bool Terrain::underPeak(double x, double y) const {
    const Volcano v = smokingPeak();
    if (y > v.baseY - 10 || y < v.peakY) return false;
    const double reach = v.halfWidth * (y - v.peakY) / (v.baseY - v.peakY) + 30;
    return std::abs(x - v.peakX) < reach;
}

bool Terrain::keptClear(double x, double y, double margin) const {
    for (const MapLocation* place : mapLocations(table)) {
        if (std::hypot(x - place->point.x, y - place->point.y) < kPlaceClearing + margin) return true;
    }
    for (const Clearing& c : landmarkClearings(table)) {
        if (std::hypot((x - c.x) / c.rx, (y - c.y) / c.ry) < 1) return true;
    }
    return false;
}

Rgb Terrain::groundColour(int x, int y) const {
    const double inland = shore(x, y);
    const double n = grain.at(x, y);
    const double grassy = smoothstep(0.8, 0.94, inland + 0.2 * n);
    Rgb sand = mix(kWetSand, kDrySand, smoothstep(0.5, 0.66, inland));
    sand = mix(sand, kRock, cliffness(x, y));
    const double woods = smoothstep(0.45, 0.62, forest.at(x, y)) * deepInland.at(x, y);
    Rgb green = mix(mix(kMeadow, kGrass, 0.5 + n), kForestFloor, woods * 0.8);
    const double m = marshness(x, y);
    if (m > 0) {
        const double pools = smoothstep(0.56, 0.6, fractalNoise(x / 38.0, y / 38.0, 92, 3)) * smoothstep(0.4, 0.8, m);
        green = mix(green, mix(kMarsh, kMarshWater, pools), m);
    }
    const double light = shade.at(x, y);
    green = light >= 1 ? mix(green, kMeadow, (light - 1) * 0.8) : mix(green, palette::kInk, (1 - light) * 0.5);
    Rgb ground = mix(sand, green, grassy);
    const double water = lakeness(x, y);
    if (water > 0) {
        const double depth = smoothstep(0.0, 0.6, water);
        ground = mix(mix(kDrySand, kLakeWater, depth), ground, 1 - std::min(1.0, water * 3));
        if (water > 0.35) ground = mix(lighten(kLakeWater, 0.3), kLakeWater, depth);
    }
    return ground;
}

std::vector<MapSprite> Terrain::trees() const {
    std::vector<MapSprite> sprites;
    forEachSpot(land, kTreeSpacing, 9, 0x7ee5, [&](const Spot& s) {
        const double r = 11 + 6 * s.a;
        if (deepInland.sample(s.x, s.y) < 0.93 || marshness(s.x, s.y) > 0.2 || lakeness(s.x, s.y) > 0 ||
            underPeak(s.x, s.y) || keptClear(s.x, s.y, r)) {
            return;
        }
        // Dense forest, glades with a tree here and there, and open meadows on the hills.
        const double density = smoothstep(0.38, 0.6, forest.at(s.x, s.y)) * (1 - 0.8 * height.at(s.x, s.y)) + 0.06;
        if (s.b > density) return;
        const double x = s.x, y = s.y, tint = s.c;
        sprites.push_back({y + r * 0.6, [=](cairo_t* cr) { paintCrown(cr, x, y, r, tint); }});
    });
    return sprites;
}

std::vector<MapSprite> Terrain::palms() const {
    std::vector<MapSprite> sprites;
    forEachSpot(land, kPalmSpacing, 12, 0xba1a, [&](const Spot& s) {
        const double b = shoreBlur.sample(s.x, s.y);
        if (b < 0.7 || b > 0.9 || s.c > 0.7 || cliffness(s.x, s.y) > 0.3 || marshness(s.x, s.y) > 0.1 ||
            lakeness(s.x, s.y) > 0 || keptClear(s.x, s.y, 4)) {
            return;
        }
        const double x = s.x, y = s.y, size = 40 + 14 * s.a, lean = -0.35 + 0.7 * s.b;
        sprites.push_back({y, [=](cairo_t* cr) { paintMapPalm(cr, x, y, size, lean); }});
    });
    return sprites;
}

std::vector<MapSprite> Terrain::hills() const {
    std::vector<MapSprite> sprites;
    ForgeRandom random(0x4111);
    const Volcano peak = smokingPeak();
    for (const Bump& b : kHills) {
        if (std::abs(b.x - peak.peakX) < peak.halfWidth * 1.5 && b.y < peak.baseY + 40) continue;  // the peak's feet
        for (int k = 0; k < 4; ++k) {
            const double x = b.x + random.uniform(-0.6, 0.6) * b.radius;
            const double y = b.y + random.uniform(-0.4, 0.5) * b.radius;
            const double w = b.radius * random.uniform(0.45, 0.7) * (0.6 + 0.4 * b.height);
            if (keptClear(x, y, w * 0.4) || deepInland.sample(x, y) < 0.95) continue;
            sprites.push_back({y, [=](cairo_t* cr) { paintMound(cr, x, y, w, w * 0.42); }});
        }
    }
    return sprites;
}

std::vector<MapSprite> Terrain::cliffRocks() const {
    std::vector<MapSprite> sprites;
    ForgeRandom random(0xc11f);
    const std::vector<CampPoint>& coast = coastPoints();
    for (size_t i = 0; i < coast.size(); i += 3) {
        const CampPoint p = coast[i], q = coast[(i + 1) % coast.size()];
        const double r = random.uniform(7, 14);
        const double inland = random.uniform(2, 16);
        const uint32_t seed = random.next();
        if (cliffness(p.x, p.y) < 0.55) continue;
        // A step inland: the land lies on the right of the coast's direction.
        const double len = std::max(1e-6, std::hypot(q.x - p.x, q.y - p.y));
        const double x = p.x - (q.y - p.y) / len * inland, y = p.y + (q.x - p.x) / len * inland;
        sprites.push_back({y + r, [=](cairo_t* cr) { paintCrag(cr, x, y, r, seed); }});
    }
    return sprites;
}

void Terrain::paintFeatures(cairo_t* cr) const {
    paintMarshWater(cr, marsh());
    paintRiver(cr, riverCourse());
    paintRiver(cr, westStream());
    std::vector<MapSprite> sprites = trees();
    for (MapSprite& s : palms()) sprites.push_back(std::move(s));
    for (MapSprite& s : hills()) sprites.push_back(std::move(s));
    for (MapSprite& s : cliffRocks()) sprites.push_back(std::move(s));
    for (MapSprite& s : landmarkSprites(table)) sprites.push_back(std::move(s));
    std::stable_sort(sprites.begin(), sprites.end(), [](const MapSprite& a, const MapSprite& b) { return a.footY < b.footY; });
    for (const MapSprite& s : sprites) s.paint(cr);
}

void paintSurf(cairo_t* cr) {
    cairo_save(cr);
    coastPath(cr);
    for (const Islet& i : islets()) ellipsePath(cr, i.x, i.y, i.rx, i.ry);
    setColor(cr, palette::kWhite, 0.55);
    cairo_set_line_width(cr, 9);
    cairo_stroke_preserve(cr);
    setColor(cr, palette::kInk, 0.55);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

namespace {

// A gentle bow between two places, the same for both directions of a link.
void trailPath(cairo_t* cr, MapPoint a, MapPoint b) {
    if (a.x > b.x || (a.x == b.x && a.y > b.y)) std::swap(a, b);
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double bow = 0.12 * ((a.x * 7 + b.y * 13) % 3 - 1);
    const double cx = (a.x + b.x) / 2.0 - dy * bow, cy = (a.y + b.y) / 2.0 + dx * bow;
    cairo_move_to(cr, a.x, a.y);
    cairo_curve_to(cr, a.x + (cx - a.x) * 0.66, a.y + (cy - a.y) * 0.66, b.x + (cx - b.x) * 0.66,
                   b.y + (cy - b.y) * 0.66, b.x, b.y);
}

}  // namespace

void paintTrails(cairo_t* cr, const std::vector<MapLandmass>& table) {
    constexpr Rgb kTrail{0.62, 0.20, 0.12};
    const std::vector<const MapLocation*> places = mapLocations(table);
    cairo_save(cr);
    cairo_new_path(cr);
    for (const MapLocation* from : places) {
        for (const std::string& exit : from->exits) {
            const MapLocation* to = findMapLocation(table, exit);
            // A link both ends list is drawn once; a one-way link follows the river instead.
            if (to == nullptr || from->id > to->id) continue;
            const bool back = std::find(to->exits.begin(), to->exits.end(), from->id) != to->exits.end();
            if (back) trailPath(cr, from->point, to->point);
        }
    }
    setColor(cr, kDrySand, 0.45);
    cairo_set_line_width(cr, 9);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    const double dashes[] = {11, 9};
    cairo_set_dash(cr, dashes, 2, 0);
    setColor(cr, kTrail, 0.9);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_restore(cr);
}
