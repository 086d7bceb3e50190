#pragma once
// Lettering painted into pictures (praise, start and end banners, score popups, the pause card):
// glyph outlines from a font file of the system's font packages, filled with a gradient and
// finished with the ink outline and a soft shadow like every other shape of the game.
#include <cairo.h>

#include <string>

#include "tools/forge/core/style.h"

namespace lettering {
// The display face of the game's titles, and the sturdy sans used for numbers.
constexpr const char* kDisplayFont = "/usr/share/fonts/truetype/averia-gwf/AveriaSerifGWF-Bold.ttf";
constexpr const char* kNumberFont = "/usr/share/fonts/truetype/ttf-bitstream-vera/VeraBd.ttf";
constexpr const char* kMonoFont = "/usr/share/fonts/truetype/ttf-bitstream-vera/VeraMoBd.ttf";
}  // namespace lettering

struct LetteringStyle {
    const char* fontFile = lettering::kDisplayFont;
    double size = 40;            // em size in pixels
    Rgb top = palette::kGold;    // fill gradient over the glyph height
    Rgb bottom = palette::kSunset;
    double outline = 4;          // ink outline width in pixels; 0 for none
    double shadow = 3;           // shadow offset in pixels; 0 for none
    double rim = 0.55;           // strength of the light edge along the glyph tops
};

// Font faces are loaded once per process and shared by every step; they live until exit.
// Answers false (and paints nothing) when the font file cannot be read.
bool fontAvailable(const char* fontFile);

// Adds the outline of text to the current path, centred on cx with its baseline at baselineY.
bool letteringPath(cairo_t* cr, const char* fontFile, double size, const std::string& text, double cx,
                   double baselineY);
double letteringWidth(cairo_t* cr, const char* fontFile, double size, const std::string& text);

// Paints text centred on (cx, cy) (the middle of its capital height).
bool paintLettering(cairo_t* cr, const LetteringStyle& style, const std::string& text, double cx, double cy);
