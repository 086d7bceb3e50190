#pragma once
// Painting helpers for the interface art (dialogs, buttons, headings, portraits, items): a
// private random generator, smooth noise for wood and parchment, lettering from the font files
// under /usr/share/fonts, and the contact-sheet layout every interface step shows its work on.
#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/forge/core/rgba_image.h"
#include "tools/forge/core/style.h"

class Forge;

namespace guiPalette {
constexpr Rgb kDialogFill{0.216, 0.075, 0.012};  // the interior colour the dialogs fill with
constexpr Rgb kDialogDeep{0.11, 0.04, 0.01};
constexpr Rgb kBrass{0.84, 0.64, 0.28};
constexpr Rgb kBrassDark{0.48, 0.32, 0.10};
constexpr Rgb kRope{0.80, 0.66, 0.44};
constexpr Rgb kCream{1.0, 0.96, 0.82};
constexpr Rgb kGoldLight{1.0, 0.93, 0.55};
constexpr Rgb kLacquer{0.16, 0.46, 0.24};  // the green of every clickable plank
constexpr Rgb kNavy{0.13, 0.19, 0.36};
constexpr Rgb kSkin{0.93, 0.70, 0.52};
constexpr Rgb kKhaki{0.78, 0.70, 0.48};
constexpr Rgb kParrotRed{0.86, 0.18, 0.16};
}  // namespace guiPalette

// xorshift32: the same seed gives the same art on every run and every machine.
class ArtRandom {
public:
    explicit ArtRandom(uint32_t seed) : state(seed == 0 ? 0x9e3779b9u : seed) {}
    uint32_t next();
    double unit();                       // 0 <= u < 1
    double range(double low, double high);

private:
    uint32_t state;
};

// Smooth lattice noise in 0..1. With a period (in lattice cells) it repeats exactly, which is
// what lets frame edges and button middles tile without a seam.
double valueNoise(double x, double y, uint32_t seed, int periodX = 0, int periodY = 0);
double fractalNoise(double x, double y, uint32_t seed, int octaves, int periodX = 0, int periodY = 0);

// Multiplies the colour of every visible pixel by 1 +- strength following fractal noise.
struct MottleSpec {
    double cell = 24;      // pixels per lattice cell of the coarsest octave
    double strength = 0.08;
    uint32_t seed = 1;
    int periodX = 0;       // repeat after this many pixels (a multiple of cell), 0 = never
    int periodY = 0;
};
void mottle(RgbaImage& image, const MottleSpec& spec);

// Wood grain: streaks running along x (or along y when vertical), repeating every period pixels.
struct GrainSpec {
    double strength = 0.16;
    double streakSpacing = 5.5;  // pixels between grain lines across the board
    uint32_t seed = 7;
    int period = 0;              // along the grain; 0 = never repeats
    bool vertical = false;
};
void woodGrain(RgbaImage& image, const GrainSpec& spec);

// Keeps the pixels of image where mask is opaque (multiplies alpha).
void maskWith(RgbaImage& image, const RgbaImage& mask);
void paste(RgbaImage& target, const RgbaImage& source, int x, int y);  // plain copy, no blending

// Lettering. The faces are loaded once from their font files and live for the whole run.
enum class Face { Heading, Body, Italic, Sans };
bool selectFace(cairo_t* cr, Face face, double size);
bool fontsPresent(Forge& forge);  // fails the forge when a font file is missing
double textWidth(cairo_t* cr, const std::string& text);

struct HeadingStyle {
    Face face = Face::Heading;
    double size = 40;
    Rgb top = guiPalette::kGoldLight;     // fill gradient over the letter height
    Rgb bottom = palette::kSunset;
    Rgb outline = palette::kInk;
    double outlineWidth = 5;
    double shadow = 0.55;                  // alpha of the soft drop shadow, 0 for none
};
// Cream-to-gold letters with an ink outline and no shadow: the names on wooden signs and tabs.
HeadingStyle carvedLabelStyle(double size);
// Draws one line centred on cx with its baseline at baseline (no shadow).
void drawHeadingLine(cairo_t* cr, const std::string& text, double cx, double baseline, const HeadingStyle& style);
// A picture holding the text lines, centred; width/height 0 fit the text with a margin.
RgbaImage headingPicture(const std::vector<std::string>& lines, const HeadingStyle& style, int width = 0,
                         int height = 0);
// Plain text in one colour, centred on cx.
void drawCentredText(cairo_t* cr, const std::string& text, double cx, double baseline, Face face, double size,
                     Rgb color, double alpha = 1.0);

// Shapes shared by several pictures.
// A cream-to-gold triangle with an ink outline, its base at baseX and its tip length pixels away
// (a negative length points left), halfHeight above and below cy.
void drawArrowHead(cairo_t* cr, double baseX, double cy, double length, double halfHeight, double inkWidth);
void drawBrassRivet(cairo_t* cr, double cx, double cy, double radius);
// A twisted rope from (x0, y0) to (x1, y1); twists repeat every period pixels from the start.
void drawRope(cairo_t* cr, double x0, double y0, double x1, double y1, double thickness, double period);
// A carved wooden board on a transparent picture: gradient, grain, ink outline, lit top edge and
// a soft shadow below.
struct PlankSpec {
    int width = 0;          // the picture
    int height = 0;
    double x = 0, y = 0;    // the board inside it
    double w = 0, h = 0;
    double radius = 8;
    Rgb color = palette::kWood;
    uint32_t seed = 3;
    double shadow = 0.45;   // alpha of the drop shadow, 0 for none
};
RgbaImage woodPlank(const PlankSpec& spec);
// A dark recess cut into a surface (for numbers and slots).
void drawRecess(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb color);
// A parchment sheet with torn-looking soft edges filling the rounded rectangle.
RgbaImage parchmentSheet(int width, int height, double inset, uint32_t seed);

// Contact sheets: each picture on a checkerboard (or on the backdrop colour it is meant for)
// with its name under it.
struct SheetEntry {
    std::string name;
    const RgbaImage* image;
};
RgbaImage contactSheet(const std::vector<SheetEntry>& entries, int columns, int cellSize,
                       const Rgb* backdrop = nullptr);
