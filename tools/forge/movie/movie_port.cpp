// The movie's first half: the title card, the harbour of Port Averly at dawn, the open sea and
// the Wren's deck with her captain and the professor.
#include <cmath>

#include "tools/forge/core/canvas.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/movie/movie_paint.h"
#include "tools/forge/movie/movie_scenery.h"

namespace {

constexpr int kScreenW = 1600, kScreenH = 900;

void centred(cairo_t* cr, const std::string& text, double cx, double baseline, Face face, double size, double tone,
             double spacing = 0) {
    selectFace(cr, face, size);
    double width = 0;
    for (char c : text) width += textWidth(cr, std::string(1, c)) + spacing;
    double x = cx - (width - spacing) / 2;
    setSepia(cr, tone);
    for (char c : text) {  // letter by letter, for the spacing of a 1920s title
        const std::string letter(1, c);
        cairo_move_to(cr, x, baseline);
        cairo_show_text(cr, letter.c_str());
        x += textWidth(cr, letter) + spacing;
    }
    cairo_new_path(cr);
}

void cornerFlourish(cairo_t* cr, double x, double y, double sx, double sy) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, sx, sy);
    for (double r : {40.0, 60.0}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, 0, r, 0, M_PI / 2);
    }
    cairo_move_to(cr, 0, 80);
    cairo_line_to(cr, 0, 0);
    cairo_line_to(cr, 80, 0);
    cairo_restore(cr);
    setSepia(cr, 0.85);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_arc(cr, x + sx * 22, y + sy * 22, 7, 0, 2 * M_PI);
    cairo_fill(cr);
}

RgbaImage cardBack() {
    Canvas canvas(kScreenW, kScreenH);
    cairo_t* cr = canvas.cr();
    cairo_rectangle(cr, 0, 0, kScreenW, kScreenH);
    setSepia(cr, 0.1);
    cairo_fill(cr);
    softGlow(cr, 800, 450, 700, 380, 0.3, 0.8);
    for (double inset : {150.0, 166.0}) {
        cairo_rectangle(cr, inset, inset - 40, kScreenW - 2 * inset, kScreenH - 2 * (inset - 40));
        setSepia(cr, 0.85);
        cairo_set_line_width(cr, inset == 150.0 ? 4 : 1.5);
        cairo_stroke(cr);
    }
    cornerFlourish(cr, 182, 142, 1, 1);
    cornerFlourish(cr, kScreenW - 182, 142, -1, 1);
    cornerFlourish(cr, 182, kScreenH - 142, 1, -1);
    cornerFlourish(cr, kScreenW - 182, kScreenH - 142, -1, -1);
    centred(cr, "DROVANA PICTURES PRESENT", 800, 250, Face::Heading, 30, 0.8, 6);
    for (double side : {-1.0, 1.0}) {  // rules either side of the subtitle
        cairo_move_to(cr, 800 + side * 260, 592);
        cairo_line_to(cr, 800 + side * 430, 592);
    }
    setSepia(cr, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    centred(cr, "The Voyage of the Wren", 800, 605, Face::Italic, 48, 0.92);
    centred(cr, "A TALE OF THE SOUTHERN SEAS", 800, 700, Face::Heading, 24, 0.7, 5);
    return agedPrint(canvas, 11, 0.16, 0.5);
}

RgbaImage cardTitle() {
    Canvas canvas(1000, 220);
    cairo_t* cr = canvas.cr();
    centred(cr, "QUORVANE", 504, 164, Face::Heading, 150, 0.02, 14);  // shadow
    centred(cr, "QUORVANE", 500, 158, Face::Heading, 150, 0.97, 14);
    return canvas.toImage();
}

RgbaImage cardCompass() {
    Canvas canvas(560, 560);
    cairo_t* cr = canvas.cr();
    const double c = 280;
    for (double r : {270.0, 250.0, 140.0}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, c, c, r, 0, 2 * M_PI);
    }
    setSepia(cr, 0.8, 0.5);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int i = 0; i < 72; ++i) {  // the degree ring
        const double a = i * M_PI / 36;
        const double inner = i % 9 == 0 ? 228 : 242;
        cairo_move_to(cr, c + std::cos(a) * inner, c + std::sin(a) * inner);
        cairo_line_to(cr, c + std::cos(a) * 250, c + std::sin(a) * 250);
    }
    cairo_stroke(cr);
    for (int i = 0; i < 8; ++i) {  // the rose's points, long at the quarters
        const double a = i * M_PI / 4 - M_PI / 2;
        const double length = i % 2 == 0 ? 230 : 150;
        for (double side : {-1.0, 1.0}) {
            cairo_move_to(cr, c, c);
            cairo_line_to(cr, c + std::cos(a) * length, c + std::sin(a) * length);
            cairo_line_to(cr, c + std::cos(a + side * 0.35) * 34, c + std::sin(a + side * 0.35) * 34);
            cairo_close_path(cr);
            setSepia(cr, side < 0 ? 0.85 : 0.55, 0.45);
            cairo_fill(cr);
        }
    }
    return canvas.toImage();
}

void house(cairo_t* cr, double x, double base, double w, double h, double tone, int windows) {
    cairo_move_to(cr, x, base);
    cairo_line_to(cr, x, base - h);
    cairo_line_to(cr, x + w / 2, base - h - w * 0.45);
    cairo_line_to(cr, x + w, base - h);
    cairo_line_to(cr, x + w, base);
    cairo_close_path(cr);
    setSepia(cr, tone);
    cairo_fill(cr);
    for (int i = 0; i < windows; ++i) {
        cairo_rectangle(cr, x + 8 + i * (w - 16) / windows, base - h * 0.7, 7, 10);
        setSepia(cr, 0.95, 0.9);
        cairo_fill(cr);
    }
}

RgbaImage harbourBack() {
    Canvas canvas(kScreenW, kScreenH);
    cairo_t* cr = canvas.cr();
    skyAndSea(cr, 560, 0.6, 0.93, 0.78, 0.38);
    softGlow(cr, 430, 500, 260, 200, 1.0, 0.9);
    cairo_arc(cr, 430, 505, 46, 0, 2 * M_PI);
    setSepia(cr, 1.0);
    cairo_fill(cr);
    cloudBank(cr, 180, 0.95, 21, 0.5);
    hills(cr, 560, 60, 0.58, 31);
    ArtRandom random(41);
    for (double x = 640; x < 1520; x += random.range(44, 70)) {  // the town along the quay
        house(cr, x, 562, random.range(40, 64), random.range(40, 90), random.range(0.28, 0.42), 2);
    }
    cairo_move_to(cr, 1120, 562);  // the church and its spire
    cairo_line_to(cr, 1120, 420);
    cairo_line_to(cr, 1140, 330);
    cairo_line_to(cr, 1160, 420);
    cairo_line_to(cr, 1160, 562);
    setSepia(cr, 0.25);
    cairo_fill(cr);
    sunGlitter(cr, 430, 570, 0.98, 51);
    pier(cr, 705);
    return agedPrint(canvas, 12, 0.14, 0.55);
}

RgbaImage gull(bool up) {
    Canvas canvas(90, 44);
    cairo_t* cr = canvas.cr();
    const double tip = up ? 4 : 38;
    cairo_move_to(cr, 4, tip);
    cairo_curve_to(cr, 20, up ? 8 : 30, 36, 18, 45, 24);
    cairo_curve_to(cr, 54, 18, 70, up ? 8 : 30, 86, tip);
    setSepia(cr, 0.08);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    return canvas.toImage();
}

RgbaImage seaBack() {
    Canvas canvas(kScreenW, kScreenH);
    cairo_t* cr = canvas.cr();
    skyAndSea(cr, 500, 0.62, 0.92, 0.62, 0.3);
    cloudBank(cr, 160, 0.96, 22, 0.75);
    cloudBank(cr, 330, 0.9, 23, 0.5);
    hills(cr, 500, 24, 0.5, 32);
    return agedPrint(canvas, 13, 0.14, 0.5);
}

RgbaImage lighthouse() {
    Canvas canvas(300, 420);
    cairo_t* cr = canvas.cr();
    cairo_move_to(cr, 0, 420);  // the headland
    cairo_curve_to(cr, 30, 330, 110, 300, 160, 310);
    cairo_curve_to(cr, 230, 320, 280, 360, 300, 420);
    cairo_close_path(cr);
    fillSepiaRamp(cr, 300, 420, 0.35, 0.15);
    cairo_new_path(cr);
    cairo_move_to(cr, 125, 312);  // the tower
    cairo_line_to(cr, 137, 120);
    cairo_line_to(cr, 173, 120);
    cairo_line_to(cr, 185, 312);
    cairo_close_path(cr);
    fillSepiaRamp(cr, 120, 312, 0.9, 0.7);
    cairo_new_path(cr);
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, 128, 150 + i * 55, 54, 16);
        setSepia(cr, 0.3);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 140, 90, 30, 30);
    setSepia(cr, 1.0);
    cairo_fill(cr);
    softGlow(cr, 155, 105, 60, 40, 1.0, 0.8);
    cairo_move_to(cr, 132, 90);
    cairo_line_to(cr, 155, 66);
    cairo_line_to(cr, 178, 90);
    setSepia(cr, 0.15);
    cairo_fill(cr);
    return canvas.toImage();
}

RgbaImage deckBack() {
    Canvas canvas(kScreenW, kScreenH);
    cairo_t* cr = canvas.cr();
    skyAndSea(cr, 430, 0.66, 0.92, 0.66, 0.4);
    cloudBank(cr, 200, 0.96, 24, 0.6);
    cairo_rectangle(cr, 0, 640, kScreenW, 260);  // the deck
    fillSepiaRamp(cr, 640, 900, 0.55, 0.35);
    cairo_new_path(cr);
    for (int i = -12; i <= 12; ++i) {  // planks running towards the bow
        cairo_move_to(cr, 800 + i * 40, 640);
        cairo_line_to(cr, 800 + i * 150, 900);
    }
    setSepia(cr, 0.2, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (double x = 40; x < kScreenW; x += 70) {  // balusters under the rail
        cairo_rectangle(cr, x, 575, 16, 70);
    }
    setSepia(cr, 0.3);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 556, kScreenW, 26);  // the rail
    fillSepiaRamp(cr, 556, 582, 0.62, 0.3);
    cairo_new_path(cr);
    cairo_rectangle(cr, 150, 0, 54, 650);  // the mainmast and its ropes
    fillSepiaRamp(cr, 0, 650, 0.4, 0.25);
    cairo_new_path(cr);
    for (double x : {-60.0, 20.0, 420.0, 520.0}) {
        cairo_move_to(cr, 177, 0);
        cairo_line_to(cr, x, 580);
    }
    setSepia(cr, 0.15, 0.8);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {  // a coil of rope at the mast's foot
        ellipsePath(cr, 260, 760, 70 - i * 14, 22 - i * 4);
        setSepia(cr, 0.7);
        cairo_set_line_width(cr, 7);
        cairo_stroke(cr);
    }
    roundedRectPath(cr, 1380, 610, 120, 150, 20);  // a barrel by the rail
    fillSepiaRamp(cr, 610, 760, 0.5, 0.3);
    cairo_new_path(cr);
    return agedPrint(canvas, 14, 0.14, 0.5);
}

RgbaImage wheel() {
    Canvas canvas(240, 240);
    cairo_t* cr = canvas.cr();
    for (int i = 0; i < 8; ++i) {  // spokes with their handles
        const double a = i * M_PI / 4;
        cairo_move_to(cr, 120, 120);
        cairo_line_to(cr, 120 + std::cos(a) * 116, 120 + std::sin(a) * 116);
    }
    setSepia(cr, 0.3);
    cairo_set_line_width(cr, 9);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_arc(cr, 120, 120, 86, 0, 2 * M_PI);
    setSepia(cr, 0.4);
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
    cairo_arc(cr, 120, 120, 20, 0, 2 * M_PI);
    setSepia(cr, 0.6);
    cairo_fill(cr);
    return canvas.toImage();
}

// The professor's near arm with his spyglass; the shoulder is at the left end.
RgbaImage telescope() {
    Canvas canvas(240, 60);
    cairo_t* cr = canvas.cr();
    cairo_move_to(cr, 14, 30);
    cairo_line_to(cr, 70, 30);
    setSepia(cr, 0.08);
    cairo_set_line_width(cr, 18);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    setSepia(cr, 0.62);
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
    for (int i = 0; i < 3; ++i) {  // the draws of the glass
        const double r = 9 - i * 2;
        cairo_rectangle(cr, 70 + i * 50, 30 - r, 54, 2 * r);
        fillSepiaRamp(cr, 30 - r, 30 + r, 0.85 - i * 0.15, 0.35);
        setSepia(cr, 0.08);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_arc(cr, 74, 30, 9, 0, 2 * M_PI);  // the hand
    setSepia(cr, 0.72);
    cairo_fill(cr);
    return canvas.toImage();
}

}  // namespace

void paintTitleCard(std::map<std::string, RgbaImage>& out) {
    out["card_back"] = cardBack();
    out["card_title"] = cardTitle();
    out["card_compass"] = cardCompass();
}

void paintHarbour(std::map<std::string, RgbaImage>& out) {
    out["harbour_back"] = harbourBack();
    out["gull_up"] = gull(true);
    out["gull_down"] = gull(false);
    out["sailor_crate"] = paintPerson(Person::SailorWithCrate);
    out["ship"] = paintShip(false);
}

void paintOpenSea(std::map<std::string, RgbaImage>& out) {
    out["sea_back"] = seaBack();
    out["wave_back"] = waveStrip(0.55, 120, 7);
    out["wave_front"] = waveStrip(0.35, 170, 8);
    out["lighthouse"] = lighthouse();
}

void paintDeck(std::map<std::string, RgbaImage>& out) {
    out["deck_back"] = deckBack();
    out["captain"] = paintPerson(Person::Captain);
    out["professor"] = paintPerson(Person::Professor);
    out["sailor"] = paintPerson(Person::Sailor);
    out["wheel"] = wheel();
    out["telescope"] = telescope();
}
