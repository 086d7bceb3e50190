// The camp's buttons, badges and build-dialog icons, under img/states/camp/:
//   btnfieldguide, btnbuild, btnexplore, btnback   wooden signs on a post, a round window with the
//                                                  icon over the name; they rise from the bottom
//                                                  edge, so the post runs off the screen
//   btnbuildhuts, btnupgradehuts, btnbuildlab,     the same with the building in the window
//   btnbuildclinic, btnfinishcamp
//   btnplay                                        a large green sign on two posts
//   btnlowcash, btnlocked, btnbuilt                round seals laid over the right of a building
//                                                  sign's window (at its corner + (67, 28))
//   hut_icon, hut_upg_icon, lab_icon, clinic_icon, finish_camp_icon
//                                                  the building in an arched window for the build
//                                                  dialog, which centres them left of its text
#include "tools/forge/art/camp_buttons.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "game/expedition/camp_layout.h"
#include "tools/forge/art/camp_buildings.h"
#include "tools/forge/art/camp_icons.h"
#include "tools/forge/art/camp_paint.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kCanvasBottom = 900;
constexpr int kSignWidth = 146;       // fits between the buttons' resting places
constexpr int kBuildSignWidth = 158;
constexpr int kBoardHeight = 124;
constexpr int kBadgeSize = 64;
constexpr int kDialogIconWidth = 168;  // the build dialog has 170 pixels left of its text
constexpr int kLabIconWidth = 150;     // the dialog shifts the lab's icon 30 pixels right
constexpr int kDialogIconHeight = 200;

// The round window: a brass ring round a light backdrop, the icon inside.
void iconWindow(cairo_t* cr, double cx, double cy, double r, const IconPainter& icon) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy + 2, r + 5, 0, 2 * M_PI);
    setColor(cr, palette::kInk, 0.35);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r + 4, 0, 2 * M_PI);
    fillRoundShading(cr, cx, cy, r + 4, guiPalette::kBrass);
    strokeInk(cr, 1.6);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    fillVerticalGradient(cr, cy - r, cy + r, guiPalette::kCream, palette::kParchment);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
    icon(cr, cx, cy, r);
    paintGloss(cr, cx - r * 0.35, cy - r * 0.45, r * 0.35, r * 0.2, 0.45);
}

}  // namespace

// A sign rising from the bottom edge: the board on top, a post under it down past the edge.
RgbaImage signButton(int width, int restY, const std::string& label, const IconPainter& icon, uint32_t seed,
                     Rgb board) {
    const int height = kCanvasBottom - restY + 10;
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    paintPost(cr, {width / 2.0, static_cast<double>(height)}, height - kBoardHeight + 10, 16, palette::kWoodDark);
    canvas.drawImage(woodPlank({.width = width, .height = kBoardHeight + 8, .x = 3, .y = 3, .w = width - 8.0,
                                .h = kBoardHeight - 6.0, .radius = 14, .color = board, .seed = seed}),
                     0, 0);
    drawBrassRivet(cr, 14, 15, 3.5);
    drawBrassRivet(cr, width - 18, 15, 3.5);
    iconWindow(cr, width / 2.0 - 2, 48, 34, icon);
    double size = 22;
    selectFace(cr, Face::Heading, size);
    while (size > 14 && textWidth(cr, label) > width - 24) selectFace(cr, Face::Heading, --size);
    drawHeadingLine(cr, label, width / 2.0 - 2, 110, carvedLabelStyle(size));
    return canvas.toImage();
}

namespace {

RgbaImage playButton() {
    constexpr int kWidth = 252;
    constexpr int kBoard = 118;
    const int height = kCanvasBottom - camp_layout::kPlayRest.y + 10;
    Canvas canvas(kWidth, height);
    cairo_t* cr = canvas.cr();
    for (double x : {54.0, kWidth - 58.0}) paintPost(cr, {x, static_cast<double>(height)}, height - kBoard + 10, 16, palette::kWoodDark);
    canvas.drawImage(woodPlank({.width = kWidth, .height = kBoard + 10, .x = 4, .y = 4, .w = kWidth - 10.0,
                                .h = kBoard - 4.0, .radius = 22, .color = guiPalette::kLacquer, .seed = 41}),
                     0, 0);
    roundedRectPath(cr, 12, 12, kWidth - 26, kBoard - 20, 16);
    setColor(cr, guiPalette::kGoldLight, 0.8);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    for (double x : {22.0, kWidth - 28.0}) {
        drawBrassRivet(cr, x, 22, 4.5);
        drawBrassRivet(cr, x, kBoard - 22, 4.5);
    }
    HeadingStyle style = carvedLabelStyle(58);
    style.outlineWidth = 4.5;
    style.bottom = palette::kGold;
    drawHeadingLine(cr, "Play", kWidth / 2.0 - 22, 82, style);
    drawArrowHead(cr, kWidth - 74.0, 60, 30, 20, 7);
    return canvas.toImage();
}

// A round seal with a brass rim; the mark inside tells the state.
RgbaImage badge(Rgb disc, const IconPainter& mark) {
    Canvas canvas(kBadgeSize, kBadgeSize);
    cairo_t* cr = canvas.cr();
    const double c = kBadgeSize / 2.0;
    const double r = c - 5;
    cairo_arc(cr, c + 1, c + 2, r + 1, 0, 2 * M_PI);
    setColor(cr, palette::kInk, 0.4);
    cairo_fill(cr);
    cairo_arc(cr, c, c, r, 0, 2 * M_PI);
    fillRoundShading(cr, c, c, r, guiPalette::kBrass);
    strokeInk(cr, 1.8);
    cairo_new_path(cr);
    cairo_arc(cr, c, c, r - 5, 0, 2 * M_PI);
    fillRoundShading(cr, c, c, r - 5, disc);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
    mark(cr, c, c, r - 5);
    paintGloss(cr, c - r * 0.3, c - r * 0.45, r * 0.35, r * 0.18, 0.5);
    return canvas.toImage();
}

void checkMark(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r * 0.5, cy + r * 0.02);
    cairo_line_to(cr, cx - r * 0.12, cy + r * 0.42);
    cairo_line_to(cr, cx + r * 0.55, cy - r * 0.42);
    strokeRound(cr, palette::kInk, r * 0.36);
    cairo_move_to(cr, cx - r * 0.5, cy + r * 0.02);
    cairo_line_to(cr, cx - r * 0.12, cy + r * 0.42);
    cairo_line_to(cr, cx + r * 0.55, cy - r * 0.42);
    strokeRound(cr, palette::kWhite, r * 0.2);
}

void padlock(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy - r * 0.12, r * 0.3, M_PI, 2 * M_PI);
    strokeRound(cr, palette::kInk, r * 0.2);
    cairo_arc(cr, cx, cy - r * 0.12, r * 0.3, M_PI, 2 * M_PI);
    strokeRound(cr, {0.78, 0.8, 0.82}, r * 0.11);
    roundedRectPath(cr, cx - r * 0.46, cy - r * 0.14, r * 0.92, r * 0.7, r * 0.12);
    shadeWithInk(cr, cx - r * 0.1, cy, r * 0.6, guiPalette::kBrass, 1.6);
    cairo_arc(cr, cx, cy + r * 0.16, r * 0.09, 0, 2 * M_PI);
    cairo_move_to(cr, cx - r * 0.04, cy + r * 0.2);
    cairo_line_to(cr, cx + r * 0.04, cy + r * 0.2);
    cairo_line_to(cr, cx + r * 0.03, cy + r * 0.4);
    cairo_line_to(cr, cx - r * 0.03, cy + r * 0.4);
    setColor(cr, palette::kInk);
    cairo_fill(cr);
}

// Two coins and a slash through them: not enough resources yet.
void fewCoins(cairo_t* cr, double cx, double cy, double r) {
    for (const auto& [dx, dy] : {std::pair{-0.18, 0.12}, std::pair{0.14, -0.08}}) {
        cairo_new_path(cr);
        ellipsePath(cr, cx + dx * r, cy + dy * r, r * 0.36, r * 0.36);
        shadeWithInk(cr, cx + dx * r, cy + dy * r, r * 0.36, palette::kGold, 1.4);
        cairo_new_path(cr);
        ellipsePath(cr, cx + dx * r, cy + dy * r, r * 0.22, r * 0.22);
        setColor(cr, darken(palette::kGold, 0.3), 0.7);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    strokeLine(cr, {cx - r * 0.55, cy - r * 0.55}, {cx + r * 0.55, cy + r * 0.55}, palette::kInk, r * 0.26);
    strokeLine(cr, {cx - r * 0.55, cy - r * 0.55}, {cx + r * 0.55, cy + r * 0.55}, palette::kCoral, r * 0.15);
}

// The building in an arched window with a brass frame, for the build dialog's dark panel.
RgbaImage dialogIcon(int width, const RgbaImage& building) {
    Canvas canvas(width, kDialogIconHeight);
    cairo_t* cr = canvas.cr();
    const double w = width - 10;
    const double h = kDialogIconHeight - 12;
    const auto arch = [&](double inset) {
        cairo_new_path(cr);
        cairo_move_to(cr, 5 + inset, 5 + h - inset);
        cairo_line_to(cr, 5 + inset, 5 + w / 2);
        cairo_arc(cr, 5 + w / 2, 5 + w / 2, w / 2 - inset, M_PI, 2 * M_PI);
        cairo_line_to(cr, 5 + w - inset, 5 + h - inset);
        cairo_close_path(cr);
    };
    arch(0);
    fillVerticalGradient(cr, 5, 5 + h, guiPalette::kGoldLight, guiPalette::kBrassDark);
    strokeInk(cr, 2);
    arch(7);
    fillVerticalGradient(cr, 12, 5 + h * 0.62, palette::kSky, {0.92, 0.95, 0.9});
    cairo_save(cr);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 5 + h * 0.62, width, h);
    fillVerticalGradient(cr, 5 + h * 0.62, 5 + h, palette::kSand, palette::kSandShade);
    cairo_new_path(cr);
    const double scale = std::min((w - 18) / building.width, (h * 0.8) / building.height);
    canvas.drawImage(building, (width - building.width * scale) / 2, 5 + h - 10 - building.height * scale, scale);
    cairo_restore(cr);
    arch(7);
    strokeInk(cr, 1.6);
    cairo_new_path(cr);
    return withDropShadow(canvas.toImage(), 2, 3, 3, 0.5);
}

RgbaImage finished(const char* image) {
    const BuildingArt* art = findBuildingArt(image);
    return art ? art->paint(3) : RgbaImage(1, 1);
}

}  // namespace

std::vector<CampPicture> campButtonPictures() {
    using namespace camp_layout;
    const RgbaImage hut = finished("hut_a");
    const RgbaImage upgraded = finished("hut_a_up");
    const RgbaImage lab = finished("lab");
    const RgbaImage clinic = finished("clinic");
    const RgbaImage lookout = finished("lookout");
    return {
        {"btnfieldguide", signButton(kSignWidth, kFieldGuideRest.y, "Field Guide", paintGuideBook, 51)},
        {"btnbuild", signButton(kSignWidth - 6, kBuildRest.y, "Build", paintHammerAndSaw, 52)},
        {"btnexplore", signButton(kSignWidth, kExploreRest.y, "Explore", paintMapAndGlass, 53)},
        {"btnback", signButton(kSignWidth, kBackRest.y, "Back", paintBackArrow, 54)},
        {"btnbuildhuts", signButton(kBuildSignWidth, kBuildMenuRests[0].y, "Huts", pictureIcon(hut), 55)},
        {"btnupgradehuts", signButton(kBuildSignWidth, kBuildMenuRests[0].y, "Upgrade", pictureIcon(upgraded), 56)},
        {"btnbuildlab", signButton(kBuildSignWidth, kBuildMenuRests[1].y, "Laboratory", pictureIcon(lab), 57)},
        {"btnbuildclinic", signButton(kBuildSignWidth, kBuildMenuRests[2].y, "Clinic", pictureIcon(clinic), 58)},
        {"btnfinishcamp", signButton(kBuildSignWidth, kBuildMenuRests[3].y, "Finish Camp", pictureIcon(lookout), 59)},
        {"btnplay", playButton()},
        {"btnbuilt", badge(palette::kLeaf, checkMark)},
        {"btnlocked", badge({0.36, 0.40, 0.46}, padlock)},
        {"btnlowcash", badge({0.96, 0.90, 0.74}, fewCoins)},
        {"hut_icon", dialogIcon(kDialogIconWidth, hut)},
        {"hut_upg_icon", dialogIcon(kDialogIconWidth, upgraded)},
        {"lab_icon", dialogIcon(kLabIconWidth, lab)},
        {"clinic_icon", dialogIcon(kDialogIconWidth, clinic)},
        {"finish_camp_icon", dialogIcon(kDialogIconWidth, lookout)},
    };
}

const RgbaImage& campPicture(const std::vector<CampPicture>& pictures, const std::string& file) {
    static const RgbaImage none;
    for (const CampPicture& p : pictures) {
        if (p.file == file) return p.picture;
    }
    return none;
}

FORGE_STEP(camp_buttons) {
    if (!fontsPresent(forge)) return;
    const std::vector<CampPicture> pictures = campButtonPictures();
    std::vector<SheetEntry> sheet;
    for (const CampPicture& named : pictures) {
        forge.writePng("img/states/camp/" + named.file + ".png", named.picture);
        sheet.push_back({named.file, &named.picture});
    }
    forge.addContactSheet("camp_buttons", contactSheet(sheet, 6, 270));
}
