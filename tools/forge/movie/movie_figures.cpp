// The schooner and the people of the intro movie, shared by several scenes.
#include <cmath>

#include "tools/forge/core/canvas.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/movie/movie_paint.h"

namespace {

constexpr int kShipWidth = 520, kShipHeight = 560;
constexpr double kWaterline = 470;

void inkLine(cairo_t* cr, double width, double tone = 0.08, double alpha = 0.95) {
    setSepia(cr, tone, alpha);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void line(cairo_t* cr, double x0, double y0, double x1, double y1, double width, double tone = 0.12) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    inkLine(cr, width, tone, 0.85);
}

void hull(cairo_t* cr) {
    cairo_move_to(cr, 48, 392);
    cairo_curve_to(cr, 200, 404, 380, 404, 478, 380);  // the sheer of the deck
    cairo_curve_to(cr, 470, 430, 440, 480, 400, 500);
    cairo_line_to(cr, 110, 500);
    cairo_curve_to(cr, 80, 470, 60, 440, 48, 392);
    cairo_close_path(cr);
    fillSepiaRamp(cr, 385, 500, 0.32, 0.12);
    inkLine(cr, 3);
    cairo_move_to(cr, 58, 420);  // the painted strake along her side
    cairo_curve_to(cr, 200, 430, 380, 428, 470, 408);
    inkLine(cr, 7, 0.75, 0.9);
    for (int i = 0; i < 5; ++i) {  // portholes
        cairo_arc(cr, 170 + i * 52, 447 - i * 2, 5, 0, 2 * M_PI);
        setSepia(cr, 0.85);
        cairo_fill(cr);
    }
    line(cr, 470, 384, 520, 366, 5, 0.2);  // bowsprit
}

// A gaff sail between its mast and its boom, belly lit from the left.
void gaffSail(cairo_t* cr, double mastX, double top, double bottom, double aft, bool torn) {
    cairo_move_to(cr, mastX, top + 20);
    cairo_curve_to(cr, mastX - 40, top + 4, aft + 30, top - 10, aft + 6, top + 8);  // gaff edge
    if (torn) {
        for (int i = 1; i <= 6; ++i) cairo_line_to(cr, aft + (i % 2 ? 22 : 6) + i * 3, top + 8 + i * (bottom - top) / 9);
        cairo_line_to(cr, aft + 60, bottom - 60);
        cairo_line_to(cr, mastX - 10, bottom - 90);
    } else {
        cairo_curve_to(cr, aft - 12, top + 140, aft - 8, bottom - 80, aft, bottom);
        cairo_curve_to(cr, aft + 60, bottom + 6, mastX - 60, bottom + 6, mastX, bottom - 4);
    }
    cairo_close_path(cr);
    fillSepiaRamp(cr, top, bottom, 0.95, 0.70);
    inkLine(cr, 2.5);
    for (int i = 1; i < 4; ++i) {  // seams
        const double t = i / 4.0;
        line(cr, mastX, top + 20 + (bottom - top) * t, aft + 8 + (torn ? 20 : 0), top + 8 + (bottom - top) * t * 0.95, 1, 0.55);
    }
}

void jib(cairo_t* cr, double headX, double headY, double tackX, double tackY, double clewX, double clewY) {
    cairo_move_to(cr, headX, headY);
    cairo_curve_to(cr, tackX - 20, (headY + tackY) / 2, tackX, tackY - 30, tackX, tackY);
    cairo_line_to(cr, clewX, clewY);
    cairo_close_path(cr);
    fillSepiaRamp(cr, headY, tackY, 0.92, 0.72);
    inkLine(cr, 2.2);
}

}  // namespace

RgbaImage paintShip(bool wrecked) {
    Canvas canvas(kShipWidth, kShipHeight);
    cairo_t* cr = canvas.cr();
    if (wrecked) {  // heeled over on the rocks, bow down
        cairo_translate(cr, 260, kWaterline);
        cairo_rotate(cr, 0.21);
        cairo_translate(cr, -260, -kWaterline + 20);
    }
    const double mainTop = wrecked ? 240 : 40;
    line(cr, 205, 398, 205, mainTop, 9, 0.15);   // mainmast
    line(cr, 335, 398, 335, 70, 8, 0.15);        // foremast
    if (wrecked) line(cr, 205, 240, 120, 380, 7, 0.18);  // its top snapped and hanging
    for (double x : {205.0, 335.0}) {            // shrouds
        const double top = x == 205.0 && wrecked ? 240 : (x == 205.0 ? 60 : 86);
        line(cr, x, top, x - 34, 396, 1.2, 0.2);
        line(cr, x, top, x + 26, 394, 1.2, 0.2);
    }
    line(cr, 335, 74, 518, 368, 1.4, 0.2);        // forestay
    if (!wrecked) {
        gaffSail(cr, 205, 60, 380, 58, false);
        jib(cr, 335, 84, 505, 368, 372, 372);
        jib(cr, 300, 150, 450, 380, 338, 376);
        cairo_move_to(cr, 205, 40);               // pennant at the masthead
        cairo_curve_to(cr, 170, 30, 150, 46, 120, 36);
        cairo_line_to(cr, 205, 52);
        cairo_close_path(cr);
        setSepia(cr, 0.2);
        cairo_fill(cr);
    } else {
        gaffSail(cr, 205, 250, 380, 120, true);
        jib(cr, 335, 170, 470, 372, 372, 372);
    }
    gaffSail(cr, 335, 96, 382, 232, wrecked);
    hull(cr);
    return canvas.toImage();
}

namespace {

struct Outfit {
    double coat, trousers, skin = 0.72;
    bool longCoat = false, stripes = false, beard = false, glasses = false;
    double beardTone = 0.85;
    int hat = 0;  // 0 peaked cap, 1 bowler, 2 knitted cap
};

void limb(cairo_t* cr, double x0, double y0, double x1, double y1, double width, double tone) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    setSepia(cr, 0.08);
    cairo_set_line_width(cr, width + 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    setSepia(cr, tone);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void head(cairo_t* cr, double cx, double cy, const Outfit& o) {
    ellipsePath(cr, cx, cy, 24, 28);
    fillSepiaRamp(cr, cy - 28, cy + 28, o.skin + 0.1, o.skin - 0.15);
    inkLine(cr, 2.5);
    cairo_arc(cr, cx + 10, cy - 4, 2.6, 0, 2 * M_PI);  // eye, looking right
    setSepia(cr, 0.05);
    cairo_fill(cr);
    if (o.glasses) {
        cairo_arc(cr, cx + 10, cy - 4, 7, 0, 2 * M_PI);
        inkLine(cr, 1.6);
    }
    if (o.beard) {
        cairo_move_to(cr, cx - 16, cy + 6);
        cairo_curve_to(cr, cx - 10, cy + 40, cx + 16, cy + 40, cx + 22, cy + 8);
        cairo_close_path(cr);
        setSepia(cr, o.beardTone);
        cairo_fill_preserve(cr);
        inkLine(cr, 2);
    }
    cairo_new_path(cr);
    if (o.hat == 0) {  // peaked cap with a badge
        roundedRectPath(cr, cx - 26, cy - 42, 50, 20, 8);
        fillSepiaRamp(cr, cy - 42, cy - 22, 0.25, 0.1);
        inkLine(cr, 2.5);
        cairo_move_to(cr, cx + 14, cy - 24);
        cairo_line_to(cr, cx + 40, cy - 20);
        inkLine(cr, 5, 0.05);
        cairo_arc(cr, cx + 2, cy - 32, 4, 0, 2 * M_PI);
        setSepia(cr, 0.95);
        cairo_fill(cr);
    } else if (o.hat == 1) {  // bowler
        cairo_arc(cr, cx, cy - 26, 22, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        fillSepiaRamp(cr, cy - 50, cy - 26, 0.3, 0.1);
        inkLine(cr, 2.5);
        cairo_move_to(cr, cx - 32, cy - 24);
        cairo_line_to(cr, cx + 34, cy - 24);
        inkLine(cr, 5, 0.1);
    } else {  // knitted cap
        cairo_arc(cr, cx - 2, cy - 22, 24, M_PI * 1.05, M_PI * 1.95);
        cairo_close_path(cr);
        setSepia(cr, 0.45);
        cairo_fill_preserve(cr);
        inkLine(cr, 2.5);
    }
}

void body(cairo_t* cr, double cx, double top, const Outfit& o) {
    const double hem = o.longCoat ? top + 200 : top + 140;
    cairo_move_to(cr, cx - 26, top);
    cairo_curve_to(cr, cx - 40, top + 60, cx - 42, hem - 40, cx - 40, hem);
    cairo_line_to(cr, cx + 40, hem);
    cairo_curve_to(cr, cx + 42, hem - 40, cx + 40, top + 60, cx + 26, top);
    cairo_close_path(cr);
    fillSepiaRamp(cr, top, hem, o.coat + 0.12, o.coat - 0.08);
    if (o.stripes) {
        cairo_save(cr);
        cairo_clip_preserve(cr);
        for (double y = top + 12; y < hem; y += 16) {
            cairo_rectangle(cr, cx - 50, y, 100, 6);
        }
        setSepia(cr, 0.15, 0.8);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    inkLine(cr, 3);
    if (o.longCoat) {  // buttons down the front
        for (int i = 0; i < 4; ++i) {
            cairo_arc(cr, cx + 12, top + 30 + i * 32, 3.5, 0, 2 * M_PI);
            setSepia(cr, 0.9);
            cairo_fill(cr);
        }
    }
}

}  // namespace

RgbaImage paintPerson(Person who) {
    Outfit o{};
    switch (who) {
    case Person::Captain: o = {0.22, 0.2, 0.72, true, false, true, false, 0.3, 0}; break;  // Ned Harrow's dark beard
    case Person::Professor: o = {0.66, 0.5, 0.72, false, false, true, true, 0.85, 1}; break;
    case Person::Sailor:
    case Person::SailorWithCrate: o = {0.8, 0.35, 0.68, false, true, false, false, 0.85, 2}; break;
    }
    const bool crate = who == Person::SailorWithCrate;
    const int width = crate ? 200 : 160;
    Canvas canvas(width, 400);
    cairo_t* cr = canvas.cr();
    const double cx = 80;
    const double legTop = o.longCoat ? 290 : 250;
    limb(cr, cx - 12, legTop - 20, cx - 20, 385, 18, o.trousers);     // legs
    limb(cr, cx + 12, legTop - 20, cx + 22, 385, 18, o.trousers);
    for (double fx : {cx - 20.0, cx + 22.0}) {                          // boots
        roundedRectPath(cr, fx - 12, 380, 34, 16, 6);
        setSepia(cr, 0.08);
        cairo_fill(cr);
    }
    limb(cr, cx - 22, 120, cx - 34, 230, 14, o.coat - 0.05);  // far arm
    body(cr, cx, 100, o);
    head(cr, cx, 62, o);
    if (crate) {  // a crate of supplies on the shoulder
        cairo_rectangle(cr, 100, 26, 92, 70);
        fillSepiaRamp(cr, 26, 96, 0.7, 0.45);
        inkLine(cr, 3);
        line(cr, 100, 61, 192, 61, 2, 0.3);
        line(cr, 100, 26, 192, 96, 2, 0.3);
        limb(cr, cx + 20, 120, cx + 44, 84, 14, o.coat - 0.05);
    } else if (who != Person::Professor) {  // the professor's near arm holds his spyglass
        limb(cr, cx + 22, 120, cx + 34, 232, 14, o.coat - 0.05);
    }
    return canvas.toImage();
}
