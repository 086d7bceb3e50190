// The frame-sheet effect the adventure scenes add to img/tl_fx/ (named id_columns_rows_frames):
//   gust_8_4_32.png   96 x 96 frames   a whirl of wind that uncurls, streams out and thins away
// Like the other sheets it is meant to be played additively, usually zoomed 2 to 4 times.
#include <cmath>
#include <string>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kFrame = 96;
constexpr int kColumns = 8, kRows = 4, kFrames = 32;

RgbaImage gustFrame(int frame) {
    const double t = frame / (kFrames - 1.0);
    Canvas canvas(kFrame, kFrame);
    cairo_t* cr = canvas.cr();
    const double c = kFrame / 2.0;
    const double fade = smoothstep(0.0, 0.15, t) * (1 - smoothstep(0.6, 1.0, t));
    paintPuff(cr, c, c, 18 + 14 * t, {0.8, 0.92, 1}, 0.25 * fade);
    for (int strand = 0; strand < 5; ++strand) {
        const double turn = strand * 2 * M_PI / 5 + t * 2.4;
        const double reach = 10 + 30 * easeOut(t * 1.2) * (0.75 + 0.06 * strand);
        cairo_new_path(cr);
        constexpr int kSteps = 18;
        for (int i = 0; i <= kSteps; ++i) {
            const double u = static_cast<double>(i) / kSteps;
            const double a = turn + u * 2.2;
            const double d = reach * (0.25 + 0.75 * u);
            cairo_line_to(cr, c + std::cos(a) * d, c + std::sin(a) * d * 0.8);
        }
        setColor(cr, {0.92, 0.97, 1}, 0.85 * fade);
        cairo_set_line_width(cr, 3.2 * (1 - 0.5 * t));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    return canvas.toImage();
}

}  // namespace

FORGE_STEP(fx_scene) {
    const RgbaImage sheet = paintSheet(kColumns, kRows, kFrames, gustFrame);
    forge.writePng("img/tl_fx/gust_" + std::to_string(kColumns) + "_" + std::to_string(kRows) + "_" +
                       std::to_string(kFrames) + ".png",
                   sheet);
    forge.addContactSheet("fx_scene", previewAdditive(sheet));
}
