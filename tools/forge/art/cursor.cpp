// The mouse cursor: img/gui/cursor.png, a 6 x 3 sheet of 76 x 76 frames (456 x 228), one frame per
// cursor kind, and img/gui/cursor_highlight.png (64 x 64), the glow drawn additively under it.
// Hot spots (the pixel that points) by frame: 0 arrow, 1 hand and 2 grab at (0, 0), their tips in
// the top-left corner; 3 look at (15, 15), inside the lens; 4 talk at (39, 46), the tip of the
// bubble's tail; 5 wait, 6 back, 7..14 the E W N S SW NW NE SE arrows and 17 scroll centred on
// (38, 38), which is also the centre the wait cursor turns around. 15 (stairs) and 16 (door) are
// badges laid over another cursor's frame, sitting below its middle.
#include "tools/forge/art/cursor.h"

#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kFrame = kCursorFrameSize;
constexpr double kMid = 38;
constexpr double kInk = 2.4;
constexpr Rgb kCream{1.0, 0.95, 0.78};
constexpr Rgb kGlove{0.99, 0.97, 0.92};

void polygon(cairo_t* cr, std::initializer_list<std::array<double, 2>> points) {
    cairo_new_path(cr);
    bool first = true;
    for (const auto& p : points) {
        if (first) cairo_move_to(cr, p[0], p[1]);
        else cairo_line_to(cr, p[0], p[1]);
        first = false;
    }
    cairo_close_path(cr);
}

void fillInked(cairo_t* cr, double top, double bottom, Rgb light, Rgb dark) {
    fillVerticalGradient(cr, top, bottom, light, dark);
    strokeInk(cr, kInk, 1.0);
    cairo_new_path(cr);
}

void paintArrowPointer(cairo_t* cr) {
    cairo_scale(cr, 1.15, 1.15);
    polygon(cr, {{{1.5, 1.5}}, {{1.5, 33}}, {{9.5, 26}}, {{15, 38}}, {{21.5, 35}}, {{16, 23.5}}, {{26.5, 23.5}}});
    fillInked(cr, 0, 38, kCream, palette::kGold);
    polygon(cr, {{{4.5, 8}}, {{4.5, 24}}, {{9, 20}}});
    setColor(cr, palette::kWhite, 0.7);
    cairo_fill(cr);
}

// A cartoon glove pointing up; the caller turns it so the fingertip meets the hot spot.
void glovePalm(cairo_t* cr) {
    cairo_new_path(cr);
    roundedRectPath(cr, -4, 14, 25, 21, 8);
    fillInked(cr, 14, 35, kGlove, {0.85, 0.8, 0.72});
    for (int k = 0; k < 3; ++k) {
        cairo_new_path(cr);
        roundedRectPath(cr, 4.5 + k * 6, 11 + k * 1.5, 7, 12, 3.5);
        fillInked(cr, 11, 24, kGlove, {0.88, 0.84, 0.76});
    }
    cairo_new_path(cr);
    roundedRectPath(cr, -9, 18, 12, 8, 4);  // thumb
    fillInked(cr, 18, 26, kGlove, {0.88, 0.84, 0.76});
    cairo_new_path(cr);
    roundedRectPath(cr, -3, 33, 23, 6, 2.5);  // cuff
    fillInked(cr, 33, 39, palette::kCoral, darken(palette::kCoral, 0.3));
}

void paintHand(cairo_t* cr) {
    cairo_translate(cr, 3, 2);
    cairo_rotate(cr, -0.38);
    cairo_scale(cr, 1.2, 1.2);
    cairo_new_path(cr);
    roundedRectPath(cr, -3.5, 0, 8, 22, 4);  // index finger, tip at the origin
    fillInked(cr, 0, 22, kGlove, {0.88, 0.84, 0.76});
    glovePalm(cr);
}

void paintGrab(cairo_t* cr) {
    cairo_translate(cr, 9, -8);
    cairo_rotate(cr, -0.25);
    cairo_scale(cr, 1.2, 1.2);
    cairo_new_path(cr);
    roundedRectPath(cr, -3.5, 10, 8, 12, 4);  // the index finger curled in like the rest
    fillInked(cr, 10, 22, kGlove, {0.88, 0.84, 0.76});
    glovePalm(cr);
}

void paintLook(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 32, 32);
    cairo_line_to(cr, 52, 52);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, 11);
    cairo_stroke_preserve(cr);
    setColor(cr, palette::kWood);
    cairo_set_line_width(cr, 6.5);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 20, 20, 15, 0, 2 * M_PI);
    setColor(cr, palette::kGold);
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 20, 20, 12, 0, 2 * M_PI);
    cairo_pattern_t* glass = cairo_pattern_create_radial(15, 14, 1, 20, 20, 12);
    cairo_pattern_add_color_stop_rgba(glass, 0, 1, 1, 1, 0.75);
    cairo_pattern_add_color_stop_rgba(glass, 1, 0.6, 0.85, 0.95, 0.35);
    cairo_set_source(cr, glass);
    cairo_fill(cr);
    cairo_pattern_destroy(glass);
    for (double r : {18.2, 11.8}) {
        cairo_new_path(cr);
        cairo_arc(cr, 20, 20, r, 0, 2 * M_PI);
        setColor(cr, palette::kInk);
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
    }
}

void paintTalk(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 39, 24);
    cairo_scale(cr, 24, 16);
    cairo_arc(cr, 0, 0, 1, 0.62 * M_PI, 0.45 * M_PI + 2 * M_PI);
    cairo_restore(cr);
    cairo_line_to(cr, 39, 46);  // the tail's tip is the hot spot
    cairo_close_path(cr);
    fillInked(cr, 8, 46, palette::kWhite, palette::kParchment);
    for (int k = -1; k <= 1; ++k) {
        cairo_new_path(cr);
        cairo_arc(cr, 39 + k * 9, 24, 2.8, 0, 2 * M_PI);
        setColor(cr, palette::kInk);
        cairo_fill(cr);
    }
}

void paintWait(cairo_t* cr) {
    cairo_translate(cr, kMid, kMid);
    polygon(cr, {{{-12, -17}}, {{12, -17}}, {{2, 0}}, {{12, 17}}, {{-12, 17}}, {{-2, 0}}});
    setColor(cr, {0.85, 0.95, 1.0}, 0.8);
    cairo_fill_preserve(cr);
    strokeInk(cr, 2, 1.0);
    polygon(cr, {{{-6, -8}}, {{6, -8}}, {{0, -1}}});
    setColor(cr, palette::kSand);
    cairo_fill(cr);
    polygon(cr, {{{-9, 16}}, {{9, 16}}, {{0, 7}}});
    cairo_fill(cr);
    for (double y : {-19.0, 19.0}) {
        cairo_new_path(cr);
        roundedRectPath(cr, -16, y - 3, 32, 6, 2.5);
        fillInked(cr, y - 3, y + 3, lighten(palette::kWood, 0.3), palette::kWoodDark);
    }
}

// A thick arrow pointing along +x from the centre, turned to the given angle.
void directionArrow(cairo_t* cr, double angle) {
    cairo_save(cr);
    cairo_translate(cr, kMid, kMid);
    cairo_rotate(cr, angle);
    polygon(cr, {{{-20, -6}}, {{4, -6}}, {{4, -15}}, {{22, 0}}, {{4, 15}}, {{4, 6}}, {{-20, 6}}});
    fillVerticalGradient(cr, -15, 15, kCream, palette::kGold);
    strokeInk(cr, kInk, 1.0);
    cairo_new_path(cr);
    cairo_restore(cr);
}

void paintBack(cairo_t* cr) {
    // A U-turn: out to the right, over the top and back down, ending in an arrow head.
    cairo_new_path(cr);
    cairo_move_to(cr, 52, 52);
    cairo_line_to(cr, 52, 32);
    cairo_arc_negative(cr, 38, 32, 14, 0, M_PI);
    cairo_line_to(cr, 24, 40);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, 14);
    cairo_stroke_preserve(cr);
    setColor(cr, palette::kGold);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    polygon(cr, {{{12, 39}}, {{36, 39}}, {{24, 56}}});
    fillInked(cr, 39, 56, kCream, palette::kGold);
}

void badgeDisc(cairo_t* cr, double cx, double cy) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 12, 0, 2 * M_PI);
    fillRoundShading(cr, cx, cy, 12, palette::kLagoon);
    strokeInk(cr, 2, 1.0);
    cairo_new_path(cr);
}

constexpr double kBadgeX = 38;
constexpr double kBadgeY = 54;

void paintStairs(cairo_t* cr) {
    badgeDisc(cr, kBadgeX, kBadgeY);
    polygon(cr, {{{kBadgeX - 8, kBadgeY + 6}},
                 {{kBadgeX - 8, kBadgeY + 2}},
                 {{kBadgeX - 3, kBadgeY + 2}},
                 {{kBadgeX - 3, kBadgeY - 2}},
                 {{kBadgeX + 2, kBadgeY - 2}},
                 {{kBadgeX + 2, kBadgeY - 6}},
                 {{kBadgeX + 8, kBadgeY - 6}},
                 {{kBadgeX + 8, kBadgeY + 6}}});
    setColor(cr, palette::kWhite);
    cairo_fill(cr);
}

void paintDoor(cairo_t* cr) {
    badgeDisc(cr, kBadgeX, kBadgeY);
    cairo_new_path(cr);
    cairo_move_to(cr, kBadgeX - 5, kBadgeY + 7);
    cairo_line_to(cr, kBadgeX - 5, kBadgeY - 3);
    cairo_arc(cr, kBadgeX, kBadgeY - 3, 5, M_PI, 2 * M_PI);
    cairo_line_to(cr, kBadgeX + 5, kBadgeY + 7);
    cairo_close_path(cr);
    setColor(cr, palette::kWood);
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.2, 1.0);
    cairo_new_path(cr);
    cairo_arc(cr, kBadgeX + 2.5, kBadgeY + 2, 1, 0, 2 * M_PI);
    setColor(cr, palette::kGold);
    cairo_fill(cr);
}

void paintScroll(cairo_t* cr) {
    cairo_new_path(cr);
    roundedRectPath(cr, 20, 22, 36, 30, 3);
    fillInked(cr, 22, 52, palette::kParchment, palette::kSandShade);
    for (double y : {20.0, 54.0}) {
        cairo_new_path(cr);
        roundedRectPath(cr, 16, y - 4, 44, 8, 4);
        fillInked(cr, y - 4, y + 4, palette::kParchment, palette::kSandShade);
    }
    for (int k = 0; k < 4; ++k) {
        cairo_new_path(cr);
        cairo_move_to(cr, 25, 29 + k * 5.5);
        cairo_line_to(cr, k == 3 ? 41 : 51, 29 + k * 5.5);
        setColor(cr, palette::kInk, 0.5);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

}  // namespace

RgbaImage cursorFrame(int kind) {
    Canvas canvas(kFrame, kFrame);
    cairo_t* cr = canvas.cr();
    // Direction arrows 7..14: E, W, N, S, SW, NW, NE, SE as angles on the screen (y down).
    constexpr double kAngles[] = {0, M_PI, -M_PI / 2, M_PI / 2, 3 * M_PI / 4, -3 * M_PI / 4, -M_PI / 4, M_PI / 4};
    switch (kind) {
        case 0: paintArrowPointer(cr); break;
        case 1: paintHand(cr); break;
        case 2: paintGrab(cr); break;
        case 3: paintLook(cr); break;
        case 4: paintTalk(cr); break;
        case 5: paintWait(cr); break;
        case 6: paintBack(cr); break;
        case 15: paintStairs(cr); break;
        case 16: paintDoor(cr); break;
        case 17: paintScroll(cr); break;
        default: directionArrow(cr, kAngles[kind - 7]); break;
    }
    return withDropShadow(canvas.toImage(), 2, 3, 2, 0.45);
}

namespace {

RgbaImage cursorGlow() {
    Canvas canvas(64, 64);
    paintGlow(canvas.cr(), 32, 32, 31, {1, 0.97, 0.8}, palette::kGold, 0.8);
    return canvas.toImage();
}

}  // namespace

FORGE_STEP(cursor) {
    constexpr int kKinds = 18;
    const RgbaImage sheet = paintSheet(6, 3, kKinds, cursorFrame);
    forge.writePng("img/gui/cursor.png", sheet);
    const RgbaImage glow = cursorGlow();
    forge.writePng("img/gui/cursor_highlight.png", glow);
    forge.addContactSheet("cursor", previewRow({previewOver(sheet, {0.3, 0.55, 0.5}, 2), previewAdditive(glow, 2)}));
}
