// The digit sheet and the wooden signs that hang from the top of the camp, map and play screens
// (level board, score board, menu button), and the skip button of the intro movie.
#include "tools/forge/gui/boards.h"

#include <cmath>
#include <string>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kDigitWidth = 28;   // the counters centre themselves with this width
constexpr int kDigitHeight = 40;
constexpr int kDigitFrames = 11;  // 0..9, then the colon of the clock
constexpr int kBoardHeight = 112;
constexpr int kCounterTop = 52;   // counters are drawn this far below the board's top

RgbaImage digitSheet() {
    Canvas canvas(kDigitWidth * kDigitFrames, kDigitHeight);
    HeadingStyle style;
    style.size = 36;
    style.outlineWidth = 2.6;
    style.top = guiPalette::kCream;
    style.bottom = palette::kGold;
    for (int i = 0; i < kDigitFrames; ++i) {
        const std::string glyph = i < 10 ? std::string(1, static_cast<char>('0' + i)) : ":";
        drawHeadingLine(canvas.cr(), glyph, i * kDigitWidth + kDigitWidth / 2.0, 32, style);
    }
    RgbaImage image = canvas.toImage();
    return withDropShadow(image, 1, 2, 1, 0.5);
}

// Ropes come down from above the screen's top edge to the board's two rings.
void hangingRopes(cairo_t* cr, double left, double right, double boardTop) {
    drawRope(cr, left, -4, left, boardTop + 6, 7, 9);
    drawRope(cr, right, -4, right, boardTop + 6, 7, 9);
}

// A board of the given width with a label and a recess the counter's digits fall into.
RgbaImage counterBoard(int width, const std::string& label, uint32_t seed) {
    Canvas canvas(width, kBoardHeight);
    cairo_t* cr = canvas.cr();
    hangingRopes(cr, 24, width - 24, 12);
    PlankSpec plank;
    plank.width = width;
    plank.height = kBoardHeight;
    plank.x = 4;
    plank.y = 10;
    plank.w = width - 8;
    plank.h = 94;
    plank.radius = 12;
    plank.seed = seed;
    canvas.drawImage(woodPlank(plank), 0, 0);
    drawBrassRivet(cr, 24, 20, 4);
    drawBrassRivet(cr, width - 24, 20, 4);
    drawHeadingLine(cr, label, width / 2.0, 41, carvedLabelStyle(19));
    drawRecess(cr, 12, kCounterTop - 4, width - 24, kDigitHeight + 6, 8, guiPalette::kDialogFill);
    return canvas.toImage();
}

RgbaImage menuButton() {
    constexpr int kWidth = 164;
    constexpr int kHeight = 100;
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    hangingRopes(cr, 30, kWidth - 30, 14);
    PlankSpec plank;
    plank.width = kWidth;
    plank.height = kHeight;
    plank.x = 6;
    plank.y = 12;
    plank.w = kWidth - 12;
    plank.h = 76;
    plank.radius = 14;
    plank.color = mix(palette::kWood, palette::kSunset, 0.15);
    plank.seed = 21;
    canvas.drawImage(woodPlank(plank), 0, 0);
    drawBrassRivet(cr, 30, 22, 4);
    drawBrassRivet(cr, kWidth - 30, 22, 4);
    drawHeadingLine(cr, "Menu", kWidth / 2.0, 66, carvedLabelStyle(30));
    return canvas.toImage();
}

RgbaImage skipButton() {
    constexpr int kWidth = 160;
    constexpr int kHeight = 56;
    Canvas canvas(kWidth, kHeight);
    PlankSpec plank;
    plank.width = kWidth;
    plank.height = kHeight;
    plank.x = 3;
    plank.y = 3;
    plank.w = kWidth - 8;
    plank.h = kHeight - 10;
    plank.radius = 20;
    plank.color = palette::kWoodDark;
    plank.seed = 33;
    canvas.drawImage(woodPlank(plank), 0, 0);
    drawHeadingLine(canvas.cr(), "Skip", 64, 37, carvedLabelStyle(27));
    drawArrowHead(canvas.cr(), 108, 26, 9, 9, 4);
    drawArrowHead(canvas.cr(), 121, 26, 9, 9, 4);
    return canvas.toImage();
}

// A board with a counter showing value, laid out as the game does it, for the preview.
RgbaImage boardWithCounter(const RgbaImage& board, const RgbaImage& digits, const std::string& value) {
    const int count = static_cast<int>(value.size());
    const int left = board.width / 2 - kDigitWidth * count / 2;
    Canvas canvas(board.width, board.height);
    canvas.drawImage(board, 0, 0);
    for (int i = 0; i < count; ++i) {
        const RgbaImage digit = cropImage(digits, (value[i] - '0') * kDigitWidth, 0, kDigitWidth, kDigitHeight);
        canvas.drawImage(digit, left + i * kDigitWidth, kCounterTop);
    }
    return canvas.toImage();
}

}  // namespace

RgbaImage levelBoardPicture() { return counterBoard(124, "Level", 5); }
RgbaImage scoreBoardPicture() { return counterBoard(216, "Resources", 6); }
RgbaImage menuButtonPicture() { return menuButton(); }

FORGE_STEP(gui_boards) {
    if (!fontsPresent(forge)) return;
    const RgbaImage digits = digitSheet();
    const RgbaImage level = levelBoardPicture();
    const RgbaImage score = scoreBoardPicture();
    const RgbaImage menu = menuButtonPicture();
    const RgbaImage skip = skipButton();
    forge.writePng("img/gui/numbers.png", digits);
    forge.writePng("img/gui/level_board.png", level);
    forge.writePng("img/gui/score_board.png", score);
    forge.writePng("img/gui/btnmenu.png", menu);
    forge.writePng("img/gui/skipbtn.png", skip);
    const RgbaImage levelShown = boardWithCounter(level, digits, "12");
    const RgbaImage scoreShown = boardWithCounter(score, digits, "004250");
    forge.addContactSheet("gui_boards", contactSheet({{"numbers", &digits}, {"level_board", &level},
                                                      {"score_board", &score}, {"btnMenu", &menu},
                                                      {"skipbtn", &skip}, {"level 12", &levelShown},
                                                      {"resources 4250", &scoreShown}},
                                                     4, 240));
}
