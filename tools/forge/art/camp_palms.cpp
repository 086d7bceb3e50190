// The camp's palm strips, img/states/camp/palm1.png ... palm4.png: one row of
// camp_layout::kPalmFrames frames of 240 x 280 each, the palm's foot at the bottom middle. The game
// plays them back and forth, so frame 0 and the last frame are the two ends of one gentle sway:
// the crown leans over and back, the fronds lag behind and flutter a little each.
//   palm1  a tall palm with a full crown
//   palm2  a palm whose trunk curves off to the left, with sun-bleached fronds
//   palm3  a slender palm with long, drooping fronds (the camp turns it to lean)
//   palm4  a young, bushy palm on a short trunk
#include "tools/forge/art/camp_palms.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "game/expedition/camp_layout.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/plants.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr double kFootX = kCampPalmFrameWidth / 2.0;
constexpr double kFootY = kCampPalmFrameHeight - 6.0;

struct PalmSpec {
    double crownX, crownY;  // crown at rest, in the frame
    double size;            // frond length scale
    double droop;           // fraction of size the frond tips hang
    double sway;            // pixels the crown moves each way
    int fronds;             // in the back ring
    Rgb light, dark;
    unsigned seed;
};

const PalmSpec kSpecs[4] = {
    {120, 86, 150, 0.34, 5.0, 9, palette::kLeaf, palette::kJungle, 11},
    {116, 94, 144, 0.38, 5.5, 8, mix(palette::kLeaf, palette::kGold, 0.22), mix(palette::kJungle, palette::kLeaf, 0.25), 23},
    {118, 82, 146, 0.5, 4.5, 8, mix(palette::kLeaf, palette::kLagoon, 0.12), palette::kJungle, 37},
    {118, 128, 148, 0.30, 4.0, 11, darken(palette::kLeaf, 0.1), darken(palette::kJungle, 0.1), 51},
};

// One frond's lag and flutter: the tips follow the crown late, each at its own phase.
struct Frond {
    double angle, length, droop;
};

// Fronds fan from pointing a little below the left, over the top, to a little below the right;
// the side ones are long and hang, the upper ones short and arching.
std::vector<Frond> ringOfFronds(const PalmSpec& spec, double sway, double phase) {
    ForgeRandom random(spec.seed);
    std::vector<Frond> fronds;
    for (int k = 0; k < spec.fronds; ++k) {
        const double t = spec.fronds == 1 ? 0.5 : static_cast<double>(k) / (spec.fronds - 1);
        const double rest = -M_PI - 0.3 + (M_PI + 0.6) * t;
        const double own = random.uniform(0, 2 * M_PI);
        const double angle = rest + 0.05 * sway + 0.035 * std::sin(2 * M_PI * phase + own);
        const double side = std::abs(std::cos(rest));  // 1 pointing sideways, 0 pointing up
        const double reach = 0.52 + 0.2 * side + random.uniform(-0.04, 0.04);
        const double hang = spec.droop * (0.45 + 0.7 * side) + 0.02 * std::sin(own + 2 * M_PI * phase);
        fronds.push_back({angle, spec.size * reach, spec.size * (hang + 0.03 * sway * std::cos(rest))});
    }
    return fronds;
}

struct Vec {
    double x, y;
};

Vec bezier(Vec p0, Vec p1, Vec p2, double t) {
    const double u = 1 - t;
    return {u * u * p0.x + 2 * u * t * p1.x + t * t * p2.x, u * u * p0.y + 2 * u * t * p1.y + t * t * p2.y};
}

Vec unit(Vec v) {
    const double length = std::hypot(v.x, v.y);
    return length > 0 ? Vec{v.x / length, v.y / length} : Vec{0, 1};
}

// One pointed leaflet from the midrib at m along dir.
void leaflet(cairo_t* cr, Vec m, Vec dir, double length, double width) {
    const Vec e{m.x + dir.x * length, m.y + dir.y * length};
    const Vec mid{(m.x + e.x) / 2, (m.y + e.y) / 2};
    const Vec side{-dir.y * width, dir.x * width};
    cairo_move_to(cr, m.x, m.y);
    cairo_curve_to(cr, mid.x + side.x, mid.y + side.y, e.x, e.y, e.x, e.y);
    cairo_curve_to(cr, e.x, e.y, mid.x - side.x, mid.y - side.y, m.x, m.y);
    cairo_close_path(cr);
}

// A feathery frond: a midrib arching up and out, then bending down by its droop, with leaflets
// along both sides that hang towards the ground. The leaflets on the underside are painted first
// and darker, the upper ones over the midrib and lighter, each with a thin darker edge.
void paintFeatherFrond(cairo_t* cr, const Frond& frond, Rgb light, Rgb dark) {
    constexpr int kLeaflets = 15;
    const Vec dir{std::cos(frond.angle), std::sin(frond.angle)};
    const Vec p0{0, 0};
    const Vec p1{0.55 * frond.length * dir.x, 0.55 * frond.length * dir.y - 0.14 * frond.length};
    const Vec p2{frond.length * dir.x, frond.length * dir.y + frond.droop};
    const double edgeWidth = std::max(0.6, frond.length * 0.007);
    for (int pass = 0; pass < 2; ++pass) {
        const bool upper = pass == 1;
        cairo_new_path(cr);
        for (int i = 1; i <= kLeaflets; ++i) {
            const double t = 0.06 + 0.92 * i / kLeaflets;
            const Vec m = bezier(p0, p1, p2, t);
            const Vec tangent = unit({2 * (1 - t) * (p1.x - p0.x) + 2 * t * (p2.x - p1.x),
                                      2 * (1 - t) * (p1.y - p0.y) + 2 * t * (p2.y - p1.y)});
            Vec normal{-tangent.y, tangent.x};
            if ((normal.y < 0) != upper) normal = {-normal.x, -normal.y};
            const double hang = upper ? 0.35 : 0.75;
            const Vec leafDir = unit({normal.x * 0.6 + tangent.x * 0.55, normal.y * 0.6 + tangent.y * 0.55 + hang});
            const double reach = frond.length * 0.3 * std::pow(std::sin(M_PI * std::min(1.0, t * 1.08)), 0.6);
            leaflet(cr, m, leafDir, reach, std::max(1.0, reach * 0.13));
        }
        const Rgb top = upper ? lighten(light, 0.08) : mix(light, dark, 0.55);
        const Rgb bottom = upper ? mix(light, dark, 0.35) : darken(dark, 0.15);
        fillVerticalGradient(cr, std::min(p0.y, p2.y) - frond.length * 0.2, std::max(p0.y, p2.y) + frond.length * 0.3,
                             top, bottom);
        setColor(cr, darken(dark, 0.45), 0.85);
        cairo_set_line_width(cr, edgeWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
        if (!upper) {  // the midrib lies between the two rows of leaflets
            cairo_move_to(cr, p0.x, p0.y);
            cairo_curve_to(cr, p1.x, p1.y, p1.x, p1.y, p2.x, p2.y);
            strokeRound(cr, mix(palette::kWood, light, 0.4), std::max(1.2, frond.length * 0.022));
        }
    }
}

void coconuts(cairo_t* cr, double size) {
    for (int k = 0; k < 3; ++k) {
        const double x = (k - 1) * size * 0.055;
        const double y = size * (0.05 + 0.03 * (k % 2));
        cairo_new_path(cr);
        cairo_arc(cr, x, y, size * 0.048, 0, 2 * M_PI);
        shadeWithInk(cr, x, y, size * 0.048, {0.50, 0.34, 0.16}, std::max(1.2, size * 0.008));
    }
}

// The palm with its crown moved by sway (-1 .. 1) at phase (0 .. 1) of its swing.
void paintPalmAt(cairo_t* cr, const PalmSpec& spec, double footX, double footY, double sway, double phase) {
    const double crownX = spec.crownX + spec.sway * sway;
    const double crownY = spec.crownY + 0.6 * std::abs(sway);
    paintPalmTrunk(cr, footX, footY, crownX, crownY, spec.size * 1.05);
    cairo_save(cr);
    cairo_translate(cr, crownX, crownY);
    for (const Frond& f : ringOfFronds(spec, sway, phase)) {
        paintFeatherFrond(cr, f, spec.light, spec.dark);
    }
    coconuts(cr, spec.size);
    // Two fronds hang in front of the coconuts; they swing a touch more than the ring.
    paintFeatherFrond(cr, {2.45 + 0.07 * sway, spec.size * 0.5, spec.size * spec.droop * 0.6}, spec.light, spec.dark);
    paintFeatherFrond(cr, {0.7 + 0.07 * sway, spec.size * 0.52, spec.size * spec.droop * 0.6}, spec.light, spec.dark);
    cairo_restore(cr);
}

RgbaImage paintPalm(const PalmSpec& spec, int frame) {
    const int last = camp_layout::kPalmFrames - 1;
    const double phase = static_cast<double>(frame) / last;
    Canvas canvas(kCampPalmFrameWidth, kCampPalmFrameHeight);
    paintPalmAt(canvas.cr(), spec, kFootX, kFootY, -std::cos(M_PI * phase), phase);  // eased at both turns
    return canvas.toImage();
}

// A frame whose leaves touch its edge would show a cut line in the game.
bool touchesEdge(const RgbaImage& frame) {
    for (int x = 0; x < frame.width; ++x) {
        if (frame.at(x, 0)[3] > 0) return true;
    }
    for (int y = 0; y < frame.height; ++y) {
        if (frame.at(0, y)[3] > 0 || frame.at(frame.width - 1, y)[3] > 0) return true;
    }
    return false;
}

}  // namespace

RgbaImage campPalmFrame(int strip, int frame) {
    return paintPalm(kSpecs[std::clamp(strip, 1, 4) - 1], frame);
}

RgbaImage campPalmStrip(int strip) {
    return paintSheet(camp_layout::kPalmFrames, 1, camp_layout::kPalmFrames,
                      [strip](int frame) { return campPalmFrame(strip, frame); });
}

void paintFeatherPalm(cairo_t* cr, double footX, double footY, double crownX, double crownY, double size, Rgb light,
                      Rgb dark, unsigned seed) {
    paintPalmAt(cr, {crownX, crownY, size, 0.34, 0, 9, light, dark, seed}, footX, footY, 0, 0);
}

CampPalmFoot campPalmFoot(int index) {
    const camp_layout::PalmPlace& palm = camp_layout::kPalms[index];
    const double cx = palm.x + kCampPalmFrameWidth / 2.0;
    const double cy = palm.y + kCampPalmFrameHeight / 2.0;
    const double ox = (kFootX - kCampPalmFrameWidth / 2.0) * palm.scale;
    const double oy = (kFootY - kCampPalmFrameHeight / 2.0) * palm.scale;
    const double a = palm.angle * M_PI / 180.0;
    return {cx + ox * std::cos(a) - oy * std::sin(a), cy + ox * std::sin(a) + oy * std::cos(a), palm.scale};
}

FORGE_STEP(camp_palms) {
    std::vector<RgbaImage> previews;
    for (int strip = 1; strip <= 4; ++strip) {
        const RgbaImage sheet = campPalmStrip(strip);
        for (int frame = 0; frame < camp_layout::kPalmFrames; ++frame) {
            if (touchesEdge(cropImage(sheet, frame * kCampPalmFrameWidth, 0, kCampPalmFrameWidth,
                                      kCampPalmFrameHeight))) {
                forge.fail("palm" + std::to_string(strip) + " frame " + std::to_string(frame) + " touches its edge");
            }
        }
        forge.writePng("img/states/camp/palm" + std::to_string(strip) + ".png", sheet);
        for (int frame : {0, camp_layout::kPalmFrames / 2, camp_layout::kPalmFrames - 1}) {
            previews.push_back(previewOver(campPalmFrame(strip, frame), palette::kSand));
        }
    }
    forge.addContactSheet("camp_palms", previewRow(previews, 2100));
}
