// The adventure bar's seventeen pictures (img/states/scene/), in the order the scene loads them:
//   adventure_ui_bar.png    1600 x 200  a plank shelf with a bamboo rail, the menu socket on the left,
//                                       a tray of eight item wells and the hint and skip sockets
//   hog_cover.png            704 x 104  the parchment list of a hidden-object scene
//   btn_menu.png              88 x 88   btn_hint.png 84 x 78   btn_skip.png 110 x 52
//   grey_hint.png, grey_skip.png        the buttons' grey veils while they recharge
//   printback_double.png, printback_single.png   the dark panels behind the scene's text
//   god_of_air_icon.png, clinic_icon.png  96 x 96   the two scenes' medallions
//   hint_glow.png, skip_glow.png      168 x 160  the glows of a button that is ready (additive)
//   strikeout.png            216 x 14   the ink stroke through a completed list entry
//   combine_glow.png         128 x 128  one spoke of the glow round a carried item (drawn 8 times)
//   hint_stars.png            2 x 1 of 40 x 40   the hint ring's star and twinkle
//   wind_award.png           160 x 160  the God of Air's blessing
#include "tools/forge/scenes/scene_bar.h"

#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/plants.h"
#include "tools/forge/paint/scenery.h"
#include "tools/forge/paint/sheet.h"
#include "tools/forge/scenes/scene_emblems.h"

namespace {

using namespace scene_bar;

constexpr double kShelfTop = 100;   // the plank's top edge, bar-relative (the canvas's y 800)
constexpr double kTrayLeft = 338, kTrayRight = 1062;
constexpr double kTrayTop = 62;
const Rgb kBrassLip = guiPalette::kBrass;

void plankShelf(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, kShelfTop, kWidth, kHeight - kShelfTop);
    fillVerticalGradient(cr, kShelfTop, kHeight, lighten(palette::kWood, 0.12), palette::kWoodDark);
    cairo_new_path(cr);
    ForgeRandom random(0xad7);
    for (int k = 0; k < 16; ++k) {
        const double y = random.uniform(kShelfTop + 8, kHeight - 4);
        cairo_move_to(cr, 0, y);
        for (int x = 0; x <= kWidth; x += 40) cairo_line_to(cr, x, y + 1.5 * std::sin(x * 0.012 + k));
        setColor(cr, k % 2 ? palette::kInk : lighten(palette::kWood, 0.3), 0.18);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    for (double x : {180.0, 1330.0}) {  // plank joints with their pegs
        cairo_move_to(cr, x, kShelfTop);
        cairo_line_to(cr, x, kHeight);
        setColor(cr, palette::kInk, 0.5);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        for (double y : {kShelfTop + 22, kShelfTop + 72}) {
            cairo_arc(cr, x - 9, y, 3, 0, 2 * M_PI);
            setColor(cr, palette::kWoodDark);
            cairo_fill_preserve(cr);
            strokeInk(cr, 1);
            cairo_new_path(cr);
        }
    }
    paintBambooRail(cr, -4, kWidth + 4, kShelfTop - 8, 14);
}

// A round brass-rimmed socket a button sits in.
void socket(cairo_t* cr, double cx, double cy, double radius) {
    paintRimmedDisc(cr, cx, cy, radius, 6, kBrassLip, guiPalette::kDialogDeep, palette::kWoodDark, 2.5);
    for (int k = 0; k < 4; ++k) {
        const double a = M_PI / 4 + k * M_PI / 2;
        drawBrassRivet(cr, cx + (radius - 3) * std::cos(a), cy + (radius - 3) * std::sin(a), 3.2);
    }
}

// The raised tray of item wells in the middle of the bar.
void itemTray(cairo_t* cr) {
    PlankSpec frame;
    frame.width = static_cast<int>(kTrayRight - kTrayLeft) + 12;
    frame.height = kHeight - static_cast<int>(kTrayTop) + 8;
    frame.x = 4;
    frame.y = 4;
    frame.w = kTrayRight - kTrayLeft;
    frame.h = kHeight - kTrayTop + 12;
    frame.radius = 18;
    frame.color = mix(palette::kWood, palette::kSunset, 0.12);
    frame.seed = 61;
    frame.shadow = 0.5;
    Canvas plank(frame.width, frame.height);
    plank.drawImage(woodPlank(frame), 0, 0);
    RgbaImage image = plank.toImage();
    cairo_surface_t* surface = surfaceFromImage(image);
    cairo_set_source_surface(cr, surface, kTrayLeft - 4, kTrayTop - 4);
    cairo_paint(cr);
    cairo_surface_destroy(surface);
    paintBambooRail(cr, kTrayLeft + 14, kTrayRight - 14, kTrayTop + 4, 11);
    for (int i = 0; i < kSlots; ++i) {
        const double x = kSlotLeft + kSlotStep * i - 2;
        drawRecess(cr, x, kSlotTop - kTop - 2, kItemSize + 4, kItemSize + 4, 14, guiPalette::kDialogFill);
    }
    for (double x : {kTrayLeft + 22, kTrayRight - 22}) {
        drawBrassRivet(cr, x, kTrayTop + 44, 4);
        drawBrassRivet(cr, x, kHeight - 18, 4);
    }
}

// Broad leaves tucked behind the bar's two ends: the island grows over everything.
void leafyEnds(cairo_t* cr) {
    struct Leaf {
        double x, y, angle, length, width;
    };
    constexpr Leaf kLeaves[] = {
        {30, 130, -2.0, 150, 40}, {120, 118, -1.45, 120, 34}, {-10, 120, -1.1, 120, 36}, {70, 112, -2.5, 100, 30},
        {1570, 130, -1.15, 150, 40}, {1480, 118, -1.7, 120, 34}, {1610, 120, -2.05, 120, 36}, {1530, 112, -0.6, 100, 30},
    };
    for (const Leaf& leaf : kLeaves) {
        paintBroadLeaf(cr, leaf.x, leaf.y, leaf.angle, leaf.length, leaf.width / 2, palette::kLeaf, palette::kJungle);
    }
}

RgbaImage barPicture() {
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    leafyEnds(cr);
    plankShelf(cr);
    socket(cr, kMenuX + kMenuSize / 2.0, kMenuY + kMenuSize / 2.0, kMenuSize / 2.0 + 10);
    itemTray(cr);
    socket(cr, kHintX + kHintWidth / 2.0, kHintY + kHintHeight / 2.0, kHintHeight / 2.0 + 10);
    drawRecess(cr, kSkipX - 5, kSkipY - 4, kSkipWidth + 10, kSkipHeight + 8, 22, guiPalette::kDialogDeep);
    return withDropShadow(canvas.toImage(), 0, -3, 4, 0.35);
}

// The list's parchment: three columns of names, a seal with the island's cross on the left.
RgbaImage hogCover() {
    Canvas canvas(kCoverWidth, kCoverHeight);
    cairo_t* cr = canvas.cr();
    canvas.drawImage(parchmentSheet(kCoverWidth, kCoverHeight, 2, 0x40c), 0, 0);
    for (int column = 1; column < 3; ++column) {
        const double x = 404 + 214 * column - 3 - kCoverX;
        cairo_move_to(cr, x, 10);
        cairo_line_to(cr, x, kCoverHeight - 10);
    }
    cairo_set_dash(cr, (const double[]){5, 5}, 2, 0);
    strokeRound(cr, palette::kWood, 1.5, 0.45);
    cairo_set_dash(cr, nullptr, 0, 0);
    paintClinicEmblem(cr, 26, kCoverHeight / 2.0, 21);
    return canvas.toImage();
}

RgbaImage menuButton() {
    Canvas canvas(kMenuSize, kMenuSize);
    cairo_t* cr = canvas.cr();
    const double c = kMenuSize / 2.0;
    cairo_arc(cr, c, c, c - 3, 0, 2 * M_PI);
    fillRoundShading(cr, c, c, c - 3, mix(palette::kWood, palette::kSunset, 0.2));
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_arc(cr, c, c, c - 9, 0, 2 * M_PI);
    setColor(cr, kBrassLip, 0.9);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int k = 0; k < 3; ++k) {  // three bars: the universal sign for a menu
        roundedRectPath(cr, c - 18, c - 22 + k * 10, 36, 5, 2.5);
        setColor(cr, palette::kInk);
        cairo_set_line_width(cr, 3);
        cairo_stroke_preserve(cr);
        fillVerticalGradient(cr, c - 22 + k * 10, c - 17 + k * 10, guiPalette::kCream, palette::kGold);
        cairo_new_path(cr);
    }
    drawHeadingLine(cr, "Menu", c, c + 23, carvedLabelStyle(20));
    paintGloss(cr, c - 16, c - 26, 12, 5, 0.3);
    return canvas.toImage();
}

void magnifier(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx + r * 0.7, cy + r * 0.7);
    cairo_line_to(cr, cx + r * 1.5, cy + r * 1.5);
    strokeRound(cr, palette::kInk, r * 0.55);
    cairo_move_to(cr, cx + r * 0.75, cy + r * 0.75);
    cairo_line_to(cr, cx + r * 1.45, cy + r * 1.45);
    strokeRound(cr, palette::kWood, r * 0.3);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    fillVerticalGradient(cr, cy - r, cy + r, lighten(palette::kSky, 0.5), palette::kLagoon, 0.85);
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, r * 0.42);
    cairo_stroke_preserve(cr);
    setColor(cr, guiPalette::kBrass);
    cairo_set_line_width(cr, r * 0.22);
    cairo_stroke(cr);
    cairo_arc(cr, cx - r * 0.1, cy - r * 0.1, r * 0.55, M_PI * 1.1, M_PI * 1.55);
    strokeRound(cr, palette::kWhite, r * 0.16, 0.8);
    paintSparkle(cr, cx + r * 0.25, cy - r * 0.05, r * 0.5, 0.9);
}

RgbaImage hintButton() {
    Canvas canvas(kHintWidth, kHintHeight);
    cairo_t* cr = canvas.cr();
    const double cx = kHintWidth / 2.0;
    const double cy = kHintHeight / 2.0;
    const double r = kHintHeight / 2.0 - 3;
    paintRimmedDisc(cr, cx, cy, r, 6, palette::kGold, palette::kSky, palette::kDeepSea, 2.5);
    magnifier(cr, cx - 7, cy - 10, 13);
    drawHeadingLine(cr, "Hint", cx, cy + 26, carvedLabelStyle(18));
    paintGloss(cr, cx - 14, cy - 24, 11, 5, 0.35);
    return canvas.toImage();
}

RgbaImage skipButton() {
    PlankSpec plank;
    plank.width = kSkipWidth;
    plank.height = kSkipHeight;
    plank.x = 2;
    plank.y = 2;
    plank.w = kSkipWidth - 6;
    plank.h = kSkipHeight - 8;
    plank.radius = 19;
    plank.color = palette::kWoodDark;
    plank.seed = 37;
    plank.shadow = 0.4;
    Canvas canvas(kSkipWidth, kSkipHeight);
    canvas.drawImage(woodPlank(plank), 0, 0);
    drawHeadingLine(canvas.cr(), "Skip", 44, 32, carvedLabelStyle(22));
    drawArrowHead(canvas.cr(), 78, 24, 8, 8, 3.5);
    drawArrowHead(canvas.cr(), 89, 24, 8, 8, 3.5);
    return canvas.toImage();
}

// While a button recharges, a grey veil in its own shape lies over it.
RgbaImage greyVeil(const RgbaImage& button) {
    RgbaImage veil = greyedCopy(button, 0.45);
    for (size_t i = 3; i < veil.rgba.size(); i += 4) veil.rgba[i] = static_cast<uint8_t>(veil.rgba[i] * 0.88);
    return veil;
}

// The dark glass behind the scene's text: it keeps white lettering readable over any painting.
RgbaImage printBack(int height) {
    Canvas canvas(kPrintWidth, height);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, 3, 3, kPrintWidth - 6, height - 6, 16);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, height);
    cairo_pattern_add_color_stop_rgba(fill, 0, 0.10, 0.05, 0.02, 0.82);
    cairo_pattern_add_color_stop_rgba(fill, 1, 0.20, 0.09, 0.03, 0.74);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    setColor(cr, guiPalette::kBrass, 0.85);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    roundedRectPath(cr, 8, 8, kPrintWidth - 16, height - 16, 11);
    setColor(cr, guiPalette::kBrass, 0.3);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (double x : {20.0, kPrintWidth - 20.0}) drawBrassRivet(cr, x, height / 2.0, 4);
    return canvas.toImage();
}

RgbaImage medallion(void (*emblem)(cairo_t*, double, double, double)) {
    Canvas canvas(96, 96);
    emblem(canvas.cr(), 48, 48, 42);
    return withDropShadow(canvas.toImage(), 2, 3, 2, 0.45);
}

RgbaImage buttonGlow() {
    Canvas canvas(kGlowWidth, kGlowHeight);
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, kGlowWidth / 2.0, kGlowHeight / 2.0);
    cairo_scale(cr, 1, static_cast<double>(kGlowHeight) / kGlowWidth);
    paintGlow(cr, 0, 0, kGlowWidth / 2.0 - 2, {1, 0.95, 0.7}, palette::kGold, 0.9);
    cairo_restore(cr);
    paintRays(cr, kGlowWidth / 2.0, kGlowHeight / 2.0, 12, 30, 78, 5, {1, 0.9, 0.55}, 0.35, 0.2);
    return canvas.toImage();
}

RgbaImage strikeout() {
    Canvas canvas(216, 14);
    cairo_t* cr = canvas.cr();
    cairo_move_to(cr, 3, 8);
    cairo_curve_to(cr, 60, 5, 150, 9, 213, 6);
    strokeRound(cr, {0.72, 0.12, 0.1}, 4.5, 0.9);
    cairo_move_to(cr, 8, 9);
    cairo_curve_to(cr, 70, 7, 140, 10, 205, 7.5);
    strokeRound(cr, {0.9, 0.25, 0.2}, 1.5, 0.6);
    return canvas.toImage();
}

// One spoke of the glow: the game draws it eight times round the pointer, turning.
RgbaImage combineGlow() {
    Canvas canvas(128, 128);
    cairo_t* cr = canvas.cr();
    paintGlow(cr, 64, 64, 40, {1, 0.96, 0.75}, palette::kGold, 0.45);
    paintRays(cr, 64, 64, 2, 10, 62, 7, {1, 0.92, 0.6}, 0.8, -M_PI / 2);
    return canvas.toImage();
}

RgbaImage hintStars() {
    Canvas canvas(80, 40);
    cairo_t* cr = canvas.cr();
    paintGlow(cr, 20, 20, 16, {1, 0.95, 0.7}, palette::kGold, 0.5);
    cairo_new_path(cr);
    for (int k = 0; k < 10; ++k) {
        const double a = -M_PI / 2 + k * M_PI / 5;
        const double d = k % 2 == 0 ? 15 : 6.5;
        cairo_line_to(cr, 20 + d * std::cos(a), 21 + d * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    fillVerticalGradient(cr, 6, 36, guiPalette::kCream, palette::kGold);
    strokeInk(cr, 1.8, 0.8);
    cairo_new_path(cr);
    paintSparkle(cr, 60, 20, 17, 1.0, {1, 0.97, 0.85});
    return canvas.toImage();
}

RgbaImage windAward() {
    Canvas canvas(160, 160);
    paintWindBlessing(canvas.cr(), 80, 80, 70);
    return withDropShadow(canvas.toImage(), 3, 4, 3, 0.45);
}

void writeScenePicture(Forge& forge, const std::string& name, const RgbaImage& image) {
    forge.writePng("img/states/scene/" + name + ".png", image);
}

RgbaImage placed(const RgbaImage& image, int x, int y) {
    RgbaImage canvas(1600, 900);
    pasteOver(canvas, image, x, y);
    return canvas;
}

}  // namespace

RgbaImage sceneBarPreview(bool hiddenObject) {
    RgbaImage overlay = placed(barPicture(), 0, kTop);
    pasteOver(overlay, menuButton(), kMenuX, kTop + kMenuY);
    pasteOver(overlay, hintButton(), kHintX, kTop + kHintY);
    pasteOver(overlay, skipButton(), kSkipX, kTop + kSkipY);
    pasteOver(overlay, greyVeil(skipButton()), kSkipX, kTop + kSkipY);
    if (hiddenObject) pasteOver(overlay, hogCover(), kCoverX, kTop + kCoverY);
    return overlay;
}

FORGE_STEP(scene_bar) {
    if (!fontsPresent(forge)) return;
    const RgbaImage bar = barPicture();
    const RgbaImage cover = hogCover();
    const RgbaImage menu = menuButton();
    const RgbaImage hint = hintButton();
    const RgbaImage skip = skipButton();
    const RgbaImage greyHint = greyVeil(hint);
    const RgbaImage greySkip = greyVeil(skip);
    const RgbaImage printDouble = printBack(kPrintDoubleHeight);
    const RgbaImage printSingle = printBack(kPrintSingleHeight);
    const RgbaImage godIcon = medallion(paintGodOfAirMedallion);
    const RgbaImage glow = buttonGlow();
    const RgbaImage strike = strikeout();
    const RgbaImage clinicIcon = medallion(paintClinicEmblem);
    const RgbaImage combine = combineGlow();
    const RgbaImage stars = hintStars();
    const RgbaImage award = windAward();
    const std::vector<SheetEntry> pictures = {
        {"adventure_ui_bar", &bar}, {"hog_cover", &cover},   {"btn_menu", &menu},
        {"btn_hint", &hint},        {"btn_skip", &skip},     {"grey_hint", &greyHint},
        {"grey_skip", &greySkip},   {"printback_double", &printDouble}, {"printback_single", &printSingle},
        {"god_of_air_icon", &godIcon}, {"hint_glow", &glow}, {"skip_glow", &glow},
        {"strikeout", &strike},     {"clinic_icon", &clinicIcon}, {"combine_glow", &combine},
        {"hint_stars", &stars},     {"wind_award", &award},
    };
    for (const SheetEntry& entry : pictures) writeScenePicture(forge, entry.name, *entry.image);
    std::vector<SheetEntry> small(pictures.begin() + 1, pictures.end());
    small.erase(small.begin() + 6, small.begin() + 8);  // the wide text panels have a sheet of their own
    forge.addContactSheet("scene_bar_pictures", contactSheet(small, 5, 260));
    forge.addContactSheet("scene_bar_panels", contactSheet({{"printback_double", &printDouble},
                                                            {"printback_single", &printSingle}},
                                                           1, 1220));
    forge.addContactSheet("scene_bar_adventure", sceneBarPreview(false));
    forge.addContactSheet("scene_bar_hidden_object", sceneBarPreview(true));
}
