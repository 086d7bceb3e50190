// Backs of two dialogs: the character dialog (a parchment page for the spoken text beside a
// window the speaker stands in) and the options panel with its lettered rows.
#include <cmath>
#include <string>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/frame.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/gui/portraits.h"
#include "tools/forge/gui/scenery.h"

namespace {

// The character dialog places its texts, portrait and page button relative to this picture:
// title centred in (14, -5)-(400, 72), body from (15, 80) to (392, 426), the portrait at
// (415, -8) or (424, -8) and 380 high, the page button at (470, 391).
constexpr int kBackWidth = 640;
constexpr int kBackHeight = 450;
constexpr double kWindowLeft = 420;
constexpr double kWindowRight = 632;
constexpr double kWindowTop = 10;
constexpr double kWindowBottom = 372;  // where the portraits' busts end

void windowPath(cairo_t* cr) {
    const double radius = (kWindowRight - kWindowLeft) / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, kWindowLeft, kWindowBottom);
    cairo_line_to(cr, kWindowLeft, kWindowTop + radius);
    cairo_arc(cr, kWindowLeft + radius, kWindowTop + radius, radius, M_PI, 2 * M_PI);
    cairo_line_to(cr, kWindowRight, kWindowBottom);
    cairo_close_path(cr);
}

void speakerWindow(cairo_t* cr) {
    cairo_save(cr);
    windowPath(cr);
    cairo_clip(cr);
    cairo_translate(cr, kWindowLeft, kWindowTop);
    SeascapeSpec view;
    view.width = kWindowRight - kWindowLeft;
    view.height = kWindowBottom - kWindowTop;
    view.horizon = 0.62;
    view.sunX = 0.25;
    view.sunY = 0.3;
    view.sunRadius = 0.08;
    view.beach = 0.12;
    view.seed = 12;
    paintSeascape(cr, view);
    drawCloud(cr, 150, 70, 90, 0.8);
    drawPalm(cr, 196, 370, 250, -0.28, 5);
    cairo_restore(cr);
    windowPath(cr);
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, 9);
    cairo_stroke_preserve(cr);
    setColor(cr, guiPalette::kBrass);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    setColor(cr, lighten(guiPalette::kBrass, 0.5), 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void titleRule(cairo_t* cr, double y, double left, double right) {
    const double mid = (left + right) / 2;
    cairo_move_to(cr, left, y);
    cairo_line_to(cr, mid - 12, y);
    cairo_move_to(cr, mid + 12, y);
    cairo_line_to(cr, right, y);
    setColor(cr, palette::kWoodDark, 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_move_to(cr, mid, y - 6);
    cairo_line_to(cr, mid + 8, y);
    cairo_line_to(cr, mid, y + 6);
    cairo_line_to(cr, mid - 8, y);
    cairo_close_path(cr);
    setColor(cr, guiPalette::kBrass);
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
}

RgbaImage characterDialogBack() {
    Canvas canvas(kBackWidth, kBackHeight);
    PlankSpec board;
    board.width = kBackWidth;
    board.height = kBackHeight;
    board.w = kBackWidth;
    board.h = kBackHeight;
    board.radius = 16;
    board.color = darken(palette::kWood, 0.1);
    board.seed = 61;
    board.shadow = 0;
    canvas.drawImage(woodPlank(board), 0, 0);
    canvas.drawImage(parchmentSheet(404, 438, 2, 62), 8, 6);
    cairo_t* cr = canvas.cr();
    titleRule(cr, 76, 40, 380);
    speakerWindow(cr);
    drawRope(cr, 424, 384, 628, 384, 8, 9);
    for (double x : {22.0, 394.0}) drawBrassRivet(cr, x, 432, 5);
    return canvas.toImage();
}

// ---- options --------------------------------------------------------------------------------

// The options dialog lays its controls over these rows (panel coordinates): slider bars at
// x 210 with their middle on the label's row; check boxes at x 62, 22 pixels above the baseline.
constexpr int kOptionsSize = 550;
constexpr double kLabelSize = 24;
constexpr double kSliderLabelX = 70;
constexpr double kSliderRows[] = {160, 215, 270};
constexpr double kCheckLabelX = 106;
constexpr double kCheckRows[] = {330, 375, 420};
constexpr const char* kSliderLabels[] = {"Music", "Effects", "Ambience"};
constexpr const char* kCheckLabels[] = {"Full Screen", "Hide Custom Cursor", "Show Tips"};

void leftText(cairo_t* cr, const std::string& text, double x, double baseline) {
    selectFace(cr, Face::Heading, kLabelSize);
    cairo_move_to(cr, x + 1, baseline + 2);
    setColor(cr, palette::kInk, 0.8);
    cairo_show_text(cr, text.c_str());
    cairo_move_to(cr, x, baseline);
    setColor(cr, guiPalette::kCream);
    cairo_show_text(cr, text.c_str());
    cairo_new_path(cr);
}

void sectionRule(cairo_t* cr, double y) {
    cairo_move_to(cr, 70, y);
    cairo_line_to(cr, kOptionsSize - 70, y);
    setColor(cr, guiPalette::kBrass, 0.45);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

RgbaImage optionsBack() {
    Canvas canvas(kOptionsSize, kOptionsSize);
    canvas.drawImage(dialogFrame(kOptionsSize, kOptionsSize), 0, 0);
    cairo_t* cr = canvas.cr();
    HeadingStyle title;
    title.size = 46;
    Canvas heading(kOptionsSize, 120);
    drawHeadingLine(heading.cr(), "Options", kOptionsSize / 2.0, 100, title);
    canvas.drawImage(withDropShadow(heading.toImage(), 2, 3, 3, 0.5), 0, 0);
    sectionRule(cr, 120);
    for (int i = 0; i < 3; ++i) leftText(cr, kSliderLabels[i], kSliderLabelX, kSliderRows[i] + 8);
    sectionRule(cr, 300);
    for (int i = 0; i < 3; ++i) leftText(cr, kCheckLabels[i], kCheckLabelX, kCheckRows[i] + 8);
    return canvas.toImage();
}

// The character dialog as the game lays it out, cut to the dialog's area, for the preview.
RgbaImage characterDialogMockup(const RgbaImage& back) {
    constexpr int kFrameWidth = 700;
    constexpr int kFrameHeight = 550;
    Canvas canvas(kFrameWidth, kFrameHeight);
    canvas.drawImage(dialogFrame(kFrameWidth, kFrameHeight), 0, 0);
    const double x = (kFrameWidth - kBackWidth) / 2.0;
    const double y = 50;
    canvas.drawImage(back, x, y);
    canvas.drawImage(captainPortrait(), x + 415, y - 8);
    drawCentredText(canvas.cr(), "Captain's Log", x + 207, y + 46, Face::Body, 30, {0.1, 0.1, 0.1});
    drawCentredText(canvas.cr(), "Welcome to the island, explorer!", x + 203, y + 110, Face::Body, 18, {0.1, 0.1, 0.1});
    return canvas.toImage();
}

}  // namespace

FORGE_STEP(gui_backs) {
    if (!fontsPresent(forge)) return;
    const RgbaImage character = characterDialogBack();
    const RgbaImage options = optionsBack();
    forge.writePng("img/gui/char_dlg_back.png", character);
    forge.writePng("img/gui/back_options.png", options);
    const RgbaImage mockup = characterDialogMockup(character);
    forge.addContactSheet("gui_backs", contactSheet({{"char_dlg_back", &character}, {"back_options", &options},
                                                     {"character dialog", &mockup}},
                                                    3, 710));
}
