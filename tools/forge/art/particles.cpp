// The particle pictures of img/fx/:
//   waterbit.png 16 x 16      a water droplet
//   smoke.png 64 x 64         a soft puff of pale smoke
//   bubble.png 24 x 24        an air bubble: clear middle, bright rim and a glint
//   csmoke.png 128 x 128      a dusty puff of building smoke (drawn at a fifth to half its size)
//   whiteflower.png 64 x 64   a soft six-petalled flare, drawn additively up to ten times enlarged,
//                             so it fades to nothing long before its edges
//   wavebit.png 4 x 2 sheet of 48 x 24 frames, 8 crests of foam for the sea's wave tops
#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kWaveFrameWidth = 48;
constexpr int kWaveFrameHeight = 24;

RgbaImage waterBit() {
    Canvas canvas(16, 16);
    cairo_t* cr = canvas.cr();
    cairo_move_to(cr, 8, 1.5);
    cairo_curve_to(cr, 10, 5, 13.5, 8, 13.5, 10.5);
    cairo_curve_to(cr, 13.5, 13.5, 11, 15, 8, 15);
    cairo_curve_to(cr, 5, 15, 2.5, 13.5, 2.5, 10.5);
    cairo_curve_to(cr, 2.5, 8, 6, 5, 8, 1.5);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 1, 15, {0.85, 0.97, 1.0}, {0.35, 0.7, 0.92}, 0.9);
    setColor(cr, palette::kDeepSea, 0.7);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_arc(cr, 6.3, 10, 1.5, 0, 2 * M_PI);
    setColor(cr, palette::kWhite, 0.9);
    cairo_fill(cr);
    return canvas.toImage();
}

RgbaImage smokePuff() {
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.cr();
    ForgeRandom random(0x5304e);
    paintPuff(cr, 32, 32, 26, {0.9, 0.9, 0.88}, 0.75);
    for (int k = 0; k < 6; ++k) {
        const double a = 2 * M_PI * k / 6 + random.uniform(-0.3, 0.3);
        paintPuff(cr, 32 + 11 * std::cos(a), 32 + 11 * std::sin(a), random.uniform(11, 15), {0.92, 0.92, 0.9}, 0.45);
    }
    return canvas.toImage();
}

RgbaImage bubble() {
    Canvas canvas(24, 24);
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* body = cairo_pattern_create_radial(12, 12, 4, 12, 12, 11);
    cairo_pattern_add_color_stop_rgba(body, 0, 0.7, 0.95, 1, 0.08);
    cairo_pattern_add_color_stop_rgba(body, 0.8, 0.75, 0.95, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(body, 1, 0.9, 1, 1, 0.9);
    cairo_set_source(cr, body);
    cairo_arc(cr, 12, 12, 11, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    cairo_new_path(cr);
    cairo_arc(cr, 12, 12, 7.5, M_PI * 1.1, M_PI * 1.45);
    setColor(cr, palette::kWhite, 0.95);
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_arc(cr, 15.5, 16, 1.2, 0, 2 * M_PI);
    setColor(cr, palette::kWhite, 0.7);
    cairo_fill(cr);
    return canvas.toImage();
}

RgbaImage buildSmoke() {
    Canvas canvas(128, 128);
    cairo_t* cr = canvas.cr();
    ForgeRandom random(0xc5304e);
    const Rgb dust{0.82, 0.76, 0.66};
    paintPuff(cr, 64, 66, 50, dust, 0.7);
    for (int k = 0; k < 9; ++k) {
        const double a = 2 * M_PI * k / 9 + random.uniform(-0.25, 0.25);
        const double d = random.uniform(18, 30);
        paintPuff(cr, 64 + d * std::cos(a), 66 + d * std::sin(a) * 0.85, random.uniform(20, 28),
                  k % 3 ? dust : lighten(dust, 0.3), 0.5);
    }
    return canvas.toImage();
}

RgbaImage whiteFlower() {
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.cr();
    paintGlow(cr, 32, 32, 31, palette::kWhite, {1, 0.97, 0.9}, 0.55);
    // Petals: soft ellipses round the middle, each fading out along its length.
    for (int k = 0; k < 6; ++k) {
        cairo_save(cr);
        cairo_translate(cr, 32, 32);
        cairo_rotate(cr, k * M_PI / 3);
        cairo_scale(cr, 1, 0.32);
        cairo_pattern_t* petal = cairo_pattern_create_radial(12, 0, 0, 12, 0, 19);
        cairo_pattern_add_color_stop_rgba(petal, 0, 1, 1, 1, 0.55);
        cairo_pattern_add_color_stop_rgba(petal, 1, 1, 1, 1, 0);
        cairo_set_source(cr, petal);
        cairo_arc(cr, 12, 0, 19, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(petal);
        cairo_restore(cr);
    }
    paintGlow(cr, 32, 32, 10, palette::kWhite, palette::kWhite, 0.9);
    return canvas.toImage();
}

// A crest of foam: a curling white lip with a few flecks, one shape per frame.
RgbaImage waveCrest(int frame) {
    ForgeRandom random(0xa7e + static_cast<uint32_t>(frame) * 131u);
    Canvas canvas(kWaveFrameWidth, kWaveFrameHeight);
    cairo_t* cr = canvas.cr();
    const double width = random.uniform(26, 40);
    const double left = (kWaveFrameWidth - width) / 2;
    const double lift = random.uniform(4, 8);
    cairo_new_path(cr);
    cairo_move_to(cr, left, 16);
    cairo_curve_to(cr, left + width * 0.3, 16 - lift, left + width * 0.6, 16 - lift * 1.2, left + width, 15);
    cairo_curve_to(cr, left + width * 0.65, 17, left + width * 0.35, 18.5, left, 16);
    cairo_close_path(cr);
    setColor(cr, palette::kWhite, 0.85);
    cairo_fill(cr);
    for (int k = 0; k < 4; ++k) {
        cairo_arc(cr, left + random.uniform(0.1, 0.9) * width, random.uniform(17, 21), random.uniform(0.6, 1.3), 0,
                  2 * M_PI);
        setColor(cr, palette::kWhite, 0.6);
        cairo_fill(cr);
    }
    RgbaImage image = canvas.toImage();
    boxBlur(image, 1);
    return image;
}

}  // namespace

FORGE_STEP(fx_particles) {
    std::vector<RgbaImage> previews;
    const auto write = [&](const std::string& name, const RgbaImage& image, bool additive) {
        forge.writePng("img/fx/" + name + ".png", image);
        previews.push_back(additive ? previewAdditive(image, 3) : previewOver(image, palette::kDeepSea, 3));
    };
    write("waterbit", waterBit(), false);
    write("smoke", smokePuff(), false);
    write("bubble", bubble(), false);
    write("csmoke", buildSmoke(), false);
    write("whiteflower", whiteFlower(), true);
    write("wavebit", paintSheet(4, 2, 8, waveCrest), false);
    forge.addContactSheet("fx_particles", previewRow(previews, 1600));
}
