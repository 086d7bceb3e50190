// The field guide's book and buttons, under img/fieldguide/:
//   bookbase.png           1600 x 900, drawn centred: the professor's notebook lying open, leather
//                          cover, two cream pages with faint rules under the text lines, a ribbon
//   btn_tasks.png          a green index tab standing up from the top-left edge of the book
//   task_tab_overlay.png   the tab while the task page is open: page-coloured, as if it were part
//                          of the open page, laid over the green one
//   btn_close.png          a brass stud with a cross on the top-right corner of the right page
//   btn_next.png, btn_prev.png   leather tabs with an arrow, under the pages' bottom corners
//   checkmark.png          a green pen tick, drawn before a finished task
// The sketches of the pages are painted by field_guide_sketches.cpp.
#include <cmath>
#include <string>
#include <vector>

#include "game/expedition/field_guide_layout.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/field_guide_sketches.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/sheet.h"

namespace {

using namespace field_guide_layout;

constexpr int kWidth = 1600;
constexpr int kHeight = 900;
constexpr double kCoverLeft = 262;
constexpr double kCoverTop = 112;
constexpr double kCoverRight = 1338;
constexpr double kCoverBottom = 744;
constexpr double kSpineX = 800;
constexpr double kPageInset = 28;  // cover showing round the pages
constexpr Rgb kLeather{0.42, 0.20, 0.12};
constexpr Rgb kPaper{0.98, 0.94, 0.82};
constexpr Rgb kRule{0.55, 0.66, 0.75};
constexpr Rgb kTabGreen{0.20, 0.46, 0.30};
constexpr Rgb kInkGreen{0.16, 0.52, 0.26};
constexpr int kTabWidth = 118;
constexpr int kTabHeight = 62;
constexpr int kLineHeight = 21;  // the guide's text lines at the scale it writes them

void bookShadow(Canvas& canvas) {
    Canvas small(kWidth / 4, kHeight / 4);
    roundedRectPath(small.cr(), (kCoverLeft + 10) / 4, (kCoverTop + 16) / 4, (kCoverRight - kCoverLeft) / 4,
                    (kCoverBottom - kCoverTop) / 4, 5);
    setColor(small.cr(), palette::kInk, 0.6);
    cairo_fill(small.cr());
    RgbaImage shadow = small.toImage();
    boxBlur(shadow, 4);
    canvas.drawImage(shadow, 0, 0, 4.0);
}

RgbaImage cover() {
    const int w = static_cast<int>(kCoverRight - kCoverLeft);
    const int h = static_cast<int>(kCoverBottom - kCoverTop);
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, 1, 1, w - 2, h - 2, 20);
    fillVerticalGradient(cr, 0, h, lighten(kLeather, 0.12), darken(kLeather, 0.2));
    RgbaImage leather = canvas.toImage();
    MottleSpec spec;
    spec.cell = 30;
    spec.strength = 0.12;
    spec.seed = 91;
    mottle(leather, spec);
    Canvas finished(w, h);
    cairo_t* fr = finished.cr();
    finished.drawImage(leather, 0, 0);
    roundedRectPath(fr, 1, 1, w - 2, h - 2, 20);
    strokeInk(fr, 2.5);
    cairo_new_path(fr);
    roundedRectPath(fr, 11, 11, w - 22, h - 22, 14);  // the stitching along the edge
    const double dashes[] = {7, 5};
    cairo_set_dash(fr, dashes, 2, 0);
    setColor(fr, {0.86, 0.72, 0.52}, 0.8);
    cairo_set_line_width(fr, 1.6);
    cairo_stroke(fr);
    cairo_set_dash(fr, nullptr, 0, 0);
    return finished.toImage();
}

// One page: its top edge rises towards the outer corner, as an open book's pages do.
void pagePath(cairo_t* cr, double outerX, double lift) {
    const double top = kCoverTop + kPageInset - 12;
    const double bottom = kCoverBottom - kPageInset + 6;
    cairo_new_path(cr);
    cairo_move_to(cr, kSpineX, top + 10);
    cairo_curve_to(cr, kSpineX + (outerX - kSpineX) * 0.3, top - lift, kSpineX + (outerX - kSpineX) * 0.7, top - lift,
                   outerX, top);
    cairo_line_to(cr, outerX, bottom - 4);
    cairo_curve_to(cr, kSpineX + (outerX - kSpineX) * 0.7, bottom + 2, kSpineX + (outerX - kSpineX) * 0.3, bottom + 2,
                   kSpineX, bottom + 8);
    cairo_close_path(cr);
}

void pages(cairo_t* cr) {
    for (const double outer : {kCoverLeft + kPageInset, kCoverRight - kPageInset}) {
        for (int leaf = 3; leaf >= 1; --leaf) {  // the edges of the pages underneath
            const double shift = (outer < kSpineX ? -1 : 1) * leaf * 2.0;
            cairo_save(cr);
            cairo_translate(cr, shift, leaf * 2.0);
            pagePath(cr, outer, 8);
            setColor(cr, darken(kPaper, 0.12 + 0.05 * leaf));
            cairo_fill_preserve(cr);
            strokeInk(cr, 1.0, 0.4);
            cairo_restore(cr);
        }
        pagePath(cr, outer, 8);
        cairo_pattern_t* light = cairo_pattern_create_linear(kSpineX, 0, outer, 0);
        const Rgb shade = darken(kPaper, 0.22);
        cairo_pattern_add_color_stop_rgb(light, 0, shade.r, shade.g, shade.b);
        cairo_pattern_add_color_stop_rgb(light, 0.12, kPaper.r, kPaper.g, kPaper.b);
        cairo_pattern_add_color_stop_rgb(light, 1, kPaper.r * 0.97, kPaper.g * 0.95, kPaper.b * 0.9);
        cairo_set_source(cr, light);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(light);
        strokeInk(cr, 1.3, 0.6);
        cairo_new_path(cr);
    }
}

// Faint rules under the lines the guide writes on, and a margin line down each page.
void rules(cairo_t* cr) {
    for (const int left : {kLeftPageX, kRightPageX}) {
        for (int y = kPageTop + kLineHeight - 2; y <= kPageBottom; y += kLineHeight) {
            cairo_move_to(cr, left - 6, y);
            cairo_line_to(cr, left + kPageWidth + 6, y);
        }
        setColor(cr, kRule, 0.22);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_move_to(cr, left - 12, kPageTop - 30);
        cairo_line_to(cr, left - 12, kPageBottom + 30);
        setColor(cr, palette::kCoral, 0.25);
        cairo_stroke(cr);
    }
}

void ribbon(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, kSpineX - 8, kCoverBottom - 40);
    cairo_curve_to(cr, kSpineX - 4, kCoverBottom, kSpineX + 10, kCoverBottom + 20, kSpineX + 4, kCoverBottom + 60);
    cairo_line_to(cr, kSpineX + 12, kCoverBottom + 52);
    cairo_line_to(cr, kSpineX + 20, kCoverBottom + 62);
    cairo_curve_to(cr, kSpineX + 24, kCoverBottom + 20, kSpineX + 10, kCoverBottom, kSpineX + 8, kCoverBottom - 40);
    cairo_close_path(cr);
    fillVerticalGradient(cr, kCoverBottom - 40, kCoverBottom + 62, palette::kCoral, darken(palette::kCoral, 0.3));
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
}

RgbaImage book() {
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    bookShadow(canvas);
    canvas.drawImage(cover(), kCoverLeft, kCoverTop);
    pages(cr);
    cairo_rectangle(cr, kSpineX - 22, kCoverTop + 10, 44, kCoverBottom - kCoverTop - 14);  // the fold's shadow
    cairo_pattern_t* fold = cairo_pattern_create_linear(kSpineX - 22, 0, kSpineX + 22, 0);
    cairo_pattern_add_color_stop_rgba(fold, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(fold, 0.5, palette::kInk.r, palette::kInk.g, palette::kInk.b, 0.35);
    cairo_pattern_add_color_stop_rgba(fold, 1, 0, 0, 0, 0);
    cairo_set_source(cr, fold);
    cairo_fill(cr);
    cairo_pattern_destroy(fold);
    rules(cr);
    ribbon(cr);
    return canvas.toImage();
}

// An index tab: rounded at the top, with its name and a tick box.
RgbaImage tab(Rgb color, bool lit) {
    Canvas canvas(kTabWidth, kTabHeight);
    cairo_t* cr = canvas.cr();
    cairo_new_path(cr);
    cairo_move_to(cr, 3, kTabHeight);
    cairo_line_to(cr, 3, 16);
    cairo_curve_to(cr, 3, 5, 8, 3, 18, 3);
    cairo_line_to(cr, kTabWidth - 18, 3);
    cairo_curve_to(cr, kTabWidth - 8, 3, kTabWidth - 3, 5, kTabWidth - 3, 16);
    cairo_line_to(cr, kTabWidth - 3, kTabHeight);
    cairo_close_path(cr);
    if (lit) fillVerticalGradient(cr, 3, kTabHeight, lighten(kPaper, 0.3), kPaper);
    else fillVerticalGradient(cr, 3, kTabHeight, lighten(color, 0.15), darken(color, 0.2));
    strokeInk(cr, 2);
    cairo_new_path(cr);
    roundedRectPath(cr, 12, 18, 20, 20, 4);
    setColor(cr, guiPalette::kCream);
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.4);
    cairo_new_path(cr);
    cairo_move_to(cr, 16, 27);
    cairo_line_to(cr, 21, 33);
    cairo_line_to(cr, 30, 19);
    strokeRound(cr, kInkGreen, 3);
    HeadingStyle style = carvedLabelStyle(23);
    style.outlineWidth = 2.5;
    if (lit) {  // green ink on the page's paper
        style.top = lighten(color, 0.2);
        style.bottom = color;
        style.outline = guiPalette::kCream;
        style.outlineWidth = 1.5;
    }
    drawHeadingLine(cr, "Tasks", 74, 38, style);
    return canvas.toImage();
}

RgbaImage closeStud() {
    constexpr int kSize = 50;
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.cr();
    const double c = kSize / 2.0;
    cairo_arc(cr, c + 1, c + 2, c - 4, 0, 2 * M_PI);
    setColor(cr, palette::kInk, 0.35);
    cairo_fill(cr);
    cairo_arc(cr, c, c, c - 4, 0, 2 * M_PI);
    fillRoundShading(cr, c, c, c - 4, guiPalette::kBrass);
    strokeInk(cr, 1.8);
    cairo_new_path(cr);
    for (const auto& [color, width] : {std::pair{palette::kInk, 6.0}, std::pair{guiPalette::kCream, 3.0}}) {
        for (const double turn : {M_PI / 4, -M_PI / 4}) {
            cairo_move_to(cr, c - std::cos(turn) * 10, c - std::sin(turn) * 10);
            cairo_line_to(cr, c + std::cos(turn) * 10, c + std::sin(turn) * 10);
        }
        strokeRound(cr, color, width);
    }
    return canvas.toImage();
}

// A leather tab under a page corner, pointing the way the pages turn.
RgbaImage turnTab(const std::string& label, bool forward) {
    constexpr int kW = 124;
    constexpr int kH = 50;
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, 3, 3, kW - 6, kH - 8, 16);
    fillVerticalGradient(cr, 3, kH - 5, lighten(kLeather, 0.3), darken(kLeather, 0.1));
    strokeInk(cr, 2);
    cairo_new_path(cr);
    roundedRectPath(cr, 8, 8, kW - 16, kH - 18, 11);
    const double dashes[] = {5, 4};
    cairo_set_dash(cr, dashes, 2, 0);
    setColor(cr, {0.86, 0.72, 0.52}, 0.8);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    const double dir = forward ? 1 : -1;
    drawArrowHead(cr, (forward ? kW - 26.0 : 26.0) - dir * 7, 24, dir * 14, 10, 4);
    HeadingStyle style = carvedLabelStyle(22);
    style.outlineWidth = 2.5;
    drawHeadingLine(cr, label, forward ? kW / 2.0 - 10 : kW / 2.0 + 10, 32, style);
    return canvas.toImage();
}

RgbaImage penTick() {
    Canvas canvas(34, 30);
    cairo_t* cr = canvas.cr();
    cairo_move_to(cr, 4, 16);
    cairo_curve_to(cr, 8, 18, 10, 22, 12, 26);
    cairo_curve_to(cr, 16, 16, 22, 9, 31, 3);
    strokeRound(cr, darken(kInkGreen, 0.3), 5.5, 0.5);
    cairo_move_to(cr, 4, 16);
    cairo_curve_to(cr, 8, 18, 10, 22, 12, 26);
    cairo_curve_to(cr, 16, 16, 22, 9, 31, 3);
    strokeRound(cr, kInkGreen, 3.5);
    return canvas.toImage();
}

// The open book as the guide shows it: the buttons at their places, a sketch on each page.
RgbaImage preview(const RgbaImage& bookPicture, const std::vector<std::pair<RgbaImage, Point>>& parts) {
    Canvas canvas(kWidth, kHeight);
    cairo_rectangle(canvas.cr(), 0, 0, kWidth, kHeight);
    setColor(canvas.cr(), {0.2, 0.24, 0.22});
    cairo_fill(canvas.cr());
    canvas.drawImage(bookPicture, 0, 0);
    for (const auto& [picture, at] : parts) canvas.drawImage(picture, at.x, at.y);
    return scaledCopy(canvas.toImage(), 1280, 720);
}

}  // namespace

FORGE_STEP(gui_field_guide) {
    if (!fontsPresent(forge)) return;
    const RgbaImage base = book();
    const RgbaImage tasks = tab(kTabGreen, false);
    const RgbaImage tasksLit = tab(kTabGreen, true);
    const RgbaImage close = closeStud();
    const RgbaImage next = turnTab("Next", true);
    const RgbaImage previous = turnTab("Back", false);
    const RgbaImage tick = penTick();
    forge.writePng("img/fieldguide/bookbase.png", base);
    forge.writePng("img/fieldguide/btn_tasks.png", tasks);
    forge.writePng("img/fieldguide/task_tab_overlay.png", tasksLit);
    forge.writePng("img/fieldguide/btn_close.png", close);
    forge.writePng("img/fieldguide/btn_next.png", next);
    forge.writePng("img/fieldguide/btn_prev.png", previous);
    forge.writePng("img/fieldguide/checkmark.png", tick);
    if (!forge.wantsContactSheets()) return;
    const RgbaImage left = fieldGuideSketch(1);
    const RgbaImage right = fieldGuideSketch(3);
    const auto centred = [](const RgbaImage& sketch, int pageX, int y) {
        return Point{pageX + kSketchColumn - sketch.width / 2, y - sketch.height / 2};
    };
    forge.addContactSheet("gui_field_guide",
                          preview(base, {{tasksLit, kTasksAt}, {close, kCloseAt}, {next, kNextAt}, {previous, kPreviousAt},
                                         {left, centred(left, kLeftPageX, kLowSketchY)},
                                         {right, centred(right, kRightPageX, kHighSketchY)},
                                         {tick, {kLeftPageX, kPageTop + 2 * kLineHeight}}}));
}
