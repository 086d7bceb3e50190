// The play screen's bar, hourglass sand and wind bonus, under img/states/playing/:
//   ui_bar.png 1600 x 110            meant for (0, 790): a plank shelf under the board with a bamboo
//                                    rail, a stone socket for the wind-god button centred on
//                                    (539, 816), a dark slot for the timer at x 1000..1150,
//                                    y 830..876 and an empty hourglass centred on x 1190
//   topsand.png 36 x 30              the top bulb full of sand, meant for (1172, 820)
//   bottomsand.png 36 x 30           the bottom bulb full of sand, meant for (1172, 852)
//                                    (both show their lower part when cut short from the top)
//   sanddrip.png 16 x 1 of 8 x 32    the trickle between the bulbs, meant for (1186, 850)
//   god_of_wind_bonus.png 110 x 110  the wind-god medallion; god_of_wind_greyed.png the same, dim
//   tornado_spiral.png 256 x 256     one whirl of the tornado (layered, scaled and spun by the game)
//   god_of_wind_aimer.png 180 x 180  the aiming reticle, centred on the pointer
//   bonuscount_back.png 2 x 1 of 64 x 48  the plate behind the wind-bonus count, plain and lit
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "game/match3/play_layout.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/scenery.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kBarWidth = 1600;
constexpr int kBarHeight = 110;
constexpr double kBarTop = 790;          // where the bar is meant to be drawn
constexpr double kSocketX = play_layout::kWindGodX;
constexpr double kSocketY = play_layout::kWindGodY - kBarTop;
constexpr double kHourglassX = 1190;
constexpr double kSandWidth = 36;        // inside of one bulb
constexpr double kSandHeight = 30;
constexpr double kBulbTop = 30;          // bar-relative top of the upper bulb
constexpr double kNeckY = kBulbTop + kSandHeight;
constexpr double kLowerBulbTop = kNeckY + 2;
constexpr int kDripHeight = 32;

void plankShelf(cairo_t* cr) {
    cairo_rectangle(cr, 0, 34, kBarWidth, kBarHeight - 34);
    fillVerticalGradient(cr, 34, kBarHeight, lighten(palette::kWood, 0.12), palette::kWoodDark);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 40);
    cairo_line_to(cr, kBarWidth, 40);
    setColor(cr, palette::kSand, 0.35);  // light catching the plank's upper edge
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    ForgeRandom random(0xba4);
    for (int k = 0; k < 14; ++k) {
        const double y = random.uniform(40, kBarHeight - 4);
        cairo_move_to(cr, 0, y);
        for (int x = 0; x <= kBarWidth; x += 40) cairo_line_to(cr, x, y + 1.5 * std::sin(x * 0.01 + k));
        setColor(cr, k % 2 ? palette::kInk : lighten(palette::kWood, 0.3), 0.18);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    for (double x = 230; x < kBarWidth; x += 460) {  // plank joints with their pegs
        cairo_move_to(cr, x, 38);
        cairo_line_to(cr, x, kBarHeight);
        setColor(cr, palette::kInk, 0.5);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        for (double y : {52.0, 90.0}) {
            cairo_arc(cr, x - 9, y, 3, 0, 2 * M_PI);
            setColor(cr, palette::kWoodDark);
            cairo_fill_preserve(cr);
            strokeInk(cr, 1);
            cairo_new_path(cr);
        }
    }
    paintBambooRail(cr, -2, kBarWidth + 2, 24, 14);  // along the bar's top edge
}

void windSocket(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_arc(cr, kSocketX, kSocketY + 6, 58, 0, 2 * M_PI);
    fillRoundShading(cr, kSocketX, kSocketY + 6, 58, {0.55, 0.55, 0.52});
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_arc(cr, kSocketX, kSocketY + 6, 54, 0, 2 * M_PI);
    setColor(cr, palette::kGold, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_arc(cr, kSocketX, kSocketY + 6, 50, 0, 2 * M_PI);
    fillVerticalGradient(cr, kSocketY - 44, kSocketY + 56, {0.2, 0.2, 0.2}, {0.4, 0.38, 0.35});
    strokeInk(cr, 1.5, 0.6);
    cairo_new_path(cr);
}

void timerSlot(cairo_t* cr) {
    roundedRectPath(cr, 1000, 40, 150, 46, 10);
    fillVerticalGradient(cr, 40, 86, palette::kWoodDark, darken(palette::kWoodDark, 0.6));
    strokeInk(cr, 2);
    cairo_new_path(cr);
    roundedRectPath(cr, 1006, 46, 138, 34, 7);
    fillVerticalGradient(cr, 46, 80, {0.12, 0.09, 0.07}, {0.22, 0.17, 0.12});
    setColor(cr, palette::kWhite, 0.12);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_new_path(cr);
}

// One bulb's inside: wide at the far end, narrowing to the neck.
void bulbPath(cairo_t* cr, double cx, double top, bool upper) {
    const double w = kSandWidth / 2;
    const double h = kSandHeight;
    if (upper) {
        cairo_move_to(cr, cx - w, top);
        cairo_line_to(cr, cx + w, top);
        cairo_curve_to(cr, cx + w, top + h * 0.55, cx + 3, top + h * 0.7, cx + 1.5, top + h);
        cairo_line_to(cr, cx - 1.5, top + h);
        cairo_curve_to(cr, cx - 3, top + h * 0.7, cx - w, top + h * 0.55, cx - w, top);
    } else {
        cairo_move_to(cr, cx - 1.5, top);
        cairo_line_to(cr, cx + 1.5, top);
        cairo_curve_to(cr, cx + 3, top + h * 0.3, cx + w, top + h * 0.45, cx + w, top + h);
        cairo_line_to(cr, cx - w, top + h);
        cairo_curve_to(cr, cx - w, top + h * 0.45, cx - 3, top + h * 0.3, cx - 1.5, top);
    }
    cairo_close_path(cr);
}

void hourglass(cairo_t* cr) {
    const double cx = kHourglassX;
    cairo_new_path(cr);
    bulbPath(cr, cx, kBulbTop, true);
    bulbPath(cr, cx, kLowerBulbTop, false);
    setColor(cr, {0.75, 0.9, 0.95}, 0.35);
    cairo_fill_preserve(cr);
    setColor(cr, palette::kWhite, 0.8);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke_preserve(cr);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
    for (double y : {kBulbTop - 6, kLowerBulbTop + kSandHeight + 1}) {
        roundedRectPath(cr, cx - 26, y, 52, 7, 3);
        fillVerticalGradient(cr, y, y + 7, lighten(palette::kWood, 0.3), palette::kWoodDark);
        strokeInk(cr, 1.5);
        cairo_new_path(cr);
    }
    for (double x : {cx - 22.0, cx + 22.0}) {
        cairo_rectangle(cr, x - 2, kBulbTop, 4, kLowerBulbTop + kSandHeight - kBulbTop);
        fillVerticalGradient(cr, kBulbTop, kLowerBulbTop + kSandHeight, palette::kWood, palette::kWoodDark);
        strokeInk(cr, 1);
        cairo_new_path(cr);
    }
}

RgbaImage uiBar() {
    Canvas canvas(kBarWidth, kBarHeight);
    cairo_t* cr = canvas.cr();
    plankShelf(cr);
    windSocket(cr);
    timerSlot(cr);
    hourglass(cr);
    return withDropShadow(canvas.toImage(), 0, -3, 4, 0.35);
}

void sandFill(cairo_t* cr, double top, double bottom) {
    fillVerticalGradient(cr, top, bottom, lighten(palette::kSand, 0.1), palette::kSandShade);
    ForgeRandom random(0x5a4d);
    for (int k = 0; k < 40; ++k) {
        cairo_rectangle(cr, random.uniform(0, kSandWidth), random.uniform(top, bottom), 1, 1);
        setColor(cr, k % 2 ? palette::kWhite : palette::kWood, 0.4);
        cairo_fill(cr);
    }
}

RgbaImage sand(bool upper) {
    Canvas canvas(static_cast<int>(kSandWidth), static_cast<int>(kSandHeight));
    cairo_t* cr = canvas.cr();
    bulbPath(cr, kSandWidth / 2, 0, upper);
    cairo_clip(cr);
    if (upper) {
        cairo_rectangle(cr, 0, 0, kSandWidth, kSandHeight);
    } else {
        // The heap in the bottom bulb rises to a soft peak under the trickle.
        cairo_move_to(cr, 0, kSandHeight);
        cairo_line_to(cr, 0, 8);
        cairo_curve_to(cr, kSandWidth * 0.3, 6, kSandWidth * 0.45, 0, kSandWidth / 2, 0);
        cairo_curve_to(cr, kSandWidth * 0.55, 0, kSandWidth * 0.7, 6, kSandWidth, 8);
        cairo_line_to(cr, kSandWidth, kSandHeight);
        cairo_close_path(cr);
    }
    sandFill(cr, 0, kSandHeight);
    return canvas.toImage();
}

RgbaImage dripFrame(int frame) {
    Canvas canvas(8, kDripHeight);
    cairo_t* cr = canvas.cr();
    cairo_rectangle(cr, 3.2, 0, 1.6, kDripHeight);
    setColor(cr, palette::kSand, 0.55);
    cairo_fill(cr);
    for (int k = 0; k < 6; ++k) {
        // Grains run down the stream; each frame moves them on by a sixteenth of their spacing.
        const double y = std::fmod(k * 6.0 + frame * 6.0 * 6 / 16, 36.0) - 2;
        cairo_rectangle(cr, 3 + (k % 2), y, 2, 2.5);
        setColor(cr, k % 3 ? palette::kSandShade : lighten(palette::kSand, 0.3));
        cairo_fill(cr);
    }
    return canvas.toImage();
}

// The wind god's face: cloud curls of hair and beard, puffed cheeks, eyes squeezed shut with
// effort and pursed lips blowing a gust to the right.
void windGodFace(cairo_t* cr) {
    for (int k = 0; k < 7; ++k) {
        const double a = M_PI * 0.55 + k * M_PI * 0.16;
        cairo_new_path(cr);
        cairo_arc(cr, -6 + 24 * std::cos(a), 24 * std::sin(a), 11, 0, 2 * M_PI);
        fillRoundShading(cr, -6 + 24 * std::cos(a), 24 * std::sin(a), 11, {0.93, 0.96, 1.0});
        strokeInk(cr, 1.3, 0.6);
    }
    cairo_new_path(cr);
    cairo_arc(cr, -6, 0, 20, 0, 2 * M_PI);
    fillRoundShading(cr, -6, 0, 20, {0.98, 0.9, 0.82});
    strokeInk(cr, 1.6);
    for (double x : {-18.0, 4.0}) {
        cairo_new_path(cr);
        cairo_arc(cr, x, 6, 7, 0, 2 * M_PI);
        setColor(cr, palette::kCoral, 0.45);
        cairo_fill(cr);
    }
    for (double x : {-14.0, 0.0}) {
        cairo_new_path(cr);
        cairo_arc(cr, x, -5, 3.5, M_PI * 1.15, M_PI * 1.85);
        setColor(cr, palette::kInk);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, 12, 5, 3.5, 0, 2 * M_PI);
    setColor(cr, palette::kCoral);
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.3);
    cairo_new_path(cr);
    for (int k = -1; k <= 1; ++k) {
        cairo_move_to(cr, 18, 5 + k * 7);
        cairo_curve_to(cr, 26, 5 + k * 9, 32, 2 + k * 12, 40, 5 + k * 11);
    }
    setColor(cr, palette::kWhite, 0.95);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// The wind-god button: the face on a sky disc in a gold medallion.
RgbaImage windGod() {
    Canvas canvas(110, 110);
    cairo_t* cr = canvas.cr();
    cairo_translate(cr, 55, 55);
    cairo_arc(cr, 0, 0, 50, 0, 2 * M_PI);
    fillRoundShading(cr, 0, 0, 50, palette::kGold);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 42, 0, 2 * M_PI);
    fillVerticalGradient(cr, -42, 42, palette::kSky, palette::kLagoon);
    strokeInk(cr, 1.5, 0.7);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_arc(cr, 0, 0, 42, 0, 2 * M_PI);
    cairo_clip(cr);
    windGodFace(cr);
    cairo_restore(cr);
    paintGloss(cr, -18, -28, 14, 6, 0.35);
    return withDropShadow(canvas.toImage(), 2, 3, 3, 0.45);
}

RgbaImage tornadoSpiral() {
    Canvas canvas(256, 256);
    cairo_t* cr = canvas.cr();
    cairo_translate(cr, 128, 128);
    paintGlow(cr, 0, 0, 110, {0.9, 0.95, 1}, {0.75, 0.85, 0.9}, 0.35);
    for (int arm = 0; arm < 5; ++arm) {
        cairo_new_path(cr);
        for (int i = 0; i <= 40; ++i) {
            const double t = i / 40.0;
            const double a = arm * 2 * M_PI / 5 + t * 1.6 * M_PI;
            const double r = 20 + 100 * t;
            if (i == 0) cairo_move_to(cr, r * std::cos(a), r * std::sin(a));
            else cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
        }
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        setColor(cr, {0.6, 0.68, 0.72}, 0.45);
        cairo_set_line_width(cr, 14);
        cairo_stroke_preserve(cr);
        setColor(cr, palette::kWhite, 0.8);
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
    }
    RgbaImage image = canvas.toImage();
    boxBlur(image, 2);
    return image;
}

RgbaImage aimer() {
    Canvas canvas(180, 180);
    cairo_t* cr = canvas.cr();
    cairo_translate(cr, 90, 90);
    for (const auto& [width, color, alpha] :
         {std::tuple{7.0, palette::kInk, 0.8}, std::tuple{3.5, Rgb{1, 0.95, 0.75}, 1.0}}) {
        cairo_new_path(cr);
        const double dashes[] = {22, 10};
        cairo_set_dash(cr, dashes, 2, 0);
        cairo_arc(cr, 0, 0, 78, 0, 2 * M_PI);
        setColor(cr, color, alpha);
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
        for (int k = 0; k < 4; ++k) {
            const double a = k * M_PI / 2;
            cairo_move_to(cr, 62 * std::cos(a), 62 * std::sin(a));
            cairo_line_to(cr, 88 * std::cos(a), 88 * std::sin(a));
        }
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    paintGlow(cr, 0, 0, 40, palette::kWhite, palette::kSky, 0.4);
    cairo_new_path(cr);
    for (int i = 0; i <= 40; ++i) {  // a small swirl in the middle
        const double t = i / 40.0;
        const double a = t * 3.2 * M_PI;
        const double r = 3 + 18 * t;
        if (i == 0) cairo_move_to(cr, r * std::cos(a), r * std::sin(a));
        else cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
    }
    setColor(cr, palette::kInk, 0.8);
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    setColor(cr, palette::kWhite);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    return canvas.toImage();
}

RgbaImage bonusCountFrame(int frame) {
    Canvas canvas(64, 48);
    cairo_t* cr = canvas.cr();
    if (frame == 1) paintGlow(cr, 32, 24, 32, palette::kWhite, palette::kGold, 0.8);
    roundedRectPath(cr, 6, 6, 52, 36, 12);
    fillVerticalGradient(cr, 6, 42, frame == 1 ? lighten(palette::kParchment, 0.5) : palette::kParchment,
                         frame == 1 ? palette::kGold : palette::kSandShade);
    strokeInk(cr, 2.2);
    cairo_new_path(cr);
    roundedRectPath(cr, 10, 10, 44, 28, 9);
    setColor(cr, palette::kWood, 0.5);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    return canvas.toImage();
}

}  // namespace

FORGE_STEP(play_screen) {
    std::vector<RgbaImage> previews;
    const auto write = [&](const std::string& name, const RgbaImage& image) {
        forge.writePng("img/states/playing/" + name + ".png", image);
        previews.push_back(previewOver(image, {0.35, 0.55, 0.5}));
    };
    const RgbaImage bar = uiBar();
    forge.writePng("img/states/playing/ui_bar.png", bar);
    const RgbaImage top = sand(true);
    const RgbaImage bottom = sand(false);
    write("topsand", top);
    write("bottomsand", bottom);
    write("sanddrip", paintSheet(16, 1, 16, dripFrame));
    const RgbaImage god = windGod();
    write("god_of_wind_bonus", god);
    write("god_of_wind_greyed", greyedCopy(god, 0.35));
    write("tornado_spiral", tornadoSpiral());
    write("god_of_wind_aimer", aimer());
    write("bonuscount_back", paintSheet(2, 1, 2, bonusCountFrame));

    // The bar as it is meant to sit, with the button, half-run sand and the trickle in place.
    RgbaImage placed = previewOver(RgbaImage(kBarWidth, kBarHeight + 40), {0.35, 0.55, 0.5});
    pasteOver(placed, bar, 0, 40);
    pasteOver(placed, god, static_cast<int>(kSocketX) - 55, static_cast<int>(40 + kSocketY) - 55);
    pasteOver(placed, cropImage(top, 0, 15, 36, 15), 1172, static_cast<int>(40 + kBulbTop) + 15);
    pasteOver(placed, cropImage(bottom, 0, 15, 36, 15), 1172, static_cast<int>(40 + kLowerBulbTop) + 15);
    pasteOver(placed, cropImage(paintSheet(16, 1, 16, dripFrame), 0, 0, 8, kDripHeight), 1186,
              static_cast<int>(40 + kNeckY));
    previews.insert(previews.begin(), placed);
    forge.addContactSheet("play_screen", previewRow(previews, 1620));
}
