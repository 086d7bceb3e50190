// The frame-sheet effects of img/tl_fx/, named name_columns_rows_frames.png. The game plays them
// additively and usually zoomed (explosions 3 or 6 times, the build smoke 6, the power-up 7), so
// they are painted on transparent black with white-hot cores, and every frame fades to nothing
// well inside its edges so no square ever shows round a blast.
//   explode2_8_6_48.png    64 x 64 frames   flash, fireball, shock ring and sparks
//   smokepuff_8_5_40.png   64 x 64 frames   a billow of pale smoke swelling and thinning
//   powerup_8_4_32.png     64 x 64 frames   rings of light and rising motes
//   splash_8_4_32.png      96 x 96 frames   a crown of droplets thrown up and falling back
//   lightflare_8_4_32.png  96 x 96 frames   a twinkling star flare that starts and ends dark
#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/sheet.h"

namespace {

struct Spark {
    double angle, speed, size, delay;
};

std::vector<Spark> makeSparks(uint32_t seed, int count) {
    ForgeRandom random(seed);
    std::vector<Spark> sparks;
    for (int k = 0; k < count; ++k) {
        sparks.push_back({random.uniform(0, 2 * M_PI), random.uniform(0.6, 1.0), random.uniform(0.6, 1.2),
                          random.uniform(0, 0.12)});
    }
    return sparks;
}

// Fire cools from white through gold and orange to a dull red as the blast ages.
Rgb fireColor(double age) {
    if (age < 0.3) return mix({1, 0.98, 0.85}, {1, 0.8, 0.3}, age / 0.3);
    if (age < 0.65) return mix({1, 0.8, 0.3}, {0.98, 0.45, 0.15}, (age - 0.3) / 0.35);
    return mix({0.98, 0.45, 0.15}, {0.55, 0.18, 0.1}, (age - 0.65) / 0.35);
}

RgbaImage explosionFrame(int frame) {
    static const std::vector<Spark> sparks = makeSparks(0xe4b1, 16);
    static const std::vector<Spark> billows = makeSparks(0xf12e, 7);
    const double t = frame / 47.0;
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.cr();
    const double fade = std::pow(1 - t, 1.4);
    for (const Spark& b : billows) {
        const double r = 5 + 13 * easeOut(t * 1.3);
        const double d = 7 * easeOut(t * 1.5) * b.speed;
        paintPuff(cr, 32 + d * std::cos(b.angle), 32 + d * std::sin(b.angle), r * b.size, fireColor(t), 0.75 * fade);
    }
    const double flash = 1 - smoothstep(0.0, 0.3, t);
    paintGlow(cr, 32, 32, 8 + 16 * smoothstep(0.0, 0.12, t), palette::kWhite, {1, 0.9, 0.5}, flash);
    if (t < 0.55) paintRing(cr, 32, 32, 5 + 18 * easeOut(t / 0.55), 4 * (1 - t), {1, 0.92, 0.7}, 0.7 * (1 - t / 0.55));
    for (const Spark& s : sparks) {
        const double life = (t - s.delay) / 0.7;
        if (life <= 0 || life >= 1) continue;
        const double reach = 4 + 21 * easeOut(life) * s.speed;
        const double x = 32 + reach * std::cos(s.angle);
        const double y = 32 + reach * std::sin(s.angle);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x - 3 * s.size * std::cos(s.angle), y - 3 * s.size * std::sin(s.angle));
        setColor(cr, {1, 0.9, 0.55}, 1 - life);
        cairo_set_line_width(cr, 1.4 * s.size);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    return canvas.toImage();
}

RgbaImage smokeFrame(int frame) {
    static const std::vector<Spark> puffs = makeSparks(0x5e0c, 8);
    const double t = frame / 39.0;
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.cr();
    const double density = smoothstep(0.0, 0.12, t) * std::pow(1 - t, 1.2);
    paintPuff(cr, 32, 33 - 5 * t, 7 + 9 * easeOut(t), {0.86, 0.84, 0.8}, 0.6 * density);
    for (size_t k = 0; k < puffs.size(); ++k) {
        // Puffs spaced evenly round the middle (with a little jitter) so the billow stays round.
        const Spark& p = puffs[k];
        const double angle = 2 * M_PI * k / puffs.size() + 0.3 * p.angle;
        const double d = 4 + 11 * easeOut(t) * p.speed;
        const double x = 32 + d * std::cos(angle);
        const double y = 34 + d * std::sin(angle) * 0.75 - 6 * t;  // smoke drifts up as it spreads
        paintPuff(cr, x, y, (5 + 8 * easeOut(t)) * p.size, {0.86, 0.84, 0.8}, 0.7 * density);
    }
    return canvas.toImage();
}

RgbaImage powerupFrame(int frame) {
    static const std::vector<Spark> motes = makeSparks(0x90e5, 12);
    const double t = frame / 31.0;
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.cr();
    const double swell = std::sin(M_PI * t);
    paintGlow(cr, 32, 32, 12 + 10 * swell, palette::kWhite, palette::kGold, 0.5 * swell);
    for (int ring = 0; ring < 3; ++ring) {
        const double age = t * 1.5 - ring * 0.25;
        if (age <= 0 || age >= 1) continue;
        paintRing(cr, 32, 32, 4 + 24 * easeOut(age), 3, {1, 0.95, 0.7}, 0.8 * (1 - age));
    }
    for (const Spark& m : motes) {
        const double life = std::fmod(t + m.delay * 5, 1.0);
        const double x = 32 + 18 * std::cos(m.angle) * m.speed;
        const double y = 44 - 30 * life;
        paintSparkle(cr, x, y, 4 * m.size, std::sin(M_PI * life) * swell);
    }
    return canvas.toImage();
}

RgbaImage splashFrame(int frame) {
    static const std::vector<Spark> drops = makeSparks(0x5b1a, 18);
    const double t = frame / 31.0;
    Canvas canvas(96, 96);
    cairo_t* cr = canvas.cr();
    constexpr double kWater = 70;  // the water line the splash rises from
    const double ripple = easeOut(t);
    cairo_save(cr);
    cairo_translate(cr, 48, kWater);
    cairo_scale(cr, 1, 0.3);
    paintRing(cr, 0, 0, 6 + 34 * ripple, 4, {0.8, 0.95, 1}, 0.7 * (1 - t));
    cairo_restore(cr);
    // The column of water in the middle shoots up and sinks back first.
    const double column = std::sin(M_PI * std::min(1.0, t / 0.6));
    cairo_save(cr);
    cairo_translate(cr, 48, kWater - 4 - 14 * column);
    cairo_scale(cr, 0.45, 1);
    paintPuff(cr, 0, 0, 6 + 16 * column, {0.8, 0.95, 1}, 0.7 * column);
    cairo_restore(cr);
    for (const Spark& d : drops) {
        // Each drop leaves upward and outward and falls back under gravity.
        const double spread = std::cos(d.angle) * 34 * d.speed;
        const double rise = 160 * d.speed * (0.75 + 0.25 * std::abs(std::sin(d.angle)));
        const double x = 48 + spread * t;
        const double y = kWater - 4 - rise * t + 170 * t * t;
        if (y > kWater + 2) continue;
        paintGlow(cr, x, y, 4 * d.size, palette::kWhite, {0.6, 0.85, 1}, 0.9 * (1 - t * 0.6));
    }
    return canvas.toImage();
}

RgbaImage lightflareFrame(int frame) {
    const double t = frame / 32.0;
    const double s = std::sin(M_PI * t);
    Canvas canvas(96, 96);
    cairo_t* cr = canvas.cr();
    paintGlow(cr, 48, 48, 14 + 20 * s, palette::kWhite, {1, 0.9, 0.6}, 0.75 * s);
    paintRays(cr, 48, 48, 4, 3, 8 + 38 * s, 2.2, palette::kWhite, s, t * M_PI / 4);
    paintRays(cr, 48, 48, 4, 3, 5 + 20 * s, 1.6, {1, 0.92, 0.7}, 0.8 * s, M_PI / 4 + t * M_PI / 4);
    return canvas.toImage();
}

struct EffectSheet {
    const char* name;
    int columns, rows, frames;
    RgbaImage (*frame)(int);
};

void writeSheets(Forge& forge, const char* contactName, std::initializer_list<EffectSheet> sheets) {
    std::vector<RgbaImage> previews;
    for (const EffectSheet& e : sheets) {
        const RgbaImage sheet = paintSheet(e.columns, e.rows, e.frames, e.frame);
        forge.writePng(std::string("img/tl_fx/") + e.name + "_" + std::to_string(e.columns) + "_" +
                           std::to_string(e.rows) + "_" + std::to_string(e.frames) + ".png",
                       sheet);
        previews.push_back(previewAdditive(sheet));
    }
    forge.addContactSheet(contactName, previewRow(previews, 1600));
}

}  // namespace

FORGE_STEP(fx_blasts) {
    writeSheets(forge, "fx_blasts", {{"explode2", 8, 6, 48, explosionFrame}, {"smokepuff", 8, 5, 40, smokeFrame}});
}

FORGE_STEP(fx_lights) {
    writeSheets(forge, "fx_lights",
                {{"powerup", 8, 4, 32, powerupFrame},
                 {"splash", 8, 4, 32, splashFrame},
                 {"lightflare", 8, 4, 32, lightflareFrame}});
}
