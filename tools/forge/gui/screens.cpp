// The three full-screen pictures of the front end: the credits, the survey page that closes the
// expedition, and the chapter title card. They are opaque, so their bytes are JPEG whatever the
// name says: the loader tells the formats apart by content and JPEG decodes several times faster.
#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/gui/scenery.h"

namespace {

constexpr int kScreenWidth = 1600;
constexpr int kScreenHeight = 900;
const Rgb kInkText{0.22, 0.13, 0.07};

struct Line {
    std::string text;
    double size;
    Face face;
    double gapBefore;  // extra pixels above the line
};

// A parchment scroll with wooden rollers at top and bottom.
RgbaImage scroll(int width, int height, uint32_t seed) {
    Canvas canvas(width, height);
    canvas.drawImage(parchmentSheet(width - 40, height - 40, 4, seed), 20, 20);
    cairo_t* cr = canvas.cr();
    for (double y : {22.0, height - 22.0}) {
        roundedRectPath(cr, 4, y - 16, width - 8, 32, 16);
        fillVerticalGradient(cr, y - 16, y + 16, lighten(palette::kWood, 0.3), palette::kWoodDark);
        strokeInk(cr, 3);
        cairo_new_path(cr);
        drawBrassRivet(cr, 14, y, 9);
        drawBrassRivet(cr, width - 14, y, 9);
    }
    return withDropShadow(canvas.toImage(), 6, 10, 8, 0.5);
}

void writeLines(cairo_t* cr, const std::vector<Line>& lines, double cx, double top) {
    double y = top;
    for (const Line& line : lines) {
        y += line.gapBefore + line.size;
        drawCentredText(cr, line.text, cx, y, line.face, line.size, kInkText);
        y += line.size * 0.3;
    }
}

void palmsAtTheSides(cairo_t* cr, double groundY) {
    drawPalm(cr, 120, groundY + 60, 640, 0.18, 3);
    drawPalm(cr, 260, groundY + 90, 460, 0.32, 4);
    drawPalm(cr, 1500, groundY + 70, 600, -0.2, 8);
    drawPalm(cr, 1380, groundY + 100, 420, -0.34, 9);
}

HeadingStyle titleStyle(double size) {
    HeadingStyle style;
    style.size = size;
    style.outlineWidth = 6;
    return style;
}

RgbaImage credits() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.cr();
    SeascapeSpec sunset;
    sunset.width = kScreenWidth;
    sunset.height = kScreenHeight;
    sunset.horizon = 0.6;
    sunset.skyTop = {0.36, 0.45, 0.72};
    sunset.skyBottom = {0.99, 0.70, 0.42};
    sunset.seaTop = mix(palette::kLagoon, palette::kSunset, 0.35);
    sunset.sunX = 0.5;
    sunset.sunY = 0.56;
    sunset.sunRadius = 0.05;
    sunset.sunColor = {1.0, 0.78, 0.45};
    sunset.beach = 0.16;
    sunset.seed = 31;
    paintSeascape(cr, sunset);
    drawCloud(cr, 300, 170, 260, 0.55);
    drawCloud(cr, 1290, 120, 300, 0.5);
    palmsAtTheSides(cr, 760);
    canvas.drawImage(scroll(760, 820, 32), 420, 30);
    const RgbaImage title = headingPicture({"Quorvane"}, titleStyle(84));
    canvas.drawImage(title, (kScreenWidth - title.width) / 2.0, 70);
    writeLines(cr, {{"An island expedition", 28, Face::Italic, 0},
                    {"Design, Story & Programming", 24, Face::Heading, 34},
                    {"The Drovana Games team", 24, Face::Body, 4},
                    {"Pictures, Animation, Music & Sound", 24, Face::Heading, 26},
                    {"Painted and composed by our own forge", 24, Face::Body, 4},
                    {"Built with", 24, Face::Heading, 26},
                    {"SDL2, Cairo, FreeType, libpng, libjpeg-turbo,", 22, Face::Body, 4},
                    {"libvorbis and AngelScript", 22, Face::Body, 0},
                    {"Lettering", 24, Face::Heading, 26},
                    {"Averia Serif by Dan Sayers, Bitstream Vera by Bitstream", 22, Face::Body, 4},
                    {"With thanks to every explorer who sets sail with us", 24, Face::Italic, 34}},
               kScreenWidth / 2.0, 190);
    drawCentredText(cr, "Click to return to the title", kScreenWidth / 2.0, 872, Face::Heading, 24,
                    guiPalette::kCream);
    return canvas.toImage();
}

RgbaImage survey() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.cr();
    SeascapeSpec dawn;
    dawn.width = kScreenWidth;
    dawn.height = kScreenHeight;
    dawn.horizon = 0.58;
    dawn.skyTop = {0.42, 0.62, 0.86};
    dawn.skyBottom = {1.0, 0.88, 0.70};
    dawn.sunX = 0.78;
    dawn.sunY = 0.5;
    dawn.beach = 0.2;
    dawn.seed = 41;
    paintSeascape(cr, dawn);
    drawCloud(cr, 260, 130, 240, 0.7);
    drawCloud(cr, 980, 90, 200, 0.6);
    palmsAtTheSides(cr, 720);
    canvas.drawImage(scroll(840, 560, 42), 380, 150);
    const RgbaImage title = headingPicture({"The Expedition Continues"}, titleStyle(62));
    canvas.drawImage(title, (kScreenWidth - title.width) / 2.0, 60);
    writeLines(cr, {{"You have reached the far shore of Quorvane.", 30, Face::Body, 0},
                    {"The captain raises a toast, the professor fills", 26, Face::Body, 26},
                    {"the last page of the field guide, and the island", 26, Face::Body, 6},
                    {"keeps a few secrets for another voyage.", 26, Face::Body, 6},
                    {"Thank you for playing!", 34, Face::Heading, 36},
                    {"We would love to hear how your journey went.", 24, Face::Italic, 24}},
               kScreenWidth / 2.0, 240);
    drawCentredText(cr, "Click anywhere to close the game", kScreenWidth / 2.0, 862, Face::Heading, 26,
                    palette::kWoodDark);
    return canvas.toImage();
}

// ---- chapter card ----------------------------------------------------------------------------

void compassRose(cairo_t* cr, double cx, double cy, double r) {
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4 - M_PI / 2;
        const double len = (i % 2 == 0) ? r : r * 0.55;
        for (int half = 0; half < 2; ++half) {
            const double side = half == 0 ? -1 : 1;
            cairo_move_to(cr, cx, cy);
            cairo_line_to(cr, cx + std::cos(a) * len, cy + std::sin(a) * len);
            cairo_line_to(cr, cx + std::cos(a + side * 0.35) * len * 0.22, cy + std::sin(a + side * 0.35) * len * 0.22);
            cairo_close_path(cr);
            setColor(cr, half == 0 ? guiPalette::kBrass : darken(guiPalette::kBrass, 0.4));
            cairo_fill_preserve(cr);
            strokeInk(cr, 1.5);
            cairo_new_path(cr);
        }
    }
    cairo_arc(cr, cx, cy, r * 0.8, 0, 2 * M_PI);
    setColor(cr, palette::kWoodDark, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    drawCentredText(cr, "N", cx, cy - r - 10, Face::Heading, 30, palette::kWoodDark);
}

// A smooth coastline through jittered points (the curve passes each edge's midpoint).
void islandCoast(cairo_t* cr, uint32_t seed) {
    ArtRandom random(seed);
    constexpr int kPoints = 28;
    double xs[kPoints];
    double ys[kPoints];
    for (int i = 0; i < kPoints; ++i) {
        const double a = i * 2 * M_PI / kPoints;
        const double r = 230 * (1 + 0.16 * std::sin(a * 3 + 1) + random.range(-0.08, 0.08));
        xs[i] = 1000 + std::cos(a) * r * 1.5;
        ys[i] = 520 + std::sin(a) * r;
    }
    cairo_move_to(cr, (xs[0] + xs[1]) / 2, (ys[0] + ys[1]) / 2);
    for (int i = 1; i <= kPoints; ++i) {
        const int k = i % kPoints;
        const int n = (i + 1) % kPoints;
        cairo_curve_to(cr, xs[k], ys[k], xs[k], ys[k], (xs[k] + xs[n]) / 2, (ys[k] + ys[n]) / 2);
    }
    cairo_close_path(cr);
    setColor(cr, palette::kLagoon, 0.25);  // shallow water around the shore
    cairo_set_line_width(cr, 40);
    cairo_stroke_preserve(cr);
    fillVerticalGradient(cr, 280, 760, mix(palette::kLeaf, palette::kParchment, 0.55),
                         mix(palette::kSandShade, palette::kParchment, 0.3), 0.85);
    setColor(cr, palette::kWoodDark, 0.8);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

void mapMarks(cairo_t* cr) {
    for (const double* p : {(const double[]){880, 420}, (const double[]){960, 380}, (const double[]){1040, 430}}) {
        cairo_move_to(cr, p[0] - 34, p[1] + 26);  // mountains
        cairo_line_to(cr, p[0], p[1] - 26);
        cairo_line_to(cr, p[0] + 34, p[1] + 26);
        fillVerticalGradient(cr, p[1] - 26, p[1] + 26, palette::kSandShade, palette::kWood, 0.8);
        setColor(cr, palette::kWoodDark);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, 1284, 344);  // where the route ends
    cairo_line_to(cr, 1316, 376);
    cairo_move_to(cr, 1316, 344);
    cairo_line_to(cr, 1284, 376);
    setColor(cr, palette::kCoral);
    cairo_set_line_width(cr, 7);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

RgbaImage chapterCard() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.cr();
    cairo_rectangle(cr, 0, 0, kScreenWidth, kScreenHeight);
    setColor(cr, palette::kWoodDark);
    cairo_fill(cr);
    canvas.drawImage(parchmentSheet(kScreenWidth - 40, kScreenHeight - 40, 4, 51), 20, 20);
    islandCoast(cr, 52);
    mapMarks(cr);
    cairo_move_to(cr, 560, 700);  // the expedition's dotted route
    cairo_curve_to(cr, 760, 560, 900, 640, 1060, 470);
    cairo_curve_to(cr, 1140, 390, 1250, 420, 1292, 368);
    cairo_set_dash(cr, (const double[]){14, 10}, 2, 0);
    setColor(cr, palette::kCoral, 0.9);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    compassRose(cr, 260, 640, 120);
    const RgbaImage title = headingPicture({"Chapter One"}, titleStyle(96));
    canvas.drawImage(title, 120, 90);
    drawCentredText(cr, "The Island Awaits", 120 + title.width / 2.0, 280, Face::Italic, 44, kInkText);
    drawCentredText(cr, "Click to continue", kScreenWidth / 2.0, 850, Face::Heading, 26, kInkText, 0.8);
    return canvas.toImage();
}

void writeScreen(Forge& forge, const std::string& path, const RgbaImage& image, const char* sheet) {
    forge.writeJpeg(path, image, 90);
    forge.addContactSheet(sheet, image);
}

}  // namespace

FORGE_STEP(gui_credits) {
    if (!fontsPresent(forge)) return;
    writeScreen(forge, "img/credits.png", credits(), "gui_credits");
}

FORGE_STEP(gui_survey) {
    if (!fontsPresent(forge)) return;
    writeScreen(forge, "img/survey.jpg", survey(), "gui_survey");
}

FORGE_STEP(gui_chapter) {
    if (!fontsPresent(forge)) return;
    writeScreen(forge, "img/states/chapters/back.png", chapterCard(), "gui_chapter");
}
