// The title's menu signs, under img/states/title/, each as "_up" and "_dn" (pressed: darker and
// sunk two pixels):
//   btn_story     290 x 88   the green lacquered sign "Play Story", hung from two ropes
//   btn_options   270 x 66   "Options", hung below it from the same ropes
//   btn_exit      170 x 66   "Exit", on a post at the left
//   btn_notyou    130 x 40   "Not you?", a small tag beside the greeting
//   btn_challenge 290 x 80   "Challenge" and btn_zen 290 x 60 "Zen Mode": loaded by the title
//                            but never shown, drawn all the same so the set is whole
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"

namespace {

constexpr double kPressShift = 2;
constexpr double kPressedDarken = 0.18;

struct Sign {
    const char* name;
    int width;
    int height;
    const char* label;
    Rgb color;
    double labelSize;
    std::vector<double> rivets;   // x of the rope rings along the top
    uint32_t seed;
};

RgbaImage signPicture(const Sign& sign, bool pressed) {
    Canvas canvas(sign.width, sign.height);
    cairo_t* cr = canvas.cr();
    const double shift = pressed ? kPressShift : 0;
    const Rgb color = pressed ? darken(sign.color, kPressedDarken) : sign.color;
    canvas.drawImage(woodPlank({.width = sign.width, .height = sign.height, .x = 3 + shift, .y = 3 + shift,
                                .w = sign.width - 9.0, .h = sign.height - 9.0, .radius = sign.height * 0.22,
                                .color = color, .seed = sign.seed, .shadow = pressed ? 0.2 : 0.45}),
                     0, 0);
    for (double x : sign.rivets) drawBrassRivet(cr, x + shift, 12 + shift, 4);
    HeadingStyle style = carvedLabelStyle(sign.labelSize);
    if (pressed) style.top = lighten(style.top, 0.2);
    drawHeadingLine(cr, sign.label, sign.width / 2.0 - 2 + shift, sign.height / 2.0 + sign.labelSize * 0.36 + shift,
                    style);
    return canvas.toImage();
}

const Sign kSigns[] = {
    {"btn_story", 290, 88, "Play Story", guiPalette::kLacquer, 40, {38, 262}, 51},
    {"btn_options", 270, 66, "Options", palette::kWood, 32, {27, 251}, 52},
    {"btn_exit", 170, 66, "Exit", palette::kWood, 32, {}, 53},
    {"btn_notyou", 130, 40, "Not you?", palette::kWood, 20, {}, 54},
    {"btn_challenge", 290, 80, "Challenge", palette::kWood, 34, {38, 262}, 55},
    {"btn_zen", 290, 60, "Zen Mode", palette::kWood, 30, {38, 262}, 56},
};

}  // namespace

FORGE_STEP(title_buttons) {
    if (!fontsPresent(forge)) return;
    for (const Sign& sign : kSigns) {
        const std::string base = std::string("img/states/title/") + sign.name;
        forge.writePng(base + "_up.png", signPicture(sign, false));
        forge.writePng(base + "_dn.png", signPicture(sign, true));
    }
}
