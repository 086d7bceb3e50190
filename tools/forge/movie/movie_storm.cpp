// The movie's second half: the storm, the fog and the wreck on the rocks, and the castaways'
// beach under the island's mountain.
#include <cmath>

#include "tools/forge/core/canvas.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/movie/movie_paint.h"
#include "tools/forge/movie/movie_scenery.h"

namespace {

constexpr int kScreenW = 1600, kScreenH = 900;

RgbaImage stormBack() {
    Canvas canvas(kScreenW, kScreenH);
    cairo_t* cr = canvas.cr();
    skyAndSea(cr, 520, 0.12, 0.38, 0.3, 0.08);
    cloudBank(cr, 120, 0.08, 61, 0.9);
    cloudBank(cr, 300, 0.2, 62, 0.7);
    ArtRandom random(63);
    for (int i = 0; i < 120; ++i) {  // whitecaps torn off by the wind
        const double y = random.range(540, 880);
        const double x = random.range(0, kScreenW);
        const double length = 10 + (y - 520) * 0.12;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + length, y - length * 0.2);
    }
    setSepia(cr, 0.8, 0.6);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    return agedPrint(canvas, 15, 0.18, 0.6);
}

RgbaImage cloudDark() {
    Canvas canvas(1000, 320);
    cairo_t* cr = canvas.cr();
    ArtRandom random(64);
    for (int i = 0; i < 16; ++i) {
        softGlow(cr, random.range(120, 880), random.range(110, 210), random.range(90, 180), random.range(60, 100), 0.06,
                 0.8);
    }
    return canvas.toImage();
}

RgbaImage rain() {
    Canvas canvas(800, 900);
    cairo_t* cr = canvas.cr();
    ArtRandom random(65);
    for (int i = 0; i < 260; ++i) {
        const double x = random.range(-100, 900);
        const double y = random.range(-60, 900);
        const double length = random.range(40, 90);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x - length * 0.35, y + length);
    }
    setSepia(cr, 0.9, 0.35);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    return canvas.toImage();
}

RgbaImage fog() {
    Canvas canvas(1800, 500);
    cairo_t* cr = canvas.cr();
    ArtRandom random(66);
    for (int i = 0; i < 24; ++i) {
        softGlow(cr, random.range(150, 1650), random.range(200, 300), random.range(180, 360), random.range(80, 150),
                 0.82, 0.55);
    }
    return canvas.toImage();
}

void islandShape(cairo_t* cr, double left, double base, double scale) {
    cairo_move_to(cr, left, base);
    cairo_curve_to(cr, left + 150 * scale, base - 60 * scale, left + 300 * scale, base - 120 * scale,
                   left + 430 * scale, base - 330 * scale);  // up to the peak
    cairo_line_to(cr, left + 470 * scale, base - 360 * scale);
    cairo_line_to(cr, left + 520 * scale, base - 340 * scale);
    cairo_curve_to(cr, left + 640 * scale, base - 180 * scale, left + 820 * scale, base - 160 * scale,
                   left + 900 * scale, base - 120 * scale);
    cairo_curve_to(cr, left + 1000 * scale, base - 90 * scale, left + 1100 * scale, base - 40 * scale,
                   left + 1200 * scale, base);
    cairo_close_path(cr);
}

RgbaImage island() {
    Canvas canvas(1200, 420);
    cairo_t* cr = canvas.cr();
    islandShape(cr, 0, 420, 1.0);
    fillSepiaRamp(cr, 60, 420, 0.35, 0.15);
    cairo_new_path(cr);
    softGlow(cr, 470, 50, 60, 30, 0.7, 0.6);  // a wisp of smoke from the peak
    return canvas.toImage();
}

RgbaImage lightning() {
    Canvas canvas(220, 620);
    cairo_t* cr = canvas.cr();
    softGlow(cr, 110, 310, 110, 320, 1.0, 0.35);
    ArtRandom random(67);
    double x = 110;
    cairo_move_to(cr, x, 0);
    for (double y = 40; y <= 610; y += 40) {
        x += random.range(-36, 36);
        cairo_line_to(cr, x, y);
        if (static_cast<int>(y) % 160 == 0) {  // a fork
            cairo_line_to(cr, x + random.range(-50, 50), y + 60);
            cairo_move_to(cr, x, y);
        }
    }
    setSepia(cr, 1.0);
    cairo_set_line_width(cr, 5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_BEVEL);
    cairo_stroke(cr);
    return canvas.toImage();
}

// The whole screen lit by lightning: a small pale picture the skeleton stretches.
RgbaImage flash() {
    RgbaImage image(64, 36);
    for (int y = 0; y < 36; ++y) {
        for (int x = 0; x < 64; ++x) {
            uint8_t* p = image.at(x, y);
            const Rgb c = sepia(1.0);
            p[0] = static_cast<uint8_t>(c.r * 255), p[1] = static_cast<uint8_t>(c.g * 255);
            p[2] = static_cast<uint8_t>(c.b * 255), p[3] = 255;
        }
    }
    return image;
}

RgbaImage rocks() {
    Canvas canvas(760, 260);
    cairo_t* cr = canvas.cr();
    ArtRandom random(68);
    for (int i = 0; i < 7; ++i) {
        const double cx = 60 + i * 105 + random.range(-20, 20);
        const double h = random.range(90, 230);
        cairo_move_to(cr, cx - 70, 260);
        cairo_line_to(cr, cx - 30, 260 - h);
        cairo_line_to(cr, cx + 10, 250 - h);
        cairo_line_to(cr, cx + 70, 260);
        cairo_close_path(cr);
        fillSepiaRamp(cr, 260 - h, 260, 0.3, 0.05);
        setSepia(cr, 0.55, 0.7);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 12; ++i) softGlow(cr, random.range(20, 740), 240, 40, 14, 0.95, 0.8);  // surf
    return canvas.toImage();
}

void palm(cairo_t* cr, double x, double base, double height, double lean, double tone) {
    cairo_move_to(cr, x, base);
    cairo_curve_to(cr, x + lean * 0.2, base - height * 0.5, x + lean * 0.8, base - height * 0.8, x + lean,
                   base - height);
    setSepia(cr, tone);
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
    const double tx = x + lean, ty = base - height;
    for (int i = 0; i < 9; ++i) {  // fronds: a leaf arching out and drooping at its tip
        const double a = -M_PI + i * M_PI / 8;
        const double reach = 150 - std::fabs(std::cos(a)) * 20;
        const double ex = tx + std::cos(a) * reach, ey = ty + std::sin(a) * 30 + 70;
        cairo_move_to(cr, tx, ty);
        cairo_curve_to(cr, tx + std::cos(a) * 60, ty + std::sin(a) * 70 - 40, ex, ey - 60, ex, ey);
        cairo_curve_to(cr, ex - std::cos(a) * 20, ey - 40, tx + std::cos(a) * 50, ty + std::sin(a) * 40 - 10, tx, ty + 6);
        cairo_close_path(cr);
    }
    setSepia(cr, tone);
    cairo_fill(cr);
}

RgbaImage beachBack() {
    Canvas canvas(kScreenW, kScreenH);
    cairo_t* cr = canvas.cr();
    skyAndSea(cr, 470, 0.45, 0.85, 0.62, 0.45);
    softGlow(cr, 1100, 420, 500, 200, 1.0, 0.7);  // the sun breaking through
    for (int i = 0; i < 6; ++i) {  // rays through the parting cloud
        cairo_move_to(cr, 1100, 250);
        cairo_line_to(cr, 800 + i * 130, 900);
        cairo_line_to(cr, 850 + i * 130, 900);
        cairo_close_path(cr);
    }
    setSepia(cr, 1.0, 0.07);
    cairo_fill(cr);
    cloudBank(cr, 150, 0.3, 69, 0.8);
    islandShape(cr, -250, 560, 1.05);  // the mountain behind the beach
    fillSepiaRamp(cr, 180, 560, 0.4, 0.22);
    cairo_new_path(cr);
    cairo_move_to(cr, 1240, 470);  // the wreck far out on the reef
    cairo_line_to(cr, 1330, 482);
    cairo_line_to(cr, 1320, 470);
    cairo_close_path(cr);
    cairo_move_to(cr, 1280, 472);
    cairo_line_to(cr, 1270, 420);
    setSepia(cr, 0.15);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_move_to(cr, 0, 600);  // the beach
    cairo_curve_to(cr, 500, 570, 1100, 590, 1600, 560);
    cairo_line_to(cr, 1600, 900);
    cairo_line_to(cr, 0, 900);
    cairo_close_path(cr);
    fillSepiaRamp(cr, 560, 900, 0.86, 0.68);
    cairo_new_path(cr);
    for (int i = 0; i < 3; ++i) {  // surf lines along the shore
        cairo_move_to(cr, 0, 606 + i * 14);
        cairo_curve_to(cr, 500, 576 + i * 14, 1100, 596 + i * 14, 1600, 566 + i * 14);
    }
    setSepia(cr, 0.98, 0.7);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_move_to(cr, 200, 700);  // the jolly boat pulled up the sand, an oar across her thwarts
    cairo_curve_to(cr, 260, 712, 380, 712, 450, 690);
    cairo_curve_to(cr, 430, 730, 380, 748, 320, 748);
    cairo_curve_to(cr, 260, 748, 215, 735, 200, 700);
    cairo_close_path(cr);
    fillSepiaRamp(cr, 690, 748, 0.5, 0.18);
    setSepia(cr, 0.08);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    for (double x : {280.0, 360.0}) {
        cairo_move_to(cr, x, 708);
        cairo_line_to(cr, x + 6, 742);
    }
    cairo_move_to(cr, 230, 690);
    cairo_line_to(cr, 470, 716);
    setSepia(cr, 0.6);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    softGlow(cr, 325, 752, 150, 12, 0.2, 0.5);
    struct Palm {
        double x, base, height, lean;
    };
    for (const Palm& p : {Palm{80, 860, 420, 60}, Palm{190, 880, 360, -40}, Palm{1480, 860, 400, -80},
                          Palm{1380, 880, 330, 30}}) {
        palm(cr, p.x, p.base, p.height, p.lean, 0.12);
    }
    return agedPrint(canvas, 16, 0.14, 0.55);
}

}  // namespace

void paintStorm(std::map<std::string, RgbaImage>& out) {
    out["storm_back"] = stormBack();
    out["cloud_dark"] = cloudDark();
    out["rain"] = rain();
}

void paintLanding(std::map<std::string, RgbaImage>& out) {
    out["fog"] = fog();
    out["island"] = island();
    out["lightning"] = lightning();
    out["flash"] = flash();
    out["rocks"] = rocks();
    out["ship_wreck"] = paintShip(true);
    out["beach_back"] = beachBack();
}
