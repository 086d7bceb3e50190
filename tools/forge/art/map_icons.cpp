// The map's icons, under img/states/map/ (each sized round its drawing, drawn by its top-left):
//   wren_ico            the schooner aground on the reef by the camp's bay (always shown)
//   supply_crates_ico   crates, a barrel and planks saved from the Wren's hold
//   medicine_chest_ico  the ship's medicine chest, open, with the green cross
//   turtle_nest_ico     two sea turtles and their clutch on the sand
//   spring_ico          the clear pool of the hidden spring in its ring of stones
//   god_of_air_ico      a golden whirlwind: the God of Air's blessing
//   temple_of_winds_ico the temple's wind rose, shining now that its secret is known
#include "tools/forge/art/map_icons.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "tools/forge/art/camp_paint.h"
#include "tools/forge/art/camp_scenery.h"
#include "tools/forge/art/map_landmarks.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/scenery.h"
#include "tools/forge/paint/sheet.h"
#include "tools/forge/tables/map_table.h"

namespace {

constexpr Rgb kTurtleShell{0.36, 0.50, 0.26};
constexpr Rgb kTurtleSkin{0.56, 0.70, 0.46};
constexpr Rgb kPool{0.36, 0.78, 0.86};

RgbaImage wren() {
    Canvas canvas(170, 120);
    ForgeRandom random(0x3e11);
    paintWreck(canvas.cr(), random, 85, 88, 140);
    return canvas.toImage();
}

RgbaImage supplyCrates() {
    Canvas canvas(76, 64);
    cairo_t* cr = canvas.cr();
    groundShadow(cr, 40, 56, 34, 7, 0.35);
    paintBarrel(cr, 46, 22, 22, 34);
    paintCrate(cr, 8, 28, 26);
    paintCrate(cr, 18, 8, 22);
    cairo_save(cr);
    cairo_translate(cr, 38, 52);
    cairo_rotate(cr, -0.12);
    roundedRectPath(cr, -34, -4, 60, 8, 3);
    fillVerticalGradient(cr, -4, 4, lighten(palette::kWood, 0.35), palette::kWood);
    strokeInk(cr, 1.4);
    cairo_restore(cr);
    return withDropShadow(canvas.toImage(), 1, 2, 2, 0.3);
}

RgbaImage medicineChest() {
    Canvas canvas(72, 64);
    cairo_t* cr = canvas.cr();
    groundShadow(cr, 36, 56, 32, 7, 0.35);
    polygonPath(cr, {{10, 8}, {62, 8}, {58, 26}, {14, 26}});  // the open lid
    fillVerticalGradient(cr, 8, 26, lighten(palette::kWood, 0.2), palette::kWood);
    strokeInk(cr, 1.6);
    roundedRectPath(cr, 8, 26, 56, 28, 4);
    fillVerticalGradient(cr, 26, 54, lighten(palette::kWood, 0.3), palette::kWoodDark);
    strokeInk(cr, 1.8);
    cairo_new_path(cr);
    for (int k = 0; k < 3; ++k) {  // bottles peeping out
        roundedRectPath(cr, 18 + k * 13, 18 - (k % 2) * 4, 8, 12, 2);
        fillVerticalGradient(cr, 14, 30, lighten(palette::kLagoon, 0.3), palette::kDeepSea);
        strokeInk(cr, 1.2);
    }
    paintMedicSign(cr, 36, 40, 10);
    return canvas.toImage();
}

void turtle(cairo_t* cr, double x, double y, double size, double turn) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    for (const auto& [fx, fy] : {std::pair{-0.5, -0.45}, std::pair{0.5, -0.45}, std::pair{-0.42, 0.42}, std::pair{0.42, 0.42}}) {
        ellipsePath(cr, fx * size, fy * size, size * 0.24, size * 0.12);
        shadeWithInk(cr, fx * size, fy * size, size * 0.24, kTurtleSkin, 1.2);
    }
    ellipsePath(cr, 0, -size * 0.62, size * 0.16, size * 0.18);
    shadeWithInk(cr, 0, -size * 0.62, size * 0.18, kTurtleSkin, 1.2);
    ellipsePath(cr, 0, 0, size * 0.42, size * 0.5);
    shadeWithInk(cr, 0, 0, size * 0.5, kTurtleShell, 1.6);
    for (int k = 0; k < 3; ++k) {
        cairo_new_path(cr);
        for (int s = 0; s < 6; ++s) {
            const double a = s * M_PI / 3;
            cairo_line_to(cr, size * 0.13 * std::cos(a), (k - 1) * size * 0.26 + size * 0.12 * std::sin(a));
        }
        cairo_close_path(cr);
        setColor(cr, lighten(kTurtleShell, 0.3), 0.8);
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

RgbaImage turtleNest() {
    Canvas canvas(84, 64);
    cairo_t* cr = canvas.cr();
    groundShadow(cr, 42, 50, 38, 10, 0.25);
    for (int k = 0; k < 5; ++k) {  // the clutch, half buried
        ellipsePath(cr, 34 + k * 6.5, 50 - (k % 2) * 4, 4.5, 4);
        shadeWithInk(cr, 34 + k * 6.5, 50 - (k % 2) * 4, 4.5, palette::kWhite, 1);
    }
    turtle(cr, 22, 30, 30, -0.5);
    turtle(cr, 62, 26, 26, 0.6);
    return withDropShadow(canvas.toImage(), 1, 2, 2, 0.3);
}

RgbaImage spring() {
    Canvas canvas(72, 60);
    cairo_t* cr = canvas.cr();
    ellipsePath(cr, 36, 34, 30, 19);
    fillRoundShading(cr, 36, 34, 30, kPool);
    strokeInk(cr, 1.8);
    cairo_new_path(cr);
    for (int k = 0; k < 10; ++k) {  // the ring of mossy stones
        const double a = k * 2 * M_PI / 10;
        paintMapRock(cr, 36 + 31 * std::cos(a) - 6, 34 + 20 * std::sin(a) - 5, 12, 10);
    }
    for (int k = 0; k < 3; ++k) {  // bubbles where the water rises
        cairo_arc(cr, 32 + k * 5, 33 - k * 2, 2 + k, 0, 2 * M_PI);
        setColor(cr, palette::kWhite, 0.8);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    paintSparkle(cr, 46, 24, 10, 0.9);
    return canvas.toImage();
}

RgbaImage whirlwind() {
    Canvas canvas(84, 84);
    cairo_t* cr = canvas.cr();
    paintGlow(cr, 42, 42, 40, guiPalette::kGoldLight, palette::kGold, 0.45);
    for (int k = 0; k < 5; ++k) {
        const double y = 16 + k * 12;
        const double w = 32 - k * 5;
        ellipsePath(cr, 42 + (k % 2 ? 4 : -4), y, w, 6);
        setColor(cr, palette::kInk, 0.6);
        cairo_set_line_width(cr, 4.5);
        cairo_stroke_preserve(cr);
        setColor(cr, k % 2 ? guiPalette::kGoldLight : palette::kWhite);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    paintSparkle(cr, 64, 20, 10, 0.9);
    paintSparkle(cr, 22, 58, 7, 0.8);
    return canvas.toImage();
}

RgbaImage windRose() {
    Canvas canvas(84, 84);
    cairo_t* cr = canvas.cr();
    paintRays(cr, 42, 42, 12, 14, 40, 5, guiPalette::kGoldLight, 0.55);
    paintGlow(cr, 42, 42, 30, palette::kWhite, palette::kGold, 0.6);
    cairo_new_path(cr);
    for (int k = 0; k < 16; ++k) {
        const double a = k * M_PI / 8 - M_PI / 2;
        const double reach = k % 4 == 0 ? 30 : (k % 2 == 0 ? 19 : 11);
        cairo_line_to(cr, 42 + reach * std::cos(a), 42 + reach * std::sin(a));
    }
    cairo_close_path(cr);
    fillVerticalGradient(cr, 12, 72, guiPalette::kGoldLight, palette::kSunset);
    strokeInk(cr, 1.8);
    cairo_new_path(cr);
    cairo_arc(cr, 42, 42, 5, 0, 2 * M_PI);
    shadeWithInk(cr, 42, 42, 5, palette::kSky, 1.4);
    return canvas.toImage();
}

std::string iconFile(const std::string& name) {
    std::string file = name + "_ico";
    std::transform(file.begin(), file.end(), file.begin(), [](unsigned char c) { return std::tolower(c); });
    return file;
}

}  // namespace

std::vector<MapPicture> mapIconPictures() {
    return {
        {"wren_ico", wren()},
        {"supply_crates_ico", supplyCrates()},
        {"medicine_chest_ico", medicineChest()},
        {"turtle_nest_ico", turtleNest()},
        {"spring_ico", spring()},
        {"god_of_air_ico", whirlwind()},
        {"temple_of_winds_ico", windRose()},
    };
}

RgbaImage mapIconPicture(const std::string& name) {
    for (MapPicture& icon : mapIconPictures()) {
        if (icon.file == iconFile(name)) return std::move(icon.picture);
    }
    return {};
}

// Every icon map.ini names must have its picture.
FORGE_STEP(map_icons) {
    std::string text;
    std::vector<MapLandmass> table;
    std::string error;
    if (!forge.readContent("map.ini", text) || !readMapTable(text, table, error)) return;  // map_landmasses reports it
    const std::vector<MapPicture> pictures = mapIconPictures();
    for (const MapLandmass& land : table) {
        for (const MapIcon& icon : land.icons) {
            const bool painted = std::any_of(pictures.begin(), pictures.end(), [&](const MapPicture& p) { return p.file == iconFile(icon.name); });
            if (!painted) forge.fail("map.ini: the icon " + icon.name + " has no picture");
        }
    }
    const Rgb land{0.45, 0.66, 0.32};
    writeMapPictures(forge, pictures, "map_icons", 4, 200, &land);
}
