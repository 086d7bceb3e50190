// The camp's background, img/states/camp/back.jpg (1600 x 900): a palm-grown sand spit between
// the open sea behind it and a lagoon in front, the wreck of the Wren on the reef far left, the
// smoking mountain of the interior far right above the jungle. It is painted round the camp's
// fixed parts: sea under every wave-crest area, a soft shadow and a mound of sand under every
// palm's foot, a patch of cleared, trodden ground under every building build.ini places, and calm
// beach and shallows along the bottom where the buttons rise.
#include "tools/forge/art/camp_back.h"

#include <cmath>
#include <string>
#include <tuple>

#include "game/expedition/camp_layout.h"
#include "tools/forge/art/camp_buildings.h"
#include "tools/forge/art/camp_paint.h"
#include "tools/forge/art/camp_palms.h"
#include "tools/forge/art/camp_scenery.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/scenery.h"

namespace {

constexpr int kWidth = kSceneWidth;
constexpr int kHeight = kSceneHeight;
constexpr double kHorizon = 226;
constexpr int kJpegQuality = 88;
constexpr Rgb kSkyTop{0.36, 0.66, 0.92};
constexpr Rgb kSkyLow{0.86, 0.93, 0.93};
constexpr Rgb kFarWater{0.16, 0.50, 0.66};
constexpr Rgb kShallows{0.40, 0.84, 0.82};
constexpr Rgb kLagoonDeep{0.12, 0.52, 0.66};
constexpr Rgb kWetSand{0.80, 0.71, 0.52};
constexpr Rgb kTrodden{0.90, 0.80, 0.60};

void sky(Canvas& canvas, ForgeRandom& random) {
    cairo_t* cr = canvas.cr();
    paintSky(cr, kHorizon, kSkyTop, kSkyLow);
    paintGlow(cr, 90, 40, 360, {1, 0.98, 0.88}, {1, 0.92, 0.66}, 0.55);
    Canvas clouds(kWidth / 2, kHeight / 4);  // painted small and softened: they are far away
    cairo_scale(clouds.cr(), 0.5, 0.5);
    for (const auto& [x, y, w] : {std::tuple{620.0, 120.0, 330.0}, std::tuple{980.0, 70.0, 260.0},
                                  std::tuple{1180.0, 170.0, 300.0}, std::tuple{330.0, 190.0, 240.0}}) {
        paintCloud(clouds.cr(), random, x, y, w);
    }
    RgbaImage soft = clouds.toImage();
    boxBlur(soft, 2);
    canvas.drawImage(soft, 0, 0, 2.0);
}

// Open sea from the horizon down to the far shore, brightening into the shallows.
void farSea(cairo_t* cr, ForgeRandom& random) {
    cairo_rectangle(cr, 0, kHorizon, kWidth, 440 - kHorizon);
    fillVerticalGradient(cr, kHorizon, 440, kFarWater, mix(kFarWater, kShallows, 0.55));
    cairo_new_path(cr);
    for (int k = 0; k < 90; ++k) {  // glints, longer towards the camp
        const double t = random.unit();
        const double y = kHorizon + 3 + t * t * 200;
        const double x = random.uniform(0, kWidth);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 8 + 40 * t, y);
        setColor(cr, palette::kWhite, 0.3 - 0.15 * t);
        cairo_set_line_width(cr, 1 + t);
        cairo_stroke(cr);
    }
    strokeLine(cr, {0, kHorizon}, {kWidth, kHorizon}, lighten(kSkyLow, 0.3), 1.5, 0.7);
}

// The lagoon in front of the camp: sand shows through its shallows near the beach.
void lagoon(cairo_t* cr, ForgeRandom& random) {
    cairo_rectangle(cr, 0, 560, kWidth, kHeight - 560);
    fillVerticalGradient(cr, 600, kHeight, kShallows, kLagoonDeep);
    cairo_new_path(cr);
    for (int k = 0; k < 70; ++k) {
        const double x = random.uniform(0, kWidth);
        const double y = random.uniform(700, kHeight);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 12, y - 3, x + 28, y - 3, x + 40, y);
        setColor(cr, palette::kWhite, 0.18);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void landPath(cairo_t* cr) {
    cairo_new_path(cr);
    smoothPath(cr, campFarShore(), false);
    std::vector<CampPoint> near = campNearShore();
    for (auto it = near.rbegin(); it != near.rend(); ++it) cairo_line_to(cr, it->x, it->y);
    cairo_close_path(cr);
}

// The shore's bands: surf, then wet sand, both following the shore line.
void shoreBands(cairo_t* cr, const std::vector<CampPoint>& shore, double towardsWater) {
    for (const auto& [offset, color, alpha, width] :
         {std::tuple{towardsWater * 9, palette::kWhite, 0.55, 7.0}, std::tuple{towardsWater * 3, palette::kWhite, 0.9, 3.5},
          std::tuple{-towardsWater * 6, kWetSand, 0.8, 10.0}}) {
        std::vector<CampPoint> moved = shore;
        for (CampPoint& p : moved) p.y += offset;
        cairo_new_path(cr);
        smoothPath(cr, moved, false);
        strokeRound(cr, color, width, alpha);
    }
}

void land(cairo_t* cr, ForgeRandom& random) {
    landPath(cr);
    fillVerticalGradient(cr, 250, 820, lighten(palette::kSand, 0.1), palette::kSandShade);
    cairo_save(cr);
    cairo_clip(cr);
    // Sun-dried grass in the middle of the spit, and ripples the wind drew in the sand.
    for (int k = 0; k < 26; ++k) {
        const double x = random.uniform(250, 1450);
        const double y = random.uniform(330, 640);
        paintPuff(cr, x, y, random.uniform(50, 110), mix(palette::kLeaf, palette::kSand, 0.45), 0.35);
    }
    for (int k = 0; k < 40; ++k) {
        const double x = random.uniform(-50, kWidth);
        const double y = random.uniform(300, 820);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 40, y - 4, x + 90, y + 4, x + 140, y);
        setColor(cr, palette::kSandShade, 0.3);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    shoreBands(cr, campFarShore(), -1);
    shoreBands(cr, campNearShore(), 1);
}

// Trodden paths from the landing in front towards the huts, the grove and the jungle.
void paths(cairo_t* cr) {
    const std::vector<std::vector<CampPoint>> ways = {
        {{560, 800}, {520, 700}, {400, 610}, {250, 560}, {120, 520}},
        {{560, 800}, {700, 720}, {900, 690}, {1100, 650}, {1300, 600}, {1500, 560}},
        {{700, 720}, {760, 600}, {820, 480}, {900, 380}},
    };
    for (const std::vector<CampPoint>& way : ways) {
        cairo_new_path(cr);
        smoothPath(cr, way, false);
        strokeRound(cr, kTrodden, 26, 0.45);
        cairo_new_path(cr);
        smoothPath(cr, way, false);
        strokeRound(cr, lighten(kTrodden, 0.3), 10, 0.35);
    }
}

// Every building's ground: swept, trodden flat and a shade darker than the loose sand round it.
void clearings(cairo_t* cr, const std::vector<BuildGroupEntry>& groups) {
    for (const BuildGroupEntry& group : groups) {
        for (const BuildingPlace& place : group.buildings) {
            const BuildingArt* art = findBuildingArt(place.image);
            if (!art || art->footRx <= 0) continue;
            const double x = place.x + art->footX;
            const double y = place.y + art->footY;
            cairo_new_path(cr);
            ellipsePath(cr, x, y, art->footRx * 1.15, art->footRy * 1.25);
            cairo_pattern_t* patch = cairo_pattern_create_radial(x, y, 0, x, y, art->footRx * 1.15);
            cairo_pattern_add_color_stop_rgba(patch, 0, kTrodden.r * 0.92, kTrodden.g * 0.9, kTrodden.b * 0.86, 0.75);
            cairo_pattern_add_color_stop_rgba(patch, 0.8, kTrodden.r * 0.92, kTrodden.g * 0.9, kTrodden.b * 0.86, 0.5);
            cairo_pattern_add_color_stop_rgba(patch, 1, kTrodden.r, kTrodden.g, kTrodden.b, 0);
            cairo_set_source(cr, patch);
            cairo_fill(cr);
            cairo_pattern_destroy(patch);
        }
    }
}

// A palm stands in a little mound of sand with grass round its foot, its shadow thrown right.
void palmFeet(cairo_t* cr, ForgeRandom& random) {
    for (int i = 0; i < camp_layout::kPalmCount; ++i) {
        const CampPalmFoot foot = campPalmFoot(i);
        groundShadow(cr, foot.x + 50 * foot.scale, foot.y + 6 * foot.scale, 80 * foot.scale, 16 * foot.scale, 0.35);
        groundShadow(cr, foot.x, foot.y + 2, 22 * foot.scale, 7 * foot.scale, 0.35);
        paintGrassTuft(cr, random, foot.x - 10 * foot.scale, foot.y + 4, 22 * foot.scale);
        paintGrassTuft(cr, random, foot.x + 12 * foot.scale, foot.y + 5, 18 * foot.scale);
    }
}

void props(cairo_t* cr, ForgeRandom& random) {
    paintTarpShelter(cr, 1150, 690, 90);
    paintFireRing(cr, 860, 712, 22);
    paintStarfish(cr, 1210, 808, 10, 0.4);
    paintStarfish(cr, 330, 742, 9, -0.3);
    for (int k = 0; k < 12; ++k) {
        paintGrassTuft(cr, random, random.uniform(200, 1400), random.uniform(300, 420), 20);
    }
}

void sunlight(cairo_t* cr) {
    cairo_pattern_t* warm = cairo_pattern_create_radial(90, 40, 100, 90, 40, 1500);
    cairo_pattern_add_color_stop_rgba(warm, 0, 1, 0.95, 0.75, 0.18);
    cairo_pattern_add_color_stop_rgba(warm, 1, 1, 0.95, 0.75, 0);
    cairo_set_source(cr, warm);
    cairo_paint(cr);
    cairo_pattern_destroy(warm);
    paintVignette(cr, 0.3);
}

}  // namespace

RgbaImage campBackground(const std::vector<BuildGroupEntry>& groups) {
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    ForgeRandom random(0xca4b);
    sky(canvas, random);
    paintFarMountain(cr, 1410, 54, kHorizon + 6);
    farSea(cr, random);
    paintWreck(cr, random, 92, 282, 130);
    lagoon(cr, random);
    land(cr, random);
    paintJungleEdge(cr, random, 1060, 1620, 150, 470);
    paintRockyPoint(cr, random);
    paths(cr);
    clearings(cr, groups);
    palmFeet(cr, random);
    props(cr, random);
    sunlight(cr);
    return canvas.toImage();
}

bool campWaterUnderWaves(const RgbaImage& back, std::string& where) {
    for (const camp_layout::Area& area : camp_layout::kWaveAreas) {
        for (const auto& [x, y] : {std::pair{area.x1, area.y1}, std::pair{area.x2, area.y2},
                                   std::pair{(area.x1 + area.x2) / 2, (area.y1 + area.y2) / 2}}) {
            const uint8_t* p = back.at(std::min(x, back.width - 1), std::min(y, back.height - 1));
            if (p[2] <= p[0] + 20) {  // water is clearly bluer than it is red; sand is not
                where = std::to_string(x) + "," + std::to_string(y);
                return false;
            }
        }
    }
    return true;
}

FORGE_STEP(camp_back) {
    std::string text;
    std::vector<BuildGroupEntry> groups;
    std::string error;
    if (!forge.readContent("build.ini", text) || !readBuildTable(text, groups, error)) return;  // build_table says why
    const RgbaImage back = campBackground(groups);
    std::string where;
    if (!campWaterUnderWaves(back, where)) forge.fail("camp background: a wave crest would break on dry land at " + where);
    forge.writeJpeg("img/states/camp/back.jpg", back, kJpegQuality);
    forge.addContactSheet("camp_back", scaledCopy(back, 1280, 720));
}
