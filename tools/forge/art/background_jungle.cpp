// The second match-3 background and its animated foreground layers, under img/match3_backgrounds/:
//   back2.jpg                 1600 x 900, a jungle clearing: misty canopy, a waterfall pouring off a
//                             cliff on the right, a thatched shelter on the left, calm in the middle
//   back2_leaves_left.png     300 x 560, meant for (0, 0): leaves and a vine hanging into the left
//                             strip; sways round its top-left corner
//   back2_leaves_right.png    300 x 560, meant for (1300, 0): the same on the right; sways round
//                             its top-right corner
//   back2_rays.png            1000 x 760, meant for (300, 0): shafts of sunlight, drawn
//                             additively with a slowly breathing opacity
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/plants.h"
#include "tools/forge/paint/scenery.h"

namespace {

constexpr int kWidth = kSceneWidth;
constexpr int kHeight = kSceneHeight;
constexpr int kJpegQuality = 88;

RgbaImage preview(const RgbaImage& background) { return scaledCopy(background, kWidth / 2, kHeight / 2); }

// Misty layers of canopy, each a row of round crowns lit from above, paler the further away.
void canopyRow(cairo_t* cr, ForgeRandom& random, double baseY, double radius, Rgb color, double haze) {
    const Rgb c = mix(color, {0.78, 0.88, 0.8}, haze);
    cairo_rectangle(cr, 0, baseY, kWidth, kHeight - baseY);
    setColor(cr, darken(c, 0.1));
    cairo_fill(cr);
    for (double x = -radius; x < kWidth + radius; x += radius * random.uniform(0.7, 1.1)) {
        const double r = radius * random.uniform(0.8, 1.2);
        const double y = baseY - random.uniform(0, radius * 0.6);
        cairo_new_path(cr);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_pattern_t* crown = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.5, r * 0.1, x, y, r * 1.2);
        const Rgb top = lighten(c, 0.22);
        const Rgb low = darken(c, 0.12);
        cairo_pattern_add_color_stop_rgb(crown, 0, top.r, top.g, top.b);
        cairo_pattern_add_color_stop_rgb(crown, 1, low.r, low.g, low.b);
        cairo_set_source(cr, crown);
        cairo_fill(cr);
        cairo_pattern_destroy(crown);
    }
    cairo_new_path(cr);
}
// A tall jungle tree: a straight trunk with buttress roots and a crown of leaf clumps.
void jungleTree(cairo_t* cr, ForgeRandom& random, double x, double baseY, double height, double haze) {
    const Rgb bark = mix({0.42, 0.34, 0.25}, {0.7, 0.8, 0.72}, haze);
    const double w = height * 0.035;
    cairo_new_path(cr);
    cairo_move_to(cr, x - w * 2.2, baseY);
    cairo_curve_to(cr, x - w, baseY - w, x - w, baseY - height * 0.2, x - w * 0.8, baseY - height);
    cairo_line_to(cr, x + w * 0.8, baseY - height);
    cairo_curve_to(cr, x + w, baseY - height * 0.2, x + w, baseY - w, x + w * 2.2, baseY);
    cairo_close_path(cr);
    cairo_pattern_t* shade = cairo_pattern_create_linear(x - w, 0, x + w, 0);
    cairo_pattern_add_color_stop_rgb(shade, 0, bark.r * 1.2, bark.g * 1.2, bark.b * 1.2);
    cairo_pattern_add_color_stop_rgb(shade, 1, bark.r * 0.7, bark.g * 0.7, bark.b * 0.7);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    const Rgb leaf = mix(palette::kJungle, {0.7, 0.82, 0.72}, haze);
    for (int k = 0; k < 7; ++k) {
        const double cx = x + random.uniform(-height * 0.16, height * 0.16);
        const double cy = baseY - height + random.uniform(-height * 0.08, height * 0.06);
        const double r = height * random.uniform(0.08, 0.13);
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        fillVerticalGradient(cr, cy - r, cy + r, lighten(leaf, 0.3), leaf);
    }
    cairo_new_path(cr);
}
// A rock face on the right whose lip the waterfall pours over.
void cliff(cairo_t* cr, double left, double top, double bottom) {
    cairo_new_path(cr);
    cairo_move_to(cr, left, bottom);
    cairo_curve_to(cr, left - 10, bottom - 150, left + 30, top + 80, left + 20, top);
    cairo_line_to(cr, kWidth + 5, top - 30);
    cairo_line_to(cr, kWidth + 5, bottom);
    cairo_close_path(cr);
    fillVerticalGradient(cr, top, bottom, {0.55, 0.56, 0.5}, {0.33, 0.34, 0.3});
    strokeInk(cr, 2.5, 0.7);
    cairo_new_path(cr);
    for (int k = 0; k < 9; ++k) {  // ledges across the stone
        const double y = top + 40 + k * (bottom - top - 60) / 9.0;
        cairo_move_to(cr, left + 25, y);
        cairo_curve_to(cr, left + 80, y - 8, left + 140, y + 6, kWidth, y - 4);
    }
    setColor(cr, palette::kInk, 0.25);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_rectangle(cr, left + 10, top - 16, kWidth - left, 24);  // moss along the top
    fillVerticalGradient(cr, top - 16, top + 8, palette::kLeaf, palette::kJungle);
    cairo_new_path(cr);
}
void groundPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 560, 640);
    cairo_curve_to(cr, 700, 660, 620, 760, 420, 905);
    cairo_line_to(cr, 1120, 905);
    cairo_curve_to(cr, 960, 760, 880, 660, 1000, 640);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 640, 900, {0.72, 0.62, 0.42}, {0.55, 0.44, 0.28}, 0.8);
    cairo_new_path(cr);
}
void waterfall(cairo_t* cr, ForgeRandom& random, double x, double top, double bottom, double width) {
    cairo_rectangle(cr, x, top, width, bottom - top);
    fillVerticalGradient(cr, top, bottom, {0.75, 0.9, 0.95}, {0.55, 0.8, 0.88});
    cairo_new_path(cr);
    for (int k = 0; k < 24; ++k) {
        const double sx = x + random.uniform(4, width - 4);
        cairo_move_to(cr, sx, top + random.uniform(0, 60));
        cairo_line_to(cr, sx + random.uniform(-2, 2), bottom - random.uniform(0, 40));
        setColor(cr, palette::kWhite, random.uniform(0.3, 0.7));
        cairo_set_line_width(cr, random.uniform(1.5, 4));
        cairo_stroke(cr);
    }
    for (int k = 0; k < 8; ++k) {
        paintPuff(cr, x + width * random.uniform(-0.2, 1.2), bottom + random.uniform(-10, 10), random.uniform(18, 30),
                  {0.92, 0.97, 1.0}, 0.6);
    }
}
void hut(cairo_t* cr, double x, double y) {
    for (double px : {x + 10, x + 150}) {
        cairo_rectangle(cr, px, y + 70, 12, 160);
        fillVerticalGradient(cr, y + 70, y + 230, palette::kWood, palette::kWoodDark);
        strokeInk(cr, 2);
        cairo_new_path(cr);
    }
    cairo_rectangle(cr, x + 16, y + 150, 140, 14);  // a bench of planks
    fillVerticalGradient(cr, y + 150, y + 164, lighten(palette::kWood, 0.2), palette::kWoodDark);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 30, y + 90);
    cairo_line_to(cr, x + 80, y);
    cairo_line_to(cr, x + 200, y + 90);
    cairo_close_path(cr);
    fillVerticalGradient(cr, y, y + 90, {0.86, 0.72, 0.42}, {0.6, 0.46, 0.24});
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    for (int k = 1; k < 12; ++k) {  // thatch
        const double t = k / 12.0;
        cairo_move_to(cr, x + 80 + (t - 0.5) * 10, y + 6);
        cairo_line_to(cr, x - 30 + 230 * t, y + 88);
    }
    setColor(cr, palette::kInk, 0.3);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}
RgbaImage jungleBackground() {
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    ForgeRandom random(0x1a6e);
    paintSky(cr, 500, {0.80, 0.90, 0.78}, {0.92, 0.95, 0.82});
    paintGlow(cr, 760, 80, 420, {1, 1, 0.88}, {0.95, 0.95, 0.7}, 0.6);
    {
        Canvas far(kWidth / 2, kHeight / 2);  // the far forest, painted small and softened by mist
        cairo_t* fc = far.cr();
        cairo_scale(fc, 0.5, 0.5);
        canopyRow(fc, random, 300, 70, {0.35, 0.6, 0.45}, 0.6);
        for (double x : {180.0, 520.0, 980.0, 1300.0}) jungleTree(fc, random, x, 480, 300, 0.55);
        canopyRow(fc, random, 420, 90, {0.25, 0.5, 0.35}, 0.4);
        RgbaImage soft = far.toImage();
        boxBlur(soft, 2);
        canvas.drawImage(soft, 0, 0, 2.0);
    }
    for (double x : {260.0, 700.0, 1180.0}) jungleTree(cr, random, x, 600, 420, 0.3);
    canopyRow(cr, random, 560, 100, {0.18, 0.42, 0.27}, 0.15);
    cairo_rectangle(cr, 0, 630, kWidth, kHeight - 630);
    fillVerticalGradient(cr, 630, kHeight, {0.38, 0.5, 0.24}, {0.24, 0.26, 0.14});
    groundPath(cr);
    cliff(cr, 1395, 230, 700);
    waterfall(cr, random, 1440, 220, 680, 70);
    paintRock(cr, 1390, 620, 120, 90);
    paintRock(cr, 1500, 640, 110, 80);
    jungleTree(cr, random, 60, 650, 600, 0.0);
    hut(cr, 10, 520);
    for (int k = 0; k < 6; ++k) {  // ferns along the ground at both sides
        const double x = k < 3 ? 20 + k * 60 : 1420 + (k - 3) * 60;
        paintBroadLeaf(cr, x, 800, -2.3 + 0.5 * (k % 3), 130, 26, palette::kLeaf, palette::kJungle);
        paintBroadLeaf(cr, x, 800, -0.9 - 0.4 * (k % 3), 120, 24, palette::kLeaf, palette::kJungle);
    }
    paintVignette(cr, 0.4);
    return canvas.toImage();
}
RgbaImage hangingLeaves(bool right) {
    Canvas canvas(300, 560);
    cairo_t* cr = canvas.cr();
    if (right) {  // mirror, so the right layer hangs from its top-right corner
        cairo_translate(cr, 300, 0);
        cairo_scale(cr, -1, 1);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 60, -5);
    cairo_curve_to(cr, 90, 160, 40, 300, 75, 540);
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    setColor(cr, {0.35, 0.45, 0.2});
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    const Rgb light = lighten(palette::kLeaf, 0.1);
    for (int k = 0; k < 7; ++k) {
        const double y = 70 + k * 68;
        const double x = 64 + 14 * std::sin(k * 1.3);
        paintBroadLeaf(cr, x, y, k % 2 ? 0.5 : 2.6, 70 - k * 3, 17, light, palette::kJungle);
    }
    paintBroadLeaf(cr, -20, 10, 0.6, 260, 60, light, palette::kJungle);
    paintBroadLeaf(cr, -10, -10, 1.2, 200, 50, palette::kLeaf, darken(palette::kJungle, 0.2));
    paintBroadLeaf(cr, 10, -20, 0.15, 240, 45, light, palette::kJungle);
    return withDropShadow(canvas.toImage(), 6, 10, 6, 0.4);
}
RgbaImage lightRays() {
    Canvas canvas(1000, 760);
    cairo_t* cr = canvas.cr();
    const double starts[] = {330, 430, 520, 610, 700};
    for (size_t k = 0; k < std::size(starts); ++k) {
        const double x = starts[k];
        const double lean = 160 - 70.0 * k;
        cairo_new_path(cr);
        cairo_move_to(cr, x - 20, 0);
        cairo_line_to(cr, x + 20 + k * 6, 0);
        cairo_line_to(cr, x + lean + 90, 760);
        cairo_line_to(cr, x + lean - 40, 760);
        cairo_close_path(cr);
        cairo_pattern_t* fade = cairo_pattern_create_linear(0, 0, 0, 760);
        cairo_pattern_add_color_stop_rgba(fade, 0, 1, 0.98, 0.85, 0.3);
        cairo_pattern_add_color_stop_rgba(fade, 1, 1, 0.98, 0.85, 0);
        cairo_set_source(cr, fade);
        cairo_fill(cr);
        cairo_pattern_destroy(fade);
    }
    RgbaImage image = canvas.toImage();
    boxBlur(image, 10);
    return image;
}
}  // namespace

FORGE_STEP(backgrounds_jungle) {
    RgbaImage back = jungleBackground();
    forge.writeJpeg("img/match3_backgrounds/back2.jpg", back, kJpegQuality);
    const RgbaImage left = hangingLeaves(false);
    const RgbaImage right = hangingLeaves(true);
    const RgbaImage rays = lightRays();
    forge.writePng("img/match3_backgrounds/back2_leaves_left.png", left);
    forge.writePng("img/match3_backgrounds/back2_leaves_right.png", right);
    forge.writePng("img/match3_backgrounds/back2_rays.png", rays);
    // The screen as the player sees it, layers in place (rays added, as the game draws them).
    Canvas composed(kWidth, kHeight);
    composed.drawImage(back, 0, 0);
    cairo_set_operator(composed.cr(), CAIRO_OPERATOR_ADD);
    composed.drawImage(rays, 300, 0, 1.0, 0.6);
    cairo_set_operator(composed.cr(), CAIRO_OPERATOR_OVER);
    composed.drawImage(left, 0, 0);
    composed.drawImage(right, 1300, 0);
    forge.addContactSheet("backgrounds_jungle", preview(composed.toImage()));
}
