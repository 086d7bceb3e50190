// The dialog frame (eight pieces around a filled interior) and the three-piece text button.
// Both are drawn whole on a larger master and cut, so every repeated piece continues exactly
// into the next copy of itself: the dialogs tile edges every corner-size pixels, the buttons
// repeat their middle piece as often as the label needs.
#include "tools/forge/gui/frame.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kCorner = 50;  // divides every dialog size the game opens (450 x 300, 650 x 450, ...)
constexpr int kMaster = kCorner * 4;
constexpr double kRopeDepth = 17;   // rope centre, pixels in from the outer edge
constexpr double kRopeTwist = 12.5; // four twists per piece
constexpr double kWoodStart = 4;
constexpr double kInlayStart = 30;
constexpr double kRecessStart = 33;

enum class Side { Top, Left, Right, Bottom };

struct EdgePoint {
    double depth;  // pixels in from the outer edge
    double along;  // position along the edge
    Side side;
};

EdgePoint edgePoint(int x, int y) {
    const int right = kMaster - 1 - x;
    const int bottom = kMaster - 1 - y;
    const int depth = std::min({x, y, right, bottom});
    if (depth == y) return {y + 0.5, x + 0.5, Side::Top};
    if (depth == x) return {x + 0.5, y + 0.5, Side::Left};
    if (depth == right) return {right + 0.5, y + 0.5, Side::Right};
    return {bottom + 0.5, x + 0.5, Side::Bottom};
}

double sideLight(Side side) {
    switch (side) {
        case Side::Top: return 1.12;
        case Side::Left: return 1.04;
        case Side::Right: return 0.9;
        case Side::Bottom: return 0.8;
    }
    return 1;
}

Rgb woodBand(const EdgePoint& p) {
    const double t = (p.depth - kWoodStart) / (kInlayStart - kWoodStart);
    Rgb base = palette::kWood;
    if (t < 0.18) base = lighten(base, 0.28 * (1 - t / 0.18));       // rounded outer lip
    if (t > 0.75) base = darken(base, 0.45 * (t - 0.75) / 0.25);     // falls away to the inlay
    const double ropeShadow = std::exp(-std::pow((p.depth - (kRopeDepth + 6.5)) / 2.2, 2));
    base = darken(base, 0.35 * ropeShadow);
    const int sideSeed = static_cast<int>(p.side) * 31;
    const double warp = fractalNoise(p.along / kCorner, p.depth / 9.0, 40 + sideSeed, 3, 1, 0);
    const double ring = std::sin((p.depth + warp * 10) / 3.2 * M_PI);
    const double fine = valueNoise(p.along / (kCorner / 7.0), p.depth / 1.6, 41 + sideSeed, 7, 0);
    const double grain = 1 + 0.07 * ring + 0.14 * (fine - 0.5);
    const double light = sideLight(p.side) * grain;
    return {std::min(1.0, base.r * light), std::min(1.0, base.g * light), std::min(1.0, base.b * light)};
}

struct Shade {
    Rgb color;
    double alpha;
};

Shade frameShade(const EdgePoint& p) {
    if (p.depth < 2) return {palette::kInk, 0.18 + 0.2 * p.depth};
    if (p.depth < kWoodStart) return {palette::kInk, 0.95};
    if (p.depth < kInlayStart) return {woodBand(p), 1};
    if (p.depth < kRecessStart) {
        const double t = (p.depth - kInlayStart) / (kRecessStart - kInlayStart);
        const Rgb brass = mix(lighten(guiPalette::kBrass, 0.3), guiPalette::kBrassDark, t);
        return {mix(brass, darken(brass, 0.4), p.side == Side::Bottom || p.side == Side::Right ? 0.5 : 0), 1};
    }
    const double t = std::min(1.0, (p.depth - kRecessStart) / (kCorner - kRecessStart));
    return {mix(guiPalette::kDialogDeep, guiPalette::kDialogFill, t * t * (3 - 2 * t)), 1};
}

RgbaImage frameBands() {
    RgbaImage image(kMaster, kMaster);
    for (int y = 0; y < kMaster; ++y) {
        for (int x = 0; x < kMaster; ++x) {
            const Shade shade = frameShade(edgePoint(x, y));
            uint8_t* p = image.at(x, y);
            p[0] = static_cast<uint8_t>(std::lround(shade.color.r * 255));
            p[1] = static_cast<uint8_t>(std::lround(shade.color.g * 255));
            p[2] = static_cast<uint8_t>(std::lround(shade.color.b * 255));
            p[3] = static_cast<uint8_t>(std::lround(shade.alpha * 255));
        }
    }
    return image;
}

void cornerPlate(Canvas& canvas, double x, double y) {
    Canvas plate(kCorner, kCorner);
    cairo_t* cr = plate.cr();
    roundedRectPath(cr, 5, 5, 26, 26, 6);
    fillRoundShading(cr, 16, 16, 18, guiPalette::kBrass);
    strokeInk(cr, 1.6);
    rimLight(cr, 18, 18, 16, 0.6);
    cairo_new_path(cr);
    for (int i = 0; i < 4; ++i) {  // an engraved compass star
        const double a = i * M_PI / 2;
        cairo_move_to(cr, 18 + std::cos(a) * 9, 18 + std::sin(a) * 9);
        cairo_line_to(cr, 18 + std::cos(a + M_PI / 4) * 2.5, 18 + std::sin(a + M_PI / 4) * 2.5);
    }
    setColor(cr, guiPalette::kBrassDark, 0.8);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    drawBrassRivet(cr, 18, 18, 3.2);
    canvas.drawImage(withDropShadow(plate.toImage(), 2, 3, 2, 0.5), x, y);
}

RgbaImage dialogMaster() {
    Canvas canvas(kMaster, kMaster);
    canvas.drawImage(frameBands(), 0, 0);
    cairo_t* cr = canvas.cr();
    // The ropes run from plate to plate; the twist period divides the piece size, so any start
    // keeps the edges periodic.
    const double near = kRopeDepth;
    const double far = kMaster - kRopeDepth;
    drawRope(cr, near, near, far, near, 10, kRopeTwist);
    drawRope(cr, near, far, far, far, 10, kRopeTwist);
    drawRope(cr, near, near, near, far, 10, kRopeTwist);
    drawRope(cr, far, near, far, far, 10, kRopeTwist);
    const double last = kMaster - 37;
    cornerPlate(canvas, -1, -1);
    cornerPlate(canvas, last, -1);
    cornerPlate(canvas, -1, last);
    cornerPlate(canvas, last, last);
    return canvas.toImage();
}

struct Piece {
    const char* name;
    int column;
    int row;
};

constexpr Piece kPieces[] = {
    {"tl", 0, 0}, {"t", 1, 0}, {"tr", 3, 0}, {"r", 3, 1}, {"br", 3, 3}, {"b", 1, 3}, {"bl", 0, 3}, {"l", 0, 1},
};

// What the game shows: corners, edges every kCorner pixels, the interior filled.
RgbaImage assembleDialog(const RgbaImage& master, int width, int height) {
    RgbaImage out(width, height);
    const RgbaImage fill = cropImage(master, kCorner * 2 - 1, kCorner * 2 - 1, 1, 1);
    for (int y = kCorner; y < height - kCorner; ++y)
        for (int x = kCorner; x < width - kCorner; ++x) paste(out, fill, x, y);
    auto piece = [&](int column, int row) { return cropImage(master, column * kCorner, row * kCorner, kCorner, kCorner); };
    for (int i = 1; i <= width / kCorner - 2; ++i) {
        paste(out, piece(1, 0), i * kCorner, 0);
        paste(out, piece(1, 3), i * kCorner, height - kCorner);
    }
    for (int j = 1; j <= height / kCorner - 2; ++j) {
        paste(out, piece(0, 1), 0, j * kCorner);
        paste(out, piece(3, 1), width - kCorner, j * kCorner);
    }
    paste(out, piece(0, 0), 0, 0);
    paste(out, piece(3, 0), width - kCorner, 0);
    paste(out, piece(3, 3), width - kCorner, height - kCorner);
    paste(out, piece(0, 3), 0, height - kCorner);
    return out;
}

// ---- buttons -------------------------------------------------------------------------------

constexpr int kCapWidth = 24;
constexpr int kMiddleWidth = 16;
constexpr int kButtonHeight = 48;
constexpr int kButtonMaster = kCapWidth * 2 + kMiddleWidth * 4;

void pillPath(cairo_t* cr, double x, double y, double w, double h) { roundedRectPath(cr, x, y, w, h, h / 2); }

RgbaImage buttonMaster() {
    Canvas canvas(kButtonMaster, kButtonHeight);
    cairo_t* cr = canvas.cr();
    const double w = kButtonMaster - 4;
    pillPath(cr, 2, 6, w, 40);  // the shadow under the plank, unblurred so the middle stays uniform
    setColor(cr, palette::kInk, 0.35);
    cairo_fill(cr);
    pillPath(cr, 2, 2, w, 41);
    setColor(cr, palette::kInk);
    cairo_fill(cr);
    pillPath(cr, 4, 4, w - 4, 37);
    fillVerticalGradient(cr, 4, 41, lighten(guiPalette::kBrass, 0.35), guiPalette::kBrassDark);
    cairo_new_path(cr);
    pillPath(cr, 6.5, 6.5, w - 9, 32);
    fillVerticalGradient(cr, 6.5, 38.5, lighten(guiPalette::kLacquer, 0.35), darken(guiPalette::kLacquer, 0.35));
    cairo_new_path(cr);
    pillPath(cr, 11, 8.5, w - 18, 12);  // the glossy stripe of a lacquered plank
    fillVerticalGradient(cr, 8.5, 20.5, palette::kWhite, lighten(guiPalette::kLacquer, 0.3), 0.45);
    cairo_new_path(cr);
    RgbaImage image = canvas.toImage();
    woodGrain(image, {0.05, 4.0, 17, kMiddleWidth, false});
    return image;
}

// ---- small controls ------------------------------------------------------------------------

void checkBoxFrame(cairo_t* cr, double ox, bool checked) {
    roundedRectPath(cr, ox + 4, 5, 24, 24, 5);
    setColor(cr, palette::kInk, 0.4);
    cairo_fill(cr);
    roundedRectPath(cr, ox + 3, 3, 24, 24, 5);
    fillVerticalGradient(cr, 3, 27, lighten(guiPalette::kBrass, 0.3), guiPalette::kBrassDark);
    strokeInk(cr, 1.5);
    cairo_new_path(cr);
    roundedRectPath(cr, ox + 6.5, 6.5, 17, 17, 3);
    fillVerticalGradient(cr, 6.5, 23.5, palette::kSandShade, guiPalette::kCream);
    cairo_new_path(cr);
    if (!checked) return;
    cairo_move_to(cr, ox + 8, 15);
    cairo_line_to(cr, ox + 14, 22);
    cairo_line_to(cr, ox + 28, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    setColor(cr, lighten(palette::kLeaf, 0.15));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

RgbaImage checkBox() {
    Canvas canvas(64, 32);
    checkBoxFrame(canvas.cr(), 0, false);
    checkBoxFrame(canvas.cr(), 32, true);
    return canvas.toImage();
}

constexpr int kBarWidth = 280;  // fits the options panel's rows beside their labels

RgbaImage sliderBar() {
    Canvas canvas(kBarWidth, 24);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, 4, 5, kBarWidth - 8, 14, 7);
    fillVerticalGradient(cr, 5, 19, guiPalette::kDialogDeep, darken(palette::kWood, 0.2));
    strokeInk(cr, 2);
    cairo_new_path(cr);
    roundedRectPath(cr, 8, 15, kBarWidth - 16, 2, 1);  // light catching the lower lip of the groove
    setColor(cr, lighten(palette::kWood, 0.4), 0.6);
    cairo_fill(cr);
    drawBrassRivet(cr, 10, 12, 6);
    drawBrassRivet(cr, kBarWidth - 10, 12, 6);
    return canvas.toImage();
}

RgbaImage sliderKnob() {
    Canvas canvas(32, 42);
    cairo_t* cr = canvas.cr();
    cairo_move_to(cr, 4, 10);
    cairo_curve_to(cr, 4, 3, 10, 2, 15, 2);
    cairo_curve_to(cr, 20, 2, 26, 3, 26, 10);
    cairo_line_to(cr, 26, 24);
    cairo_line_to(cr, 15, 36);
    cairo_line_to(cr, 4, 24);
    cairo_close_path(cr);
    fillRoundShading(cr, 15, 16, 18, guiPalette::kBrass);
    strokeInk(cr, 2);
    rimLight(cr, 15, 16, 14, 0.6);
    cairo_new_path(cr);
    for (int i = 0; i < 3; ++i) {  // grip grooves
        cairo_move_to(cr, 10, 11 + i * 5);
        cairo_line_to(cr, 20, 11 + i * 5);
    }
    setColor(cr, guiPalette::kBrassDark, 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    return withDropShadow(canvas.toImage(), 2, 3, 2, 0.45);
}

RgbaImage blackPicture() {
    RgbaImage image(128, 128);  // zoomed 13 times it covers the whole canvas
    for (size_t i = 3; i < image.rgba.size(); i += 4) image.rgba[i] = 255;
    return image;
}

// A repeated piece tiles when the master holds two identical copies of it side by side.
bool repeats(const RgbaImage& master, int x, int y, int width, int height, int dx, int dy) {
    return cropImage(master, x, y, width, height).rgba == cropImage(master, x + dx, y + dy, width, height).rgba;
}

void checkTiling(Forge& forge, const RgbaImage& dialog, const RgbaImage& button) {
    const bool edges = repeats(dialog, kCorner, 0, kCorner, kCorner, kCorner, 0) &&
                       repeats(dialog, kCorner, kCorner * 3, kCorner, kCorner, kCorner, 0) &&
                       repeats(dialog, 0, kCorner, kCorner, kCorner, 0, kCorner) &&
                       repeats(dialog, kCorner * 3, kCorner, kCorner, kCorner, 0, kCorner);
    if (!edges) forge.fail("the dialog edge pieces do not tile");
    if (!repeats(button, kCapWidth, 0, kMiddleWidth, kButtonHeight, kMiddleWidth, 0)) {
        forge.fail("the button's middle piece does not tile");
    }
}

}  // namespace

RgbaImage dialogFrame(int width, int height) { return assembleDialog(dialogMaster(), width, height); }

FORGE_STEP(gui_frame) {
    const RgbaImage master = dialogMaster();
    for (const Piece& piece : kPieces) {
        forge.writePng(std::string("img/gui/dialog_") + piece.name + ".png",
                       cropImage(master, piece.column * kCorner, piece.row * kCorner, kCorner, kCorner));
    }
    const RgbaImage button = buttonMaster();
    checkTiling(forge, master, button);
    const RgbaImage left = cropImage(button, 0, 0, kCapWidth, kButtonHeight);
    const RgbaImage middle = cropImage(button, kCapWidth, 0, kMiddleWidth, kButtonHeight);
    const RgbaImage right = cropImage(button, kButtonMaster - kCapWidth, 0, kCapWidth, kButtonHeight);
    forge.writePng("img/gui/button_l.png", left);
    forge.writePng("img/gui/button_m.png", middle);
    forge.writePng("img/gui/button_r.png", right);
    const RgbaImage checkbox = checkBox();
    const RgbaImage bar = sliderBar();
    const RgbaImage knob = sliderKnob();
    const RgbaImage black = blackPicture();
    forge.writePng("img/gui/checkbox.png", checkbox);
    forge.writePng("img/gui/slider_bar.png", bar);
    forge.writePng("img/gui/slider_knob.png", knob);
    forge.writePng("img/gui/black.png", black);

    RgbaImage wideButton(kCapWidth * 2 + kMiddleWidth * 9, kButtonHeight);
    paste(wideButton, left, 0, 0);
    for (int i = 0; i < 9; ++i) paste(wideButton, middle, kCapWidth + i * kMiddleWidth, 0);
    paste(wideButton, right, kCapWidth + 9 * kMiddleWidth, 0);
    const RgbaImage tip = assembleDialog(master, 450, 300);
    const RgbaImage tall = assembleDialog(master, 250, 400);
    forge.addContactSheet("gui_frame", contactSheet({{"dialog 450x300", &tip}, {"dialog 250x400", &tall},
                                                     {"master", &master}, {"button", &wideButton},
                                                     {"checkbox", &checkbox}, {"slider_bar", &bar},
                                                     {"slider_knob", &knob}, {"black", &black}},
                                                    4, 460));
}
