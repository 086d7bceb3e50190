// Things drawn over single squares of the match-3 field, all 55 x 55 under img/states/playing/:
//   single_lock.png   a slatted wooden crate caging the piece (breaks into wood and smoke)
//   double_lock.png   the crate tied up with rope (the rope goes first, then the crate)
//   disabled_square.png and the editor's marks, each in its own part of the square so that
//   several on one square stay readable: edit_random "?" top left, edit_entry arrow top middle,
//   edit_locked / edit_dlocked padlocks bottom left, edit_emptysquare a dashed ring in the
//   middle, edit_slide_left / edit_slide_right slanted arrows bottom right.
#include <cmath>
#include <string>
#include <vector>

#include "game/match3/play_layout.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/lettering.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kTile = play_layout::kCellSize;
constexpr double kPlank = 8;  // crate plank width

void plank(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    cairo_save(cr);
    cairo_translate(cr, x0, y0);
    cairo_rotate(cr, std::atan2(y1 - y0, x1 - x0));
    cairo_new_path(cr);
    roundedRectPath(cr, 0, -width / 2, length, width, 1.5);
    fillVerticalGradient(cr, -width / 2, width / 2, lighten(palette::kWood, 0.3), palette::kWoodDark);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    setColor(cr, palette::kInk, 0.25);
    cairo_set_line_width(cr, 0.7);
    for (double k : {-0.2, 0.15}) {
        cairo_new_path(cr);
        cairo_move_to(cr, 2, k * width);
        cairo_curve_to(cr, length * 0.3, k * width + 1, length * 0.6, k * width - 1, length - 2, k * width);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    roundedRectPath(cr, 0, -width / 2, length, width, 1.5);
    strokeInk(cr, 1.3);
    cairo_new_path(cr);
    cairo_restore(cr);
}

void nail(cairo_t* cr, double x, double y) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, 1.6, 0, 2 * M_PI);
    setColor(cr, {0.75, 0.75, 0.78});
    cairo_fill_preserve(cr);
    strokeInk(cr, 0.7);
    cairo_new_path(cr);
}

void crate(cairo_t* cr) {
    constexpr double lo = kPlank / 2 + 1;
    constexpr double hi = kTile - kPlank / 2 - 1;
    plank(cr, lo + 3, hi - 3, hi - 3, lo + 3, kPlank - 1);  // the brace, under the frame
    plank(cr, 1, lo, kTile - 1, lo, kPlank);
    plank(cr, 1, hi, kTile - 1, hi, kPlank);
    plank(cr, lo, 1 + kPlank, lo, kTile - 1 - kPlank, kPlank);
    plank(cr, hi, 1 + kPlank, hi, kTile - 1 - kPlank, kPlank);
    for (double x : {lo, hi}) {
        for (double y : {lo, hi}) nail(cr, x, y);
    }
}

void rope(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    setColor(cr, palette::kInk, 0.9);
    cairo_set_line_width(cr, 6.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    setColor(cr, {0.88, 0.77, 0.52});
    cairo_set_line_width(cr, 4.5);
    cairo_stroke_preserve(cr);
    // The twist of the strands.
    const double dashes[] = {1.2, 2.4};
    cairo_set_dash(cr, dashes, 2, 0);
    setColor(cr, {0.55, 0.42, 0.25}, 0.8);
    cairo_set_line_width(cr, 4.5);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

RgbaImage paintLock(bool tied) {
    Canvas canvas(kTile, kTile);
    cairo_t* cr = canvas.cr();
    crate(cr);
    if (tied) {
        rope(cr, 16, 0.5, 16, kTile - 0.5);
        rope(cr, 0.5, 39, kTile - 0.5, 39);
        cairo_new_path(cr);
        cairo_arc(cr, 16, 39, 5, 0, 2 * M_PI);
        setColor(cr, {0.88, 0.77, 0.52});
        cairo_fill_preserve(cr);
        strokeInk(cr, 1.3);
        cairo_new_path(cr);
    }
    return withDropShadow(canvas.toImage(), 1, 2, 1, 0.4);
}

RgbaImage disabledSquare() {
    Canvas canvas(kTile, kTile);
    cairo_t* cr = canvas.cr();
    cairo_rectangle(cr, 1, 1, kTile - 2, kTile - 2);
    setColor(cr, palette::kInk, 0.55);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    for (int k = -kTile; k < kTile; k += 9) {
        cairo_move_to(cr, k, kTile);
        cairo_line_to(cr, k + kTile, 0);
    }
    setColor(cr, palette::kCoral, 0.45);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_rectangle(cr, 1, 1, kTile - 2, kTile - 2);
    setColor(cr, palette::kCoral, 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    return canvas.toImage();
}

void badge(cairo_t* cr, double cx, double cy, double r, Rgb color) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    fillRoundShading(cr, cx, cy, r, color);
    strokeInk(cr, 1.4);
    cairo_new_path(cr);
}

void padlock(cairo_t* cr, double cx, double cy, double size, Rgb body) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy - size * 0.35, size * 0.33, M_PI, 2 * M_PI);
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, size * 0.22);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy - size * 0.35, size * 0.33, M_PI, 2 * M_PI);
    setColor(cr, {0.8, 0.8, 0.82});
    cairo_set_line_width(cr, size * 0.11);
    cairo_stroke(cr);
    roundedRectPath(cr, cx - size * 0.5, cy - size * 0.35, size, size * 0.8, size * 0.15);
    fillRoundShading(cr, cx, cy, size * 0.5, body);
    strokeInk(cr, 1.3);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy + size * 0.02, size * 0.1, 0, 2 * M_PI);
    setColor(cr, palette::kInk);
    cairo_fill(cr);
}

void arrow(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb color) {
    const double a = std::atan2(y1 - y0, x1 - x0);
    const double head = 7;
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1 - head * 0.6 * std::cos(a), y1 - head * 0.6 * std::sin(a));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    setColor(cr, color);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x1 - head * std::cos(a - 0.6), y1 - head * std::sin(a - 0.6));
    cairo_line_to(cr, x1 - head * std::cos(a + 0.6), y1 - head * std::sin(a + 0.6));
    cairo_close_path(cr);
    setColor(cr, color);
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.3);
    cairo_new_path(cr);
}

struct Mark {
    const char* name;
    void (*paint)(cairo_t*);
};

void markRandom(cairo_t* cr) {
    badge(cr, 12, 12, 9, palette::kGold);
    LetteringStyle style;
    style.fontFile = lettering::kNumberFont;
    style.size = 15;
    style.top = style.bottom = palette::kInk;
    style.outline = 0;
    style.shadow = 0;
    style.rim = 0;
    paintLettering(cr, style, "?", 12, 12.5);
}
void markEntry(cairo_t* cr) { arrow(cr, 27.5, 1, 27.5, 18, palette::kLeaf); }
void markLocked(cairo_t* cr) { padlock(cr, 12, 44, 13, palette::kWood); }
void markDoubleLocked(cairo_t* cr) {
    padlock(cr, 9, 44, 11, palette::kWood);
    padlock(cr, 20, 46, 11, palette::kCoral);
}
void markEmpty(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_arc(cr, 27.5, 27.5, 13, 0, 2 * M_PI);
    const double dashes[] = {4, 3};
    cairo_set_dash(cr, dashes, 2, 0);
    setColor(cr, palette::kInk, 0.8);
    cairo_set_line_width(cr, 4);
    cairo_stroke_preserve(cr);
    setColor(cr, palette::kWhite);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}
void markSlideLeft(cairo_t* cr) { arrow(cr, 52, 34, 36, 51, palette::kLagoon); }
void markSlideRight(cairo_t* cr) { arrow(cr, 36, 34, 52, 51, palette::kSunset); }

constexpr Mark kMarks[] = {
    {"edit_locked", markLocked},        {"edit_dlocked", markDoubleLocked},
    {"edit_entry", markEntry},          {"edit_random", markRandom},
    {"edit_emptysquare", markEmpty},    {"edit_slide_left", markSlideLeft},
    {"edit_slide_right", markSlideRight},
};

}  // namespace

FORGE_STEP(board_marks) {
    std::vector<RgbaImage> previews;
    const auto write = [&](const std::string& name, const RgbaImage& image) {
        forge.writePng("img/states/playing/" + name + ".png", image);
        previews.push_back(previewOver(image, {0.13, 0.27, 0.30}, 2));
    };
    write("single_lock", paintLock(false));
    write("double_lock", paintLock(true));
    write("disabled_square", disabledSquare());
    for (const Mark& mark : kMarks) {
        Canvas canvas(kTile, kTile);
        mark.paint(canvas.cr());
        write(mark.name, canvas.toImage());
    }
    if (!fontAvailable(lettering::kNumberFont)) forge.fail(std::string("missing font ") + lettering::kNumberFont);
    forge.addContactSheet("board_marks", previewRow(previews, 1400));
}
