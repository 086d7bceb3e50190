#include "tools/forge/paint/pieces.h"

#include <cmath>

#include "tools/forge/core/canvas.h"
#include "tools/forge/paint/glow.h"

namespace {

constexpr double kDeg = M_PI / 180;

struct Pose {
    double dy = 0;          // hop, pixels (negative is up)
    double sx = 1, sy = 1;  // squash and stretch around the piece's foot
    double angle = 0;       // wobble, radians
    double shine = -1;      // 0..1 position of the shine band, negative when none
    double twinkle = 0;     // 0..1 size of the twinkle
};

Pose poseAt(int frame) {
    Pose pose;
    const double p = static_cast<double>(frame) / kPieceFrames;
    if (p < 0.34) {
        const double q = p / 0.34;
        pose.dy = -3 * std::sin(M_PI * q);
        pose.sx = 1 - 0.05 * std::sin(2 * M_PI * q);
        pose.sy = 1 + 0.05 * std::sin(2 * M_PI * q);
    }
    if (p > 0.28) {
        const double w = (p - 0.28) / 0.72;
        pose.angle = 7 * kDeg * std::sin(3 * M_PI * w) * std::pow(1 - w, 1.5);
    }
    if (p > 0.08 && p < 0.7) pose.shine = (p - 0.08) / 0.62;
    if (p > 0.55 && p < 0.97) pose.twinkle = std::sin(M_PI * (p - 0.55) / 0.42);
    return pose;
}

// A diagonal band of light crossing the piece from its upper left to its lower right.
void paintShine(cairo_t* cr, const PieceDesign& design, double position) {
    const double d = -26 + 52 * position;
    cairo_save(cr);
    cairo_new_path(cr);
    design.silhouette(cr);
    cairo_clip(cr);
    cairo_pattern_t* band = cairo_pattern_create_linear(d - 9, d - 9, d + 9, d + 9);
    const double strength = 0.7 * std::sin(M_PI * position);
    cairo_pattern_add_color_stop_rgba(band, 0, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(band, 0.45, 1, 1, 1, strength);
    cairo_pattern_add_color_stop_rgba(band, 0.55, 1, 1, 1, strength);
    cairo_pattern_add_color_stop_rgba(band, 1, 1, 1, 1, 0);
    cairo_set_source(cr, band);
    cairo_paint(cr);
    cairo_pattern_destroy(band);
    cairo_restore(cr);
}

void applyPose(cairo_t* cr, const Pose& pose) {
    constexpr double kFoot = 22;  // squash pivots on the piece's foot, so it stays on the ground
    cairo_translate(cr, kPieceCentreX, kPieceCentreY + pose.dy);
    cairo_rotate(cr, pose.angle);
    cairo_translate(cr, 0, kFoot);
    cairo_scale(cr, pose.sx, pose.sy);
    cairo_translate(cr, 0, -kFoot);
}

}  // namespace

RgbaImage paintPieceFrame(const PieceDesign& design, int frame) {
    const Pose pose = poseAt(frame);
    Canvas body(kPieceFrame, kPieceFrame);
    cairo_t* cr = body.cr();
    applyPose(cr, pose);
    design.paint(cr);
    if (pose.shine >= 0) paintShine(cr, design, pose.shine);
    if (pose.twinkle <= 0) return withDropShadow(body.toImage(), 1.5, 2.5, 2, 0.42);
    Canvas finished(kPieceFrame, kPieceFrame);
    finished.drawImage(withDropShadow(body.toImage(), 1.5, 2.5, 2, 0.42), 0, 0);
    paintSparkle(finished.cr(), kPieceCentreX - 10, kPieceCentreY - 13 + pose.dy, 11 * pose.twinkle,
                 0.95 * pose.twinkle);
    return finished.toImage();
}
