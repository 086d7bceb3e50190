#include "tools/forge/art/map_landmarks.h"

#include <cmath>

#include "tools/forge/art/camp_paint.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/plants.h"
#include "tools/forge/paint/scenery.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr Rgb kThatch{0.86, 0.68, 0.36};
constexpr Rgb kWater{0.30, 0.70, 0.78};
constexpr Rgb kStone{0.64, 0.62, 0.57};
constexpr Rgb kThorn{0.38, 0.22, 0.22};
constexpr Rgb kHillGreen{0.52, 0.72, 0.34};

MapPoint placeOf(const std::vector<MapLandmass>& table, const char* id, bool& found) {
    const MapLocation* place = findMapLocation(table, id);
    found = place != nullptr;
    return found ? place->point : MapPoint{};
}

void paintFlag(cairo_t* cr, double x, double y, double height) {
    strokeLine(cr, {x, y}, {x, y - height}, palette::kWoodDark, 3);
    cairo_new_path(cr);
    cairo_move_to(cr, x + 1, y - height);
    cairo_curve_to(cr, x + 12, y - height - 4, x + 18, y - height + 6, x + 28, y - height + 2);
    cairo_line_to(cr, x + 24, y - height + 10);
    cairo_curve_to(cr, x + 16, y - height + 14, x + 10, y - height + 6, x + 1, y - height + 12);
    cairo_close_path(cr);
    fillVerticalGradient(cr, y - height, y - height + 14, palette::kCoral, darken(palette::kCoral, 0.3));
    strokeInk(cr, 1.4);
    cairo_new_path(cr);
}

void paintObservatory(cairo_t* cr, double footX, double footY, double size) {
    const double w = size * 0.36, h = size * 0.8;
    cairo_rectangle(cr, footX - w / 2, footY - h, w, h);
    fillVerticalGradient(cr, footY - h, footY, palette::kWhite, {0.78, 0.78, 0.76});
    strokeInk(cr, 1.4);
    cairo_new_path(cr);
    cairo_arc(cr, footX, footY - h, w * 0.62, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillRoundShading(cr, footX, footY - h - w * 0.3, w * 0.7, {0.36, 0.62, 0.60});
    strokeInk(cr, 1.4);
    cairo_new_path(cr);
    strokeLine(cr, {footX, footY - h - w * 0.3}, {footX + w * 0.9, footY - h - w * 0.9}, guiPalette::kBrass, 3);
}

void paintCampfire(cairo_t* cr, double x, double y) {
    for (int k = 0; k < 7; ++k) {
        const double a = k * 2 * M_PI / 7;
        paintMapRock(cr, x + 11 * std::cos(a) - 3.5, y + 6 * std::sin(a) - 3, 7, 5);
    }
    paintGlow(cr, x, y - 2, 11, {1.0, 0.88, 0.45}, {1.0, 0.45, 0.15}, 0.95);
    for (int k = 0; k < 6; ++k) {
        const double t = k / 5.0;
        paintPuff(cr, x - 30 * t * t, y - 10 - 56 * t, 5 + 11 * t, {0.88, 0.87, 0.85}, 0.65 - 0.35 * t);
    }
}

// The crew's camp at the head of the bay: the huts, the professor's laboratory with its
// observatory, the first tent, a fire, stores, and the flag the first map tip points at.
void campSprites(std::vector<MapSprite>& sprites, MapPoint base) {
    const double x = base.x, y = base.y;
    sprites.push_back({y - 40, [=](cairo_t* cr) { paintMapHut(cr, x - 98, y - 40, 44, kThatch); }});
    sprites.push_back({y - 80, [=](cairo_t* cr) { paintMapHut(cr, x - 40, y - 80, 40, kThatch); }});
    sprites.push_back({y - 6, [=](cairo_t* cr) { paintMapHut(cr, x - 150, y - 6, 40, kThatch); }});
    sprites.push_back({y - 70, [=](cairo_t* cr) { paintFlag(cr, x + 40, y - 70, 58); }});
    sprites.push_back({y - 46, [=](cairo_t* cr) {
        paintMapHut(cr, x + 96, y - 46, 46, {0.36, 0.46, 0.66});
        paintObservatory(cr, x + 136, y - 44, 44);
    }});
    sprites.push_back({y + 34, [=](cairo_t* cr) { paintTent(cr, x + 70, y + 4, 34); }});
    sprites.push_back({y + 22, [=](cairo_t* cr) { paintCampfire(cr, x - 66, y + 22); }});
    sprites.push_back({y + 40, [=](cairo_t* cr) {
        paintCrate(cr, x - 130, y + 22, 16);
        paintCrate(cr, x - 114, y + 27, 13);
        paintBarrel(cr, x - 146, y + 22, 12, 17);
    }});
}

void paintLifeboat(cairo_t* cr, double x, double y, double length) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, 0.35);
    cairo_new_path(cr);
    cairo_move_to(cr, -length / 2, -length * 0.08);
    cairo_curve_to(cr, -length * 0.3, length * 0.22, length * 0.3, length * 0.22, length / 2, -length * 0.12);
    cairo_curve_to(cr, length * 0.2, -length * 0.02, -length * 0.2, -length * 0.02, -length / 2, -length * 0.08);
    cairo_close_path(cr);
    fillVerticalGradient(cr, -length * 0.1, length * 0.2, lighten(palette::kWood, 0.2), palette::kWoodDark);
    strokeInk(cr, 1.8);
    cairo_new_path(cr);
    cairo_move_to(cr, -length * 0.42, -length * 0.06);
    cairo_curve_to(cr, -length * 0.2, length * 0.03, length * 0.2, length * 0.03, length * 0.42, -length * 0.09);
    setColor(cr, {0.93, 0.93, 0.88}, 0.9);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void paintDriftwood(cairo_t* cr, double x, double y, double length, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    roundedRectPath(cr, -length / 2, -3.5, length, 7, 3.5);
    fillVerticalGradient(cr, -4, 4, {0.80, 0.72, 0.60}, {0.55, 0.46, 0.36});
    strokeInk(cr, 1.3);
    cairo_restore(cr);
    cairo_new_path(cr);
}

// A ravine across the trail, choked with thorny vines on both lips.
void gullySprites(std::vector<MapSprite>& sprites, MapPoint gully) {
    const double gx = gully.x + 50;
    sprites.push_back({gully.y - 140.0, [=](cairo_t* cr) {
        std::vector<CampPoint> west, east;
        for (int k = 0; k <= 8; ++k) {
            const double y = gully.y - 140 + k * 35;
            const double wig = 9 * std::sin(k * 1.7);
            west.push_back({gx - 9 + wig, y});
            east.push_back({gx + 9 + wig + 3 * std::sin(k * 2.3), y});
        }
        std::vector<CampPoint> outline = west;
        outline.insert(outline.end(), east.rbegin(), east.rend());
        smoothPath(cr, outline, true);
        fillVerticalGradient(cr, gully.y - 140, gully.y + 140, {0.30, 0.20, 0.14}, {0.20, 0.13, 0.09});
        strokeInk(cr, 2);
        smoothPath(cr, west, false);
        setColor(cr, {0.72, 0.58, 0.42}, 0.8);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }});
    ForgeRandom random(0x7407);
    for (int k = 0; k < 16; ++k) {
        const double x = gx + (k % 2 ? 26 : -26) + random.uniform(-10, 10);
        const double y = gully.y - 120 + k * 15 + random.uniform(-6, 6);
        const double r = random.uniform(9, 14);
        sprites.push_back({y + r, [=](cairo_t* cr) {
            cairo_new_path(cr);
            for (int s = 0; s < 9; ++s) {
                const double a = s * 2 * M_PI / 9;
                cairo_line_to(cr, x + r * std::cos(a), y + r * 0.7 * std::sin(a));
                cairo_line_to(cr, x + r * 0.5 * std::cos(a + 0.35), y + r * 0.35 * std::sin(a + 0.35));
            }
            cairo_close_path(cr);
            fillRoundShading(cr, x, y, r, kThorn);
            strokeInk(cr, 1.2);
            cairo_new_path(cr);
            for (int s = 0; s < 3; ++s) {
                cairo_arc(cr, x - r * 0.4 + s * r * 0.4, y - r * 0.1 * s, 1.6, 0, 2 * M_PI);
                setColor(cr, palette::kCoral);
                cairo_fill(cr);
            }
        }});
    }
}

void paintMangrove(cairo_t* cr, double x, double y, double size) {
    for (int k = -2; k <= 2; ++k) {  // stilt roots
        cairo_move_to(cr, x, y - size * 0.45);
        cairo_curve_to(cr, x + k * size * 0.1, y - size * 0.2, x + k * size * 0.2, y - size * 0.1, x + k * size * 0.26, y);
    }
    setColor(cr, {0.32, 0.25, 0.18});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    for (const auto& [dx, dy, r] : {std::tuple{-0.22, -0.7, 0.3}, std::tuple{0.22, -0.72, 0.3}, std::tuple{0.0, -0.85, 0.34}}) {
        cairo_arc(cr, x + dx * size, y + dy * size, r * size, 0, 2 * M_PI);
    }
    fillRoundShading(cr, x, y - size * 0.8, size * 0.5, {0.24, 0.38, 0.22});
    strokeInk(cr, 1.3, 0.7);
    cairo_new_path(cr);
}

void marshSprites(std::vector<MapSprite>& sprites, const Islet& m) {
    ForgeRandom random(0x3a25);
    for (int k = 0; k < 26; ++k) {
        const double a = random.uniform(0, 2 * M_PI);
        const double d = std::sqrt(random.unit()) * 0.95;
        const double x = m.x + std::cos(a) * d * m.rx;
        const double y = m.y + std::sin(a) * d * m.ry;
        const double size = random.uniform(22, 34);
        sprites.push_back({y, [=](cairo_t* cr) { paintMangrove(cr, x, y, size); }});
    }
}

// The falls where the river drops from the hills towards the cove.
void fallsSprite(std::vector<MapSprite>& sprites) {
    const CampPoint top = waterfallTop();
    sprites.push_back({top.y + 40, [=](cairo_t* cr) {
        paintMapRock(cr, top.x - 40, top.y - 2, 30, 20);
        paintMapRock(cr, top.x + 11, top.y, 32, 20);
        cairo_rectangle(cr, top.x - 12, top.y, 24, 38);
        fillVerticalGradient(cr, top.y, top.y + 38, {0.85, 0.95, 0.98}, {0.55, 0.82, 0.92});
        cairo_new_path(cr);
        for (int k = 0; k < 4; ++k) strokeLine(cr, {top.x - 8 + k * 5.0, top.y + 3}, {top.x - 8 + k * 5.0, top.y + 34}, palette::kWhite, 1.5, 0.8);
        for (int k = 0; k < 5; ++k) paintPuff(cr, top.x - 14 + k * 7, top.y + 40, 8, palette::kWhite, 0.7);
    }});
}

}  // namespace

std::vector<Clearing> landmarkClearings(const std::vector<MapLandmass>& table) {
    std::vector<Clearing> clearings;
    bool found = false;
    const MapPoint camp = placeOf(table, "BASE_CAMP", found);
    if (found) clearings.push_back({camp.x + 0.0, camp.y - 20.0, 190, 105});
    const MapPoint village = placeOf(table, "PICORU", found);
    if (found) clearings.push_back({village.x + 0.0, village.y + 0.0, 160, 110});
    const MapPoint temple = placeOf(table, "WIND_TEMPLE", found);
    if (found) clearings.push_back({temple.x + 40.0, temple.y - 30.0, 90, 70});
    const MapPoint face = placeOf(table, "GOD_OF_AIR", found);
    if (found) clearings.push_back({face.x + 70.0, face.y - 40.0, 110, 80});
    const MapPoint gully = placeOf(table, "THORN_GULLY", found);
    if (found) clearings.push_back({gully.x + 50.0, gully.y + 0.0, 46, 150});
    const CampPoint falls = waterfallTop();
    clearings.push_back({falls.x, falls.y + 10, 60, 40});
    for (const std::vector<CampPoint>* course : {&riverCourse(), &westStream()}) {
        for (size_t k = 1; k < course->size(); ++k) {
            const CampPoint a = (*course)[k - 1], b = (*course)[k];
            clearings.push_back({(a.x + b.x) / 2, (a.y + b.y) / 2, 30, 50});
        }
    }
    const Islet l = lake();
    clearings.push_back({l.x, l.y, l.rx + 24, l.ry + 24});
    return clearings;
}

std::vector<MapSprite> landmarkSprites(const std::vector<MapLandmass>& table) {
    std::vector<MapSprite> sprites;
    bool found = false;
    const MapPoint camp = placeOf(table, "BASE_CAMP", found);
    if (found) campSprites(sprites, camp);
    const MapPoint supplies = placeOf(table, "SUPPLY_BEACH", found);
    if (found) {
        sprites.push_back({supplies.y + 40.0, [=](cairo_t* cr) {
            paintDriftwood(cr, supplies.x - 40, supplies.y + 36, 34, 0.3);
            paintDriftwood(cr, supplies.x + 30, supplies.y + 44, 28, -0.5);
        }});
    }
    const MapPoint wreck = placeOf(table, "MED_SUPPLIES", found);
    if (found) {
        sprites.push_back({wreck.y + 60.0, [=](cairo_t* cr) {
            paintMapRock(cr, wreck.x - 70, wreck.y + 24, 44, 34);
            paintLifeboat(cr, wreck.x - 24, wreck.y + 50, 46);
            paintMapRock(cr, wreck.x - 4, wreck.y + 40, 36, 26);
        }});
    }
    const MapPoint gully = placeOf(table, "THORN_GULLY", found);
    if (found) gullySprites(sprites, gully);
    marshSprites(sprites, marsh());
    fallsSprite(sprites);
    const Volcano peak = smokingPeak();
    sprites.push_back({peak.baseY, [=](cairo_t* cr) { paintSmokingPeak(cr, peak); }});
    const MapPoint face = placeOf(table, "GOD_OF_AIR", found);
    if (found) sprites.push_back({face.y + 10.0, [=](cairo_t* cr) { paintWindFace(cr, face.x + 82, face.y - 56, 92); }});
    const MapPoint temple = placeOf(table, "WIND_TEMPLE", found);
    if (found) sprites.push_back({temple.y - 10.0, [=](cairo_t* cr) { paintTemple(cr, temple.x + 44, temple.y - 16, 92); }});
    const MapPoint village = placeOf(table, "PICORU", found);
    if (found) sprites.push_back({village.y + 0.0, [=](cairo_t* cr) { paintVillage(cr, village.x, village.y); }});
    return sprites;
}

void paintCrown(cairo_t* cr, double x, double y, double r, double tint) {
    const Rgb base = mix(mix(palette::kJungle, palette::kLeaf, 0.25 + 0.5 * tint), {0.55, 0.62, 0.22}, 0.15 * tint);
    cairo_new_path(cr);
    ellipsePath(cr, x + r * 0.3, y + r * 0.55, r * 1.05, r * 0.6);
    setColor(cr, palette::kInk, 0.22);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, x, y - r * 0.15, r * 0.8, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x - r * 0.45, y + r * 0.2, r * 0.62, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + r * 0.45, y + r * 0.22, r * 0.62, 0, 2 * M_PI);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    fillRoundShading(cr, x, y, r * 1.1, base);
    strokeInk(cr, 1.1, 0.55);
    cairo_new_path(cr);
    paintGloss(cr, x - r * 0.3, y - r * 0.45, r * 0.32, r * 0.2, 0.25);
}

void paintMapPalm(cairo_t* cr, double footX, double footY, double size, double lean) {
    ellipsePath(cr, footX + size * 0.12, footY, size * 0.3, size * 0.09);
    setColor(cr, palette::kInk, 0.2);
    cairo_fill(cr);
    paintPalm(cr, footX, footY, footX + lean * size, footY - size * 0.78, size * 0.9);
}

void paintMapHut(cairo_t* cr, double footX, double footY, double size, Rgb roof) {
    const double w = size, h = size * 0.5;
    const double left = footX - w / 2;
    ellipsePath(cr, footX + 4, footY, w * 0.65, w * 0.16);
    setColor(cr, palette::kInk, 0.22);
    cairo_fill(cr);
    cairo_rectangle(cr, left + w * 0.1, footY - h, w * 0.8, h);
    fillVerticalGradient(cr, footY - h, footY, {0.86, 0.72, 0.50}, {0.62, 0.48, 0.30});
    strokeInk(cr, 1.4);
    cairo_new_path(cr);
    cairo_rectangle(cr, footX - w * 0.08, footY - h * 0.62, w * 0.16, h * 0.62);
    setColor(cr, {0.28, 0.18, 0.10});
    cairo_fill(cr);
    cairo_move_to(cr, left - w * 0.04, footY - h + 2);
    cairo_line_to(cr, footX, footY - h - size * 0.55);
    cairo_line_to(cr, left + w * 1.04, footY - h + 2);
    cairo_close_path(cr);
    fillVerticalGradient(cr, footY - h - size * 0.55, footY - h, lighten(roof, 0.2), darken(roof, 0.2));
    strokeInk(cr, 1.5);
    cairo_new_path(cr);
}

void paintMapRock(cairo_t* cr, double x, double y, double w, double h) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y + h);
    cairo_curve_to(cr, x - w * 0.05, y + h * 0.3, x + w * 0.3, y, x + w * 0.55, y + h * 0.05);
    cairo_curve_to(cr, x + w * 0.85, y + h * 0.1, x + w * 1.02, y + h * 0.5, x + w, y + h);
    cairo_close_path(cr);
    fillRoundShading(cr, x + w * 0.45, y + h * 0.6, std::max(w, h) * 0.6, kStone);
    strokeInk(cr, 1.6);
    cairo_new_path(cr);
}

void paintMound(cairo_t* cr, double footX, double footY, double w, double h) {
    cairo_new_path(cr);
    cairo_move_to(cr, footX - w / 2, footY);
    cairo_curve_to(cr, footX - w * 0.4, footY - h * 0.9, footX - w * 0.1, footY - h, footX + w * 0.05, footY - h);
    cairo_curve_to(cr, footX + w * 0.25, footY - h, footX + w * 0.45, footY - h * 0.7, footX + w / 2, footY);
    cairo_curve_to(cr, footX + w * 0.2, footY + h * 0.12, footX - w * 0.2, footY + h * 0.12, footX - w / 2, footY);
    cairo_close_path(cr);
    fillVerticalGradient(cr, footY - h, footY, lighten(kHillGreen, 0.2), darken(kHillGreen, 0.15));
    cairo_save(cr);
    cairo_clip_preserve(cr);
    ellipsePath(cr, footX + w * 0.42, footY - h * 0.1, w * 0.42, h * 1.1);  // the side away from the light
    setColor(cr, palette::kInk, 0.18);
    cairo_fill(cr);
    cairo_restore(cr);
    strokeInk(cr, 1.6, 0.7);
    cairo_new_path(cr);
}

void paintCrag(cairo_t* cr, double x, double y, double r, uint32_t seed) {
    ForgeRandom random(seed);
    const int corners = random.range(5, 7);
    const double turn = random.uniform(0, 2 * M_PI);
    const Rgb stone = mix(kStone, {0.52, 0.46, 0.40}, random.unit());
    cairo_new_path(cr);
    for (int k = 0; k < corners; ++k) {
        const double a = turn + k * 2 * M_PI / corners;
        const double reach = r * random.uniform(0.7, 1.05);
        cairo_line_to(cr, x + reach * std::cos(a), y + reach * 0.8 * std::sin(a));
    }
    cairo_close_path(cr);
    fillRoundShading(cr, x - r * 0.2, y - r * 0.3, r * 1.2, stone);
    strokeInk(cr, 1.3);
    cairo_new_path(cr);
    cairo_move_to(cr, x - r * 0.3, y - r * 0.1);  // a crack
    cairo_line_to(cr, x + r * 0.1, y + r * 0.25);
    strokeRound(cr, darken(stone, 0.4), 1, 0.7);
}

void paintMarshWater(cairo_t* cr, const Islet& m) {
    ForgeRandom random(0x5a33);
    for (int k = 0; k < 40; ++k) {
        const double a = random.uniform(0, 2 * M_PI);
        const double d = std::sqrt(random.unit()) * 0.9;
        const double x = m.x + std::cos(a) * d * m.rx, y = m.y + std::sin(a) * d * m.ry;
        cairo_move_to(cr, x - 6, y);
        cairo_line_to(cr, x + 6, y);
    }
    setColor(cr, lighten(kWater, 0.4), 0.45);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (int k = 0; k < 60; ++k) {  // reeds
        const double a = random.uniform(0, 2 * M_PI);
        const double d = 0.8 + random.uniform(0, 0.25);
        const double x = m.x + std::cos(a) * d * m.rx, y = m.y + std::sin(a) * d * m.ry;
        for (int b = -1; b <= 1; ++b) {
            cairo_move_to(cr, x + b * 2, y);
            cairo_line_to(cr, x + b * 4, y - 10 - std::abs(b) * -2);
        }
    }
    setColor(cr, {0.36, 0.42, 0.18}, 0.9);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
}

void paintRiver(cairo_t* cr, const std::vector<CampPoint>& course) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    smoothPath(cr, course, false);
    setColor(cr, palette::kInk, 0.6);
    cairo_set_line_width(cr, 15);
    cairo_stroke_preserve(cr);
    setColor(cr, kWater);
    cairo_set_line_width(cr, 12);
    cairo_stroke_preserve(cr);
    setColor(cr, lighten(kWater, 0.45), 0.8);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    // The pool the spring rises in.
    ellipsePath(cr, course.front().x, course.front().y, 22, 14);
    fillRoundShading(cr, course.front().x, course.front().y, 22, kWater);
    strokeInk(cr, 1.8);
    cairo_restore(cr);
    cairo_new_path(cr);
}
