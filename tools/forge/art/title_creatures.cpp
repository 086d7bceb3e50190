// The title's moving creatures and crests, under img/states/title/:
//   bfish.png     8 x 5 sheet of 96 x 64 frames: a yellow tang facing left, one whole tail stroke
//                 over frames 0..38 (the game wraps at 39), frame 0 the body held straight, so a
//                 resting fish stops on a calm pose. The game mirrors and tints it for the far school.
//   wavetop.png   10 x 4 sheet of 32 x 8 frames: a soft crest of foam whose peak rolls from left
//                 to right over the 40 frames; the game blows it up four and eight times.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kFishWidth = 96, kFishHeight = 64;
constexpr int kStrokeFrames = 39;
constexpr int kWaveWidth = 32, kWaveHeight = 8;   // small: it is drawn 4 and 8 times enlarged
constexpr int kSheetFrames = 40;

const Rgb kTang{1.0, 0.84, 0.16};
const Rgb kTangShade{0.93, 0.58, 0.08};
const Rgb kFin{0.20, 0.42, 0.86};

// The tail bends about the body's rear; `swing` in -1..1.
void tailPath(cairo_t* cr, double swing) {
    const double rootX = 70, rootY = 32;
    const double tipY = swing * 9;
    cairo_move_to(cr, rootX - 2, rootY - 6);
    cairo_curve_to(cr, rootX + 8, rootY - 8 + tipY * 0.4, rootX + 16, rootY - 20 + tipY, rootX + 22, rootY - 19 + tipY);
    cairo_curve_to(cr, rootX + 17, rootY - 4 + tipY, rootX + 17, rootY + 4 + tipY, rootX + 22, rootY + 19 + tipY);
    cairo_curve_to(cr, rootX + 16, rootY + 20 + tipY, rootX + 8, rootY + 8 + tipY * 0.4, rootX - 2, rootY + 6);
    cairo_close_path(cr);
}

void bodyPath(cairo_t* cr, double swing) {
    const double bend = swing * 2.5;
    cairo_move_to(cr, 10, 33);
    cairo_curve_to(cr, 14, 18, 34, 8, 52, 10 + bend * 0.3);
    cairo_curve_to(cr, 64, 12 + bend, 72, 24 + bend, 72, 32 + bend);
    cairo_curve_to(cr, 72, 40 + bend, 64, 52 + bend, 52, 54 + bend * 0.3);
    cairo_curve_to(cr, 34, 56, 14, 46, 10, 33);
    cairo_close_path(cr);
}

void finPaths(cairo_t* cr, double swing) {
    const double flutter = swing * 2;
    cairo_move_to(cr, 28, 14);
    cairo_curve_to(cr, 36, 2 + flutter, 54, 2 + flutter, 62, 14);
    cairo_close_path(cr);
    cairo_move_to(cr, 30, 52);
    cairo_curve_to(cr, 38, 62 - flutter, 54, 62 - flutter, 62, 50);
    cairo_close_path(cr);
}

RgbaImage fishFrame(int frame) {
    Canvas canvas(kFishWidth, kFishHeight);
    cairo_t* cr = canvas.cr();
    const double swing = std::sin(2 * M_PI * (frame % kStrokeFrames) / kStrokeFrames);
    finPaths(cr, swing);
    setColor(cr, kFin);
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.4);
    cairo_new_path(cr);
    tailPath(cr, swing);
    fillVerticalGradient(cr, 10, 56, lighten(kFin, 0.25), kFin);
    strokeInk(cr, 1.4);
    cairo_new_path(cr);
    bodyPath(cr, swing);
    fillVerticalGradient(cr, 8, 56, lighten(kTang, 0.3), kTangShade);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    // A blue band behind the gill and a white belly give it the look of a reef fish.
    cairo_new_path(cr);
    cairo_move_to(cr, 30, 4);
    cairo_curve_to(cr, 26, 24, 26, 40, 30, 60);
    strokeRound(cr, kFin, 6, 0.85);
    cairo_new_path(cr);
    ellipsePath(cr, 40, 52, 26, 8);
    setColor(cr, palette::kWhite, 0.35);
    cairo_fill(cr);
    rimLight(cr, 40, 30, 30, 0.5);
    cairo_restore(cr);
    bodyPath(cr, swing);
    strokeInk(cr, 1.8);
    cairo_new_path(cr);
    cairo_arc(cr, 20, 28, 4.6, 0, 2 * M_PI);
    setColor(cr, palette::kWhite);
    cairo_fill_preserve(cr);
    strokeInk(cr, 1);
    cairo_new_path(cr);
    cairo_arc(cr, 19, 28, 2.6, 0, 2 * M_PI);
    setColor(cr, palette::kInk);
    cairo_fill(cr);
    cairo_arc(cr, 18.2, 27, 0.9, 0, 2 * M_PI);
    setColor(cr, palette::kWhite);
    cairo_fill(cr);
    cairo_move_to(cr, 11, 35);
    cairo_line_to(cr, 15, 36);
    strokeRound(cr, palette::kInk, 1.2);
    return canvas.toImage();
}

// A crest of foam: a soft bright lens whose peak travels across the frame.
RgbaImage waveFrame(int frame) {
    Canvas canvas(kWaveWidth, kWaveHeight);
    cairo_t* cr = canvas.cr();
    const double t = static_cast<double>(frame) / (kSheetFrames - 1);
    const double peakX = 10 + 12 * t;
    const double peakY = 2 + std::sin(t * M_PI);
    cairo_move_to(cr, 0, kWaveHeight - 2);
    cairo_curve_to(cr, peakX * 0.5, kWaveHeight - 2, peakX - 5, peakY, peakX, peakY);
    cairo_curve_to(cr, peakX + 5, peakY, kWaveWidth - (kWaveWidth - peakX) * 0.5, kWaveHeight - 2, kWaveWidth, kWaveHeight - 2);
    cairo_line_to(cr, kWaveWidth, kWaveHeight);
    cairo_line_to(cr, 0, kWaveHeight);
    cairo_close_path(cr);
    fillVerticalGradient(cr, peakY, kWaveHeight, palette::kWhite, {0.6, 0.92, 0.95}, 0.9);
    cairo_new_path(cr);
    RgbaImage image = canvas.toImage();
    // Soft edges: blown up eight times a hard edge would show its pixels.
    boxBlur(image, 1);
    // Fade the ends and the foot so crests melt into the water without seams.
    for (int y = 0; y < image.height; ++y) {
        const double foot = std::min(1.0, (image.height - 1 - y) / 3.0);
        for (int x = 0; x < image.width; ++x) {
            const double edge = std::min(1.0, std::min(x, image.width - 1 - x) / 6.0);
            uint8_t* p = image.at(x, y);
            p[3] = static_cast<uint8_t>(p[3] * edge * foot);
        }
    }
    return image;
}

}  // namespace

FORGE_STEP(title_creatures) {
    forge.writePng("img/states/title/bfish.png", paintSheet(8, 5, kSheetFrames, fishFrame));
    forge.writePng("img/states/title/wavetop.png", paintSheet(10, 4, kSheetFrames, waveFrame));
}
