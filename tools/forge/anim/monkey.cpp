#include "tools/forge/anim/monkey.h"

#include <cmath>

#include "tools/forge/core/canvas.h"
#include "tools/forge/gui/paint.h"

namespace {

const Rgb kFur{0.50, 0.32, 0.18};
const Rgb kFace{0.94, 0.79, 0.60};
constexpr double kScale = 0.85;       // the monkey in its frame
constexpr double kSeatY = 150;        // where it sits, in frame pixels
constexpr double kUpperArm = 22;
constexpr double kForearm = 20;

double rad(double degrees) { return degrees * M_PI / 180; }

void thickStroke(cairo_t* cr, Rgb color, double width) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, width + 4.5);
    cairo_stroke_preserve(cr);
    setColor(cr, color);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void tail(cairo_t* cr, double swing) {
    const double s = std::sin(rad(swing));
    cairo_move_to(cr, 22, -12);
    cairo_curve_to(cr, 52, -6, 66 + s * 10, -40, 56 + s * 18, -66);
    cairo_curve_to(cr, 50 + s * 20, -80, 36 + s * 18, -72, 44 + s * 16, -62);
    thickStroke(cr, kFur, 7);
}

void legsAndBody(cairo_t* cr) {
    for (double side : {-1.0, 1.0}) {
        ellipsePath(cr, side * 20, -12, 16, 12);
        shadeWithInk(cr, side * 20, -12, 16, kFur, 2.4);
    }
    ellipsePath(cr, 0, -34, 28, 30);
    fillRoundShading(cr, 0, -34, 32, kFur);
    strokeInk(cr, 2.6);
    rimLight(cr, 0, -34, 30, 0.35);
    cairo_new_path(cr);
    ellipsePath(cr, 0, -30, 17, 20);
    shadeWithInk(cr, 0, -30, 20, kFace, 1.6);
    for (double side : {-1.0, 1.0}) {
        ellipsePath(cr, side * 27, -2, 11, 6);
        shadeWithInk(cr, side * 27, -2, 11, kFace, 2);
    }
}

// One arm from its shoulder; side -1 is the monkey's right (the picture's left).
void arm(cairo_t* cr, double side, double shoulder, double elbow) {
    const double sx = side * 24;
    const double sy = -50;
    const double ex = sx + side * std::sin(rad(shoulder)) * kUpperArm;
    const double ey = sy + std::cos(rad(shoulder)) * kUpperArm;
    const double hx = ex + side * std::sin(rad(shoulder + elbow)) * kForearm;
    const double hy = ey + std::cos(rad(shoulder + elbow)) * kForearm;
    cairo_move_to(cr, sx, sy);
    cairo_line_to(cr, ex, ey);
    cairo_line_to(cr, hx, hy);
    thickStroke(cr, kFur, 9);
    cairo_arc(cr, hx, hy, 7, 0, 2 * M_PI);
    shadeWithInk(cr, hx, hy, 7, kFace, 2);
}

void eyes(cairo_t* cr, const MonkeyPose& pose, double shift) {
    for (double side : {-1.0, 1.0}) {
        const double x = side * 10 + shift;
        const double open = 1 - pose.blink;
        if (open < 0.15) {
            cairo_move_to(cr, x - 6, -84);
            cairo_curve_to(cr, x - 2, -81, x + 2, -81, x + 6, -84);
            setColor(cr, palette::kInk);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            continue;
        }
        ellipsePath(cr, x, -84, 6, 7 * open);
        setColor(cr, palette::kWhite);
        cairo_fill_preserve(cr);
        strokeInk(cr, 1.5);
        cairo_new_path(cr);
        cairo_arc(cr, x + pose.look * 2.5, -84 + open, 3.6 * std::min(1.0, open * 1.4), 0, 2 * M_PI);
        setColor(cr, palette::kInk);
        cairo_fill(cr);
        cairo_arc(cr, x + pose.look * 2.5 - 1.2, -85.5, 1.1, 0, 2 * M_PI);
        setColor(cr, palette::kWhite);
        cairo_fill(cr);
        const double lift = pose.mouth == 2 ? 4 : 0;  // surprise raises the brows
        cairo_move_to(cr, x - 5, -93 - lift);
        cairo_curve_to(cr, x - 2, -96 - lift, x + 2, -96 - lift, x + 5, -93 - lift);
        setColor(cr, darken(kFur, 0.4));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
}

void mouth(cairo_t* cr, int kind, double shift) {
    const double x = shift;
    if (kind == 1) {
        cairo_move_to(cr, x - 10, -67);
        cairo_curve_to(cr, x - 6, -55, x + 6, -55, x + 10, -67);
        cairo_close_path(cr);
        setColor(cr, darken(palette::kCoral, 0.45));
        cairo_fill_preserve(cr);
        strokeInk(cr, 1.8);
        cairo_new_path(cr);
        cairo_rectangle(cr, x - 7, -67, 14, 3);
        setColor(cr, palette::kWhite);
        cairo_fill(cr);
    } else if (kind == 2) {
        ellipsePath(cr, x, -63, 4, 5);
        setColor(cr, darken(palette::kCoral, 0.45));
        cairo_fill_preserve(cr);
        strokeInk(cr, 1.6);
        cairo_new_path(cr);
    } else {
        cairo_move_to(cr, x - 8, -66);
        cairo_curve_to(cr, x - 4, -60, x + 4, -60, x + 8, -66);
        setColor(cr, palette::kInk);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
}

void head(cairo_t* cr, const MonkeyPose& pose) {
    const double shift = pose.look * 5;
    for (double side : {-1.0, 1.0}) {
        cairo_arc(cr, side * 33, -82, 12, 0, 2 * M_PI);
        shadeWithInk(cr, side * 33, -82, 12, kFur, 2.4);
        cairo_arc(cr, side * 33, -82, 6.5, 0, 2 * M_PI);
        setColor(cr, kFace);
        cairo_fill(cr);
    }
    cairo_arc(cr, 0, -80, 30, 0, 2 * M_PI);
    fillRoundShading(cr, 0, -80, 32, kFur);
    strokeInk(cr, 2.6);
    rimLight(cr, 0, -80, 30, 0.4);
    cairo_new_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, shift - 10, -84, 12.5, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, shift + 10, -84, 12.5, 0, 2 * M_PI);
    ellipsePath(cr, shift, -70, 19, 14);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    fillVerticalGradient(cr, -98, -56, lighten(kFace, 0.2), kFace);
    cairo_new_path(cr);
    ellipsePath(cr, shift, -68, 13, 9);
    setColor(cr, lighten(kFace, 0.3), 0.7);
    cairo_fill(cr);
    for (double side : {-1.0, 1.0}) {
        cairo_arc(cr, shift + side * 3, -72, 1.4, 0, 2 * M_PI);
        setColor(cr, palette::kInk);
        cairo_fill(cr);
    }
    eyes(cr, pose, shift);
    mouth(cr, pose.mouth, shift);
}

void coconut(cairo_t* cr, double x, double y) {
    cairo_arc(cr, x, y, 10, 0, 2 * M_PI);
    shadeWithInk(cr, x, y, 10, palette::kWoodDark, 2);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, x - 3 + i * 3, y - 3 + (i % 2) * 2, 1.2, 0, 2 * M_PI);
        setColor(cr, palette::kInk);
        cairo_fill(cr);
    }
}

}  // namespace

RgbaImage paintMonkey(const MonkeyPose& pose) {
    Canvas canvas(kMonkeyFrame, kMonkeyFrame);
    cairo_t* cr = canvas.cr();
    cairo_translate(cr, kMonkeyFrame / 2.0, kSeatY - pose.bob);
    cairo_scale(cr, kScale, kScale);
    cairo_rotate(cr, rad(pose.lean));
    tail(cr, pose.tail);
    legsAndBody(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, -56);  // the head turns on the neck
    cairo_rotate(cr, rad(pose.headTilt));
    cairo_translate(cr, 0, 56);
    head(cr, pose);
    cairo_restore(cr);
    arm(cr, -1, pose.leftShoulder, pose.leftElbow);
    arm(cr, 1, pose.rightShoulder, pose.rightElbow);
    cairo_identity_matrix(cr);
    if (pose.coconut) coconut(cr, pose.coconutX, pose.coconutY);
    return canvas.toImage();
}
