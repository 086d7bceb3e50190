// The map's markers: location_current, location_grey, location_new and location_found (60 x 60,
// drawn centred on their place), qmark (one row of map_layout::kQuestionMarkFrames frames of
// 44 x 56, a question mark bobbing and swaying, drawn centred over a new place), clickpointer (the
// cursor's golden arrow pointing down and right at the place, 60 x 60), prof_head (108 x 95, the
// professor on a brass-rimmed badge) and icon_arrow (24 x 40, the golden spike under him that points
// at his place).
#include "tools/forge/art/map_markers.h"

#include <cmath>

#include "game/expedition/map_layout.h"
#include "tools/forge/art/camp_paint.h"
#include "tools/forge/art/cursor.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/gui/portraits.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/lettering.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kMarkerSize = 60;
constexpr double kMarkerRadius = 20;
constexpr int kQuestionWidth = 44;
constexpr int kQuestionHeight = 56;
constexpr int kHeadWidth = 108;
constexpr int kHeadHeight = 95;
constexpr int kArrowWidth = 24;
constexpr int kArrowHeight = 40;
constexpr int kPointerMargin = 4;   // trimmed off the cursor frame's top and left
constexpr int kPointerSize = 60;

constexpr Rgb kStoneGrey{0.58, 0.59, 0.60};
constexpr Rgb kFoundGreen{0.24, 0.64, 0.32};

using Emblem = void (*)(cairo_t* cr, double cx, double cy, double r);

void pennant(cairo_t* cr, double cx, double cy, double r) {
    strokeLine(cr, {cx - r * 0.3, cy + r * 0.6}, {cx - r * 0.3, cy - r * 0.62}, palette::kWoodDark, r * 0.14);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r * 0.25, cy - r * 0.62);
    cairo_line_to(cr, cx + r * 0.6, cy - r * 0.36);
    cairo_line_to(cr, cx - r * 0.25, cy - r * 0.08);
    cairo_close_path(cr);
    fillVerticalGradient(cr, cy - r * 0.62, cy - r * 0.08, palette::kCoral, darken(palette::kCoral, 0.3));
    strokeInk(cr, 1.3);
    cairo_new_path(cr);
}

void compassStar(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_path(cr);
    for (int k = 0; k < 8; ++k) {
        const double a = k * M_PI / 4 - M_PI / 2;
        const double reach = k % 2 == 0 ? r * 0.72 : r * 0.26;
        cairo_line_to(cr, cx + reach * std::cos(a), cy + reach * std::sin(a));
    }
    cairo_close_path(cr);
    fillVerticalGradient(cr, cy - r, cy + r, palette::kWhite, guiPalette::kCream);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
}

void footprints(cairo_t* cr, double cx, double cy, double r) {
    for (const auto& [dx, dy, turn] : {std::tuple{-0.26, 0.18, -0.25}, std::tuple{0.26, -0.2, 0.2}}) {
        cairo_save(cr);
        cairo_translate(cr, cx + dx * r, cy + dy * r);
        cairo_rotate(cr, turn);
        ellipsePath(cr, 0, -r * 0.12, r * 0.17, r * 0.28);
        ellipsePath(cr, 0, r * 0.32, r * 0.13, r * 0.13);
        setColor(cr, palette::kWhite, 0.95);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void dot(cairo_t* cr, double cx, double cy, double r) {
    cairo_arc(cr, cx, cy, r * 0.22, 0, 2 * M_PI);
    setColor(cr, lighten(kStoneGrey, 0.35));
    cairo_fill(cr);
}

// A medallion pinned to the map: brass rim, enamel face, an emblem, a gloss; soft shadow under it.
RgbaImage medallion(Rgb rim, Rgb face, Emblem emblem, double glow) {
    Canvas canvas(kMarkerSize, kMarkerSize);
    cairo_t* cr = canvas.cr();
    const double c = kMarkerSize / 2.0;
    if (glow > 0) paintGlow(cr, c, c, c, guiPalette::kGoldLight, palette::kGold, glow);
    ellipsePath(cr, c + 2, c + 5, kMarkerRadius + 4, kMarkerRadius * 0.8);
    setColor(cr, palette::kInk, 0.35);
    cairo_fill(cr);
    cairo_arc(cr, c, c, kMarkerRadius + 4, 0, 2 * M_PI);
    fillRoundShading(cr, c, c, kMarkerRadius + 4, rim);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    cairo_arc(cr, c, c, kMarkerRadius - 1, 0, 2 * M_PI);
    fillRoundShading(cr, c, c, kMarkerRadius, face);
    strokeInk(cr, 1.4);
    cairo_new_path(cr);
    emblem(cr, c, c, kMarkerRadius);
    paintGloss(cr, c - 7, c - 9, 8, 4.5, 0.5);
    return canvas.toImage();
}

}  // namespace

RgbaImage locationPicture(PlaceState state) {
    switch (state) {
        case PlaceState::Current: return medallion(guiPalette::kBrass, guiPalette::kGoldLight, pennant, 0.55);
        case PlaceState::Unreachable: return medallion({0.52, 0.49, 0.44}, kStoneGrey, dot, 0);
        case PlaceState::New: return medallion(guiPalette::kBrass, palette::kCoral, compassStar, 0);
        case PlaceState::Found: return medallion(guiPalette::kBrass, kFoundGreen, footprints, 0);
    }
    return {};
}

RgbaImage questionMarkFrame(int frame) {
    const double phase = 2 * M_PI * frame / map_layout::kQuestionMarkFrames;
    Canvas canvas(kQuestionWidth, kQuestionHeight);
    cairo_t* cr = canvas.cr();
    cairo_translate(cr, kQuestionWidth / 2.0, kQuestionHeight / 2.0 + 4 - 4 * std::sin(phase));
    cairo_rotate(cr, 0.12 * std::sin(phase + M_PI / 2));
    LetteringStyle style;
    style.size = 54;
    style.top = guiPalette::kGoldLight;
    style.bottom = palette::kSunset;
    style.outline = 4;
    style.shadow = 2;
    paintLettering(cr, style, "?", 0, 0);
    // A glint runs over it once per loop.
    const double glint = std::fmod(phase / (2 * M_PI) * 1.6, 1.6) - 0.3;
    if (glint > 0 && glint < 1) paintSparkle(cr, -8 + 16 * glint, -12 + 14 * glint, 9, 0.8 * std::sin(M_PI * glint));
    return canvas.toImage();
}

RgbaImage questionMarkStrip() {
    return paintSheet(map_layout::kQuestionMarkColumns, map_layout::kQuestionMarkRows, map_layout::kQuestionMarkFrames,
                      questionMarkFrame);
}

// The cursor's arrow without the empty margin round it, so its tip comes close to the place.
RgbaImage clickPointer() { return cropImage(cursorFrame(kCursorArrowSouthEast), kPointerMargin, kPointerMargin, kPointerSize, kPointerSize); }

RgbaImage professorHead() {
    const RgbaImage bust = professorPortrait();
    Canvas canvas(kHeadWidth, kHeadHeight);
    cairo_t* cr = canvas.cr();
    constexpr double kBadgeX = kHeadWidth / 2.0, kBadgeY = 56, kBadgeR = 36;
    ellipsePath(cr, kBadgeX + 2, kBadgeY + 4, kBadgeR + 4, kBadgeR + 3);
    setColor(cr, palette::kInk, 0.35);
    cairo_fill(cr);
    cairo_arc(cr, kBadgeX, kBadgeY, kBadgeR + 4, 0, 2 * M_PI);
    fillRoundShading(cr, kBadgeX, kBadgeY, kBadgeR + 4, guiPalette::kBrass);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    cairo_arc(cr, kBadgeX, kBadgeY, kBadgeR, 0, 2 * M_PI);
    fillVerticalGradient(cr, kBadgeY - kBadgeR, kBadgeY + kBadgeR, palette::kSky, palette::kLagoon);
    cairo_new_path(cr);
    // The bust is 216 wide with the face's middle at x 108; only the head and collar are shown,
    // the shoulders stay inside the badge.
    constexpr double kScale = 0.43;
    const double left = kBadgeX - 108 * kScale, top = 2 - 38 * kScale;
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, kHeadWidth, kBadgeY);
    cairo_new_sub_path(cr);
    cairo_arc(cr, kBadgeX, kBadgeY, kBadgeR, 0, 2 * M_PI);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_clip(cr);
    canvas.drawImage(bust, left, top, kScale);
    cairo_restore(cr);
    cairo_arc(cr, kBadgeX, kBadgeY, kBadgeR, 0.15 * M_PI, 0.85 * M_PI);
    strokeInk(cr, 1.6);
    return canvas.toImage();
}

RgbaImage headArrow() {
    Canvas canvas(kArrowWidth, kArrowHeight);
    cairo_t* cr = canvas.cr();
    const double c = kArrowWidth / 2.0;
    cairo_move_to(cr, c - 9, 3);
    cairo_curve_to(cr, c - 9, 0, c + 9, 0, c + 9, 3);
    cairo_line_to(cr, c + 2, kArrowHeight - 4);
    cairo_line_to(cr, c, kArrowHeight - 1.5);
    cairo_line_to(cr, c - 2, kArrowHeight - 4);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 0, kArrowHeight, guiPalette::kGoldLight, palette::kSunset);
    strokeInk(cr, 1.8);
    cairo_new_path(cr);
    cairo_move_to(cr, c - 4, 5);
    cairo_line_to(cr, c - 0.5, kArrowHeight - 12);
    strokeRound(cr, palette::kWhite, 1.6, 0.6);
    return canvas.toImage();
}

std::vector<MapPicture> mapMarkerPictures() {
    return {
        {"location_current", locationPicture(PlaceState::Current)},
        {"location_grey", locationPicture(PlaceState::Unreachable)},
        {"location_new", locationPicture(PlaceState::New)},
        {"location_found", locationPicture(PlaceState::Found)},
        {"qmark", questionMarkStrip()},
        {"clickpointer", clickPointer()},
        {"prof_head", professorHead()},
        {"icon_arrow", headArrow()},
    };
}

void writeMapPictures(Forge& forge, const std::vector<MapPicture>& pictures, const char* sheet, int columns, int cell,
                      const Rgb* backdrop) {
    std::vector<SheetEntry> entries;
    for (const MapPicture& named : pictures) {
        forge.writePng("img/states/map/" + named.file + ".png", named.picture);
        entries.push_back({named.file, &named.picture});
    }
    forge.addContactSheet(sheet, contactSheet(entries, columns, cell, backdrop));
}

FORGE_STEP(map_markers) {
    if (!fontAvailable(lettering::kDisplayFont)) return forge.fail("map markers: the display font is missing");
    const Rgb land{0.45, 0.66, 0.32};
    writeMapPictures(forge, mapMarkerPictures(), "map_markers", 4, 260, &land);
}
