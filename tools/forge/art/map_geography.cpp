#include "tools/forge/art/map_geography.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/gui/paint.h"

namespace {

constexpr double kCoastStep = 5;         // pixels between the points of the drawn coast
constexpr double kCoastWander = 16;      // how far the shore strays from the smooth curve
constexpr double kCoastWanderCell = 70;  // pixels of coast per turn of the wandering

std::vector<CampPoint> flattenedCoast() {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cr = cairo_create(surface);
    cairo_set_tolerance(cr, 0.3);
    smoothPath(cr, islandCoast(), true);
    cairo_path_t* path = cairo_copy_path_flat(cr);
    std::vector<CampPoint> points;
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
        const cairo_path_data_t& d = path->data[i];
        if (d.header.type == CAIRO_PATH_MOVE_TO || d.header.type == CAIRO_PATH_LINE_TO) {
            points.push_back({path->data[i + 1].point.x, path->data[i + 1].point.y});
        }
    }
    cairo_path_destroy(path);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return points;
}

// Even steps along the flattened curve, each pushed out or in along the curve's normal.
std::vector<CampPoint> wanderingCoast() {
    const std::vector<CampPoint> flat = flattenedCoast();
    std::vector<CampPoint> coast;
    double along = 0, next = 0;
    for (size_t i = 0; i < flat.size(); ++i) {
        const CampPoint a = flat[i], b = flat[(i + 1) % flat.size()];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        if (length <= 0) continue;
        while (next <= along + length) {
            const double t = (next - along) / length;
            const double nx = (b.y - a.y) / length, ny = -(b.x - a.x) / length;
            const double u = next / kCoastWanderCell;
            const double push = kCoastWander * ((fractalNoise(u, 0.5, 404, 4) - 0.5) * 2) +
                                4 * (valueNoise(next / 14.0, 3.5, 405) - 0.5);
            coast.push_back({a.x + (b.x - a.x) * t + nx * push, a.y + (b.y - a.y) * t + ny * push});
            next += kCoastStep;
        }
        along += length;
    }
    return coast;
}

}  // namespace

const std::vector<CampPoint>& coastPoints() {
    static const std::vector<CampPoint> coast = wanderingCoast();
    return coast;
}

void coastPath(cairo_t* cr) {
    const std::vector<CampPoint>& coast = coastPoints();
    cairo_move_to(cr, coast[0].x, coast[0].y);
    for (const CampPoint& p : coast) cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
}

const std::vector<CampPoint>& islandCoast() {
    static const std::vector<CampPoint> coast = {
        // west coast, going north, round the little cape
        {118, 1010}, {160, 880}, {112, 776}, {176, 650}, {250, 556}, {330, 470}, {420, 380}, {500, 318},
        // Picoru's bay and the north coast
        {560, 262}, {650, 300}, {720, 250}, {800, 190}, {950, 150}, {1100, 128}, {1280, 140}, {1450, 112},
        {1620, 98},
        // the windy cliffs of the north-east
        {1800, 84}, {1960, 100}, {2080, 156}, {2150, 250}, {2210, 340},
        // the east coast below the hills
        {2310, 396}, {2440, 452}, {2520, 576}, {2548, 736}, {2496, 880}, {2530, 1036}, {2500, 1196},
        // Tortuga's cove
        {2440, 1306}, {2380, 1396}, {2290, 1430}, {2210, 1360}, {2130, 1420}, {2060, 1530},
        // the south coast and the camp's bay
        {1920, 1586}, {1770, 1612}, {1620, 1600}, {1520, 1640}, {1410, 1584}, {1300, 1548}, {1180, 1570},
        {1080, 1626}, {960, 1598}, {830, 1570},
        // the driftwood coast and the reef point
        {700, 1576}, {600, 1612}, {520, 1556}, {430, 1480}, {320, 1392}, {226, 1270}, {160, 1130},
    };
    return coast;
}

const std::vector<Islet>& islets() {
    static const std::vector<Islet> small = {
        {2420, 1520, 46, 24}, {300, 1560, 38, 20}, {2590, 420, 30, 18}, {160, 430, 40, 22},
    };
    return small;
}

const std::vector<RegionSeed>& regionSeeds() {
    static const std::vector<RegionSeed> seeds = {
        {"CAMP", 1260, 1480}, {"CAMP", 1120, 1530}, {"CAMP", 1420, 1520},
        {"DRIFTWOOD_COAST", 880, 1480}, {"DRIFTWOOD_COAST", 640, 1420}, {"DRIFTWOOD_COAST", 420, 1320},
        {"DRIFTWOOD_COAST", 250, 1150},
        {"THORN_WOODS", 1060, 1230}, {"THORN_WOODS", 1340, 1150}, {"THORN_WOODS", 880, 1060},
        {"THORN_WOODS", 1180, 1010},
        {"TURTLE_COAST", 1700, 1200}, {"TURTLE_COAST", 2050, 1400}, {"TURTLE_COAST", 2220, 1200},
        {"TURTLE_COAST", 1800, 1470}, {"TURTLE_COAST", 2420, 1170},
        {"RIVER_HILLS", 2200, 850}, {"RIVER_HILLS", 2350, 600}, {"RIVER_HILLS", 2430, 880},
        {"MANGROVE_MARSH", 1800, 860}, {"MANGROVE_MARSH", 1640, 800},
        {"WIND_CLIFFS", 1760, 470}, {"WIND_CLIFFS", 2000, 250}, {"WIND_CLIFFS", 1740, 190},
        {"SMOKING_PEAKS", 1250, 560}, {"SMOKING_PEAKS", 1160, 720}, {"SMOKING_PEAKS", 1420, 660},
        {"SMOKING_PEAKS", 1260, 330}, {"SMOKING_PEAKS", 980, 640}, {"SMOKING_PEAKS", 1560, 560},
        {"FAR_SHORE", 550, 300}, {"FAR_SHORE", 760, 560}, {"FAR_SHORE", 820, 330}, {"FAR_SHORE", 300, 700},
        {"FAR_SHORE", 520, 900},
    };
    return seeds;
}

std::vector<std::string> regionNames() {
    std::vector<std::string> names;
    for (const RegionSeed& seed : regionSeeds()) {
        if (std::find(names.begin(), names.end(), seed.landmass) == names.end()) names.push_back(seed.landmass);
    }
    return names;
}

Volcano smokingPeak() { return {1250, 400, 800, 300}; }

const std::vector<CampPoint>& riverCourse() {
    static const std::vector<CampPoint> course = {
        {2200, 880}, {2236, 960}, {2226, 1060}, {2214, 1150}, {2200, 1250}, {2196, 1330}, {2206, 1420},
    };
    return course;
}

CampPoint waterfallTop() { return {2214, 1150}; }

Islet lake() { return {440, 800, 110, 62}; }

const std::vector<CampPoint>& westStream() {
    static const std::vector<CampPoint> course = {{345, 812}, {290, 850}, {240, 842}, {186, 880}, {130, 900}};
    return course;
}

Islet marsh() { return {1760, 820, 210, 130}; }

const std::vector<Islet>& cliffCoasts() {
    static const std::vector<Islet> cliffs = {
        {1980, 110, 260, 0}, {2180, 290, 120, 0}, {330, 420, 180, 0},
    };
    return cliffs;
}
