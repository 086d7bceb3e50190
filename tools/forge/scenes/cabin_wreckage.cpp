// The wreckage the cabin's scene lays over its hidden objects: the medicine locker's door (shut
// and swung open), the fishing net, the fallen plank and the seaweed.
#include <cmath>

#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/plants.h"
#include "tools/forge/scenes/cabin_props.h"
#include "tools/forge/scenes/scene_emblems.h"

namespace {

using namespace cabin;

const Rgb kDoorWood{0.58, 0.38, 0.22};
const Rgb kKelp{0.30, 0.40, 0.18};

void doorPanel(cairo_t* cr, double x, double y, double w, double h) {
    roundedRectPath(cr, x, y, w, h, 5);
    fillVerticalGradient(cr, y, y + h, lighten(kDoorWood, 0.15), darken(kDoorWood, 0.25));
    strokeInk(cr, 2.8);
    cairo_new_path(cr);
    for (int k = 1; k < 4; ++k) {  // the boards the door is made of
        cairo_move_to(cr, x + w * k / 4, y + 4);
        cairo_line_to(cr, x + w * k / 4, y + h - 4);
    }
    setColor(cr, palette::kInk, 0.45);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (double t : {0.18, 0.82}) {  // battens
        roundedRectPath(cr, x + 4, y + h * t - 6, w - 8, 12, 3);
        fillVerticalGradient(cr, y + h * t - 6, y + h * t + 6, lighten(kDoorWood, 0.2), darken(kDoorWood, 0.2));
        strokeInk(cr, 1.8);
        cairo_new_path(cr);
    }
}

}  // namespace

void paintLockerDoor(cairo_t* cr) {
    const double x = kLockerX + 8, y = kLockerY + 8, w = kLockerWidth - 16, h = kLockerHeight - 16;
    doorPanel(cr, x, y, w, h);
    paintClinicEmblem(cr, x + w / 2, y + h * 0.48, 22);
    cairo_new_path(cr);
    cairo_arc(cr, x + w - 14, y + h * 0.5, 6, 0, 2 * M_PI);  // the latch knob
    fillRoundShading(cr, x + w - 14, y + h * 0.5, 6, guiPalette::kBrass);
    strokeInk(cr, 1.6);
    cairo_new_path(cr);
}

void paintLockerOpenDoor(cairo_t* cr) {
    // Seen edge-on, swung out to the left of the cabinet on its hinges.
    const double hingeX = kLockerX + 6, top = kLockerY + 4, bottom = kLockerY + kLockerHeight - 4;
    cairo_new_path(cr);
    cairo_move_to(cr, hingeX, top + 4);
    cairo_line_to(cr, hingeX - 58, top - 14);
    cairo_line_to(cr, hingeX - 58, bottom + 14);
    cairo_line_to(cr, hingeX, bottom - 4);
    cairo_close_path(cr);
    fillVerticalGradient(cr, top, bottom, darken(kDoorWood, 0.1), darken(kDoorWood, 0.4));
    strokeInk(cr, 2.8);
    cairo_new_path(cr);
    for (double t : {0.18, 0.82}) {
        const double y = top + (bottom - top) * t;
        cairo_move_to(cr, hingeX - 2, y + (t < 0.5 ? 2 : -2));
        cairo_line_to(cr, hingeX - 56, y + (t < 0.5 ? -8 : 8));
    }
    setColor(cr, palette::kInk, 0.55);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
}

void paintHangingNet(cairo_t* cr) {
    const double left = 58, right = 336, top = 300;
    auto sag = [&](double x, double row) {
        const double t = (x - left) / (right - left);
        return top + row * 30 + std::sin(t * M_PI) * (40 + row * 6);
    };
    cairo_new_path(cr);
    for (int row = 0; row <= 8; ++row) {
        for (double x = left; x <= right; x += 4) {
            const double y = sag(x, row) + ((static_cast<int>((x - left) / 20) + row) % 2 ? 6 : -6) * (row > 0);
            if (x == left) cairo_move_to(cr, x, y);
            else cairo_line_to(cr, x, y);
        }
    }
    for (double x = left; x <= right; x += 20) {
        cairo_move_to(cr, x, sag(x, 0));
        for (int row = 1; row <= 8; ++row) cairo_line_to(cr, x + (row % 2 ? 8 : 0), sag(x, row));
    }
    cairo_path_t* mesh = cairo_copy_path(cr);
    setColor(cr, palette::kInk, 0.75);
    cairo_set_line_width(cr, 3.2);
    cairo_stroke(cr);
    cairo_append_path(cr, mesh);
    setColor(cr, guiPalette::kRope, 0.95);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_path_destroy(mesh);
    drawRope(cr, left - 4, top - 4, right + 4, top + 2, 7, 8);
    for (double x : {left + 30, left + 130, left + 230}) {  // cork floats along the net
        const double y = sag(x, 8) + 6;
        cairo_new_path(cr);
        ellipsePath(cr, x, y, 11, 8);
        fillRoundShading(cr, x, y, 11, {0.82, 0.62, 0.36});
        strokeInk(cr, 2);
    }
    for (double x : {left - 4, right + 4}) {
        cairo_new_path(cr);
        cairo_arc(cr, x, top - 4, 5, 0, 2 * M_PI);
        fillRoundShading(cr, x, top - 4, 5, {0.5, 0.5, 0.5});
        strokeInk(cr, 1.5);
    }
    cairo_new_path(cr);
}

void paintFallenPlank(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 690, 716);
    cairo_rotate(cr, 0.08);
    cairo_new_path(cr);
    cairo_move_to(cr, -110, -14);
    cairo_line_to(cr, 96, -14);
    cairo_line_to(cr, 104, -4);  // splintered end
    cairo_line_to(cr, 96, 2);
    cairo_line_to(cr, 108, 8);
    cairo_line_to(cr, 94, 14);
    cairo_line_to(cr, -110, 14);
    cairo_close_path(cr);
    fillVerticalGradient(cr, -14, 14, lighten(palette::kWood, 0.25), darken(palette::kWood, 0.2));
    strokeInk(cr, 2.8);
    cairo_new_path(cr);
    cairo_move_to(cr, -100, -4);
    cairo_curve_to(cr, -40, -8, 20, 0, 80, -5);
    cairo_move_to(cr, -90, 6);
    cairo_curve_to(cr, -30, 3, 30, 8, 70, 5);
    setColor(cr, palette::kInk, 0.35);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    drawBrassRivet(cr, -96, 0, 3.5);
    cairo_restore(cr);
}

void paintSeaweed(cairo_t* cr) {
    ArtRandom random(0x5eaf);
    for (int k = 0; k < 9; ++k) {
        const double x = 1376 + k * 22 + random.range(-6, 6);
        const double y = 728 + random.range(-6, 8);
        const double angle = -M_PI / 2 + random.range(-0.9, 0.9);
        const double length = random.range(50, 90);
        const Rgb light = mix(kKelp, palette::kSandShade, random.range(0, 0.3));
        paintBroadLeaf(cr, x, y, angle, length, random.range(9, 13), lighten(light, 0.15), darken(light, 0.4));
    }
}
