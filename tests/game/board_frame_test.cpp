// A revealed board drawn with the generated pictures into an off-screen window, checked by pixel
// samples against the picture files themselves: borders, empty and coloured tiles, disabled cells,
// pieces and locks each at their place.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/image_codec.h"
#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "tests/game/board_design.h"
#include "tests/support/screen_pixels.h"
#include "tests/support/xvfb_display.h"

namespace {


bool Close(Rgb a, Rgb b) { return std::abs(a.r - b.r) <= 3 && std::abs(a.g - b.g) <= 3 && std::abs(a.b - b.b) <= 3; }

// A pixel of a picture file (inside the given frame) nearest to the frame's centre with at least
// `minAlpha`, and the colour it shows over black. Tiles are see-through; what is drawn over other
// pictures is sampled where it is opaque.
constexpr int kSeeThrough = 128;

struct Sample {
    int dx = 0, dy = 0;                    // from the frame's top-left
    Rgb colour;
    bool found = false;
};

Sample OpaqueSample(const std::string& picture, int frameWidth = 0, int frameHeight = 0, int minAlpha = 255) {
    DecodedImage image;
    Sample sample;
    if (!decodeImageFile(std::string(QV_DATA_DIR) + "/img/" + picture, image)) return sample;
    const int w = frameWidth > 0 ? frameWidth : image.width;
    const int h = frameHeight > 0 ? frameHeight : image.height;
    int best = 1 << 30;
    for (int y = 2; y < h - 2; ++y) {
        for (int x = 2; x < w - 2; ++x) {
            const uint32_t pixel = image.pixels[static_cast<size_t>(y) * image.width + x];
            uint8_t bytes[4];
            std::memcpy(bytes, &pixel, 4);
            const int distance = std::abs(x - w / 2) + std::abs(y - h / 2);
            if (bytes[3] < minAlpha || distance >= best) continue;
            best = distance;
            const auto overBlack = [&](int c) { return (c * bytes[3] + 127) / 255; };
            sample = {x, y, {overBlack(bytes[0]), overBlack(bytes[1]), overBlack(bytes[2])}, true};
        }
    }
    return sample;
}

// On each renderer: the software one off screen, the accelerated one under the tests' Xvfb.
class BoardFrame : public BoardTest, public testing::WithParamInterface<TestRenderer> {
protected:
    void SetUp() override {
        if (GetParam() == TestRenderer::Accelerated) {
            xvfb = std::make_unique<OnXvfb>();
            if (!xvfb->ready()) GTEST_SKIP() << "no Xvfb with OpenGL";
        }
        ASSERT_TRUE(OpenWindow(kCanvasWidth, kCanvasHeight));
        Frame().imageFolder = "img";
        Frame().rootDirOverride = QV_DATA_DIR;
        images.load();
    }

    bool OpenWindow(int width, int height) {
        window = std::make_unique<KWindow>(RendererKind(GetParam()));
        window->setAspectCorrection(true);
        if (!window->createGameWindow(width, height, 32, true, "board frame")) return false;
        window->setCanvasSize(kCanvasWidth, kCanvasHeight);
        return true;
    }

    // The window a 1366 x 768 desktop gets, the canvas mapped onto it as the game maps it.
    bool OpenLaptopWindow() {
        FrameContext& frame = Frame();
        frame.displayScaled = frame.displayCentreScaling = frame.canvasDrawing = true;
        frame.displayScale = static_cast<float>(kLaptopWidth) / kCanvasWidth;
        frame.inverseDisplayScale = 1.0f / frame.displayScale;
        return OpenWindow(kLaptopWidth, kLaptopHeight);
    }

    Rgb At(int x, int y) const { return ColourOf(screen[static_cast<size_t>(y) * screenWidth + x]); }

    void Expect(const char* what, int x, int y, const Sample& sample) const {
        ASSERT_TRUE(sample.found) << what << ": nothing opaque in the picture";
        const Rgb seen = At(x + sample.dx, y + sample.dy);
        EXPECT_TRUE(Close(seen, sample.colour))
            << what << " at (" << x + sample.dx << ", " << y + sample.dy << "): " << seen.r << "," << seen.g << ","
            << seen.b << " instead of " << sample.colour.r << "," << sample.colour.g << "," << sample.colour.b;
    }

    void DrawFrame() {
        window->flipBackBuffer(false);
        board->Draw();
        int h = 0;
        ASSERT_TRUE(window->readPixels(screen, screenWidth, h));
    }

    static constexpr int kCanvasWidth = 1600;
    static constexpr int kCanvasHeight = 900;
    static constexpr int kLaptopWidth = 1365;
    static constexpr int kLaptopHeight = 768;

    std::unique_ptr<OnXvfb> xvfb;
    std::unique_ptr<KWindow> window;
    std::vector<uint32_t> screen;
    int screenWidth = 0;
};

TEST_P(BoardFrame, ARevealedBoardShowsBordersTilesPiecesAndLocks) {
    // (0, 0) empty tile, (1, 0) hat, (2, 0) shell on a coloured square, (3, 0) locked compass,
    // (4, 0) disabled; below them an empty coloured square at (1, 1) and a disabled cell at (2, 1).
    setUp(Design::parse({"_abc.", "__.__"}, {"..1L", ".1"}));
    board->borders[0 * kBorderRows + 0] = 1;
    board->startReveal();
    int steps = 0;
    while (board->revealing && steps < 400) {
        board->Update();
        ++steps;
    }
    EXPECT_FALSE(board->revealing);
    EXPECT_EQ(steps, 3 * (19 + 11) + 20 + 1 + 30) << "the last cell's delay and tween, one quiet step, the fade";

    DrawFrame();
    const auto tileLeft = [](int col) { return 248 + 55 * col; };
    Expect("border 1", 193, 33, OpaqueSample("states/playing/border_1.png"));
    Expect("empty tile", tileLeft(0), 88, OpaqueSample("states/playing/board_back.png", 0, 0, kSeeThrough));
    Expect("coloured square", tileLeft(1), 143, OpaqueSample("states/playing/board_color1.png", 0, 0, kSeeThrough));
    Expect("hat, frame 0", 245 + 55, 85, OpaqueSample("states/playing/pieces/hat.png", 64, 64));
    Expect("shell over a coloured square", 245 + 110, 85, OpaqueSample("states/playing/pieces/shell.png", 64, 64));
    Expect("lock over the compass", tileLeft(3), 88, OpaqueSample("states/playing/single_lock.png"));
    const Rgb disabled = At(tileLeft(4) + 27, 88 + 27);
    EXPECT_TRUE(Close(disabled, Rgb{})) << "a disabled cell draws nothing";
    const Rgb hole = At(tileLeft(2) + 27, 143 + 27);
    EXPECT_TRUE(Close(hole, Rgb{})) << "nor does the disabled cell below";

    board->backImage = 2;
    board->cellAt(2, 0)->colourLayers = 0;
    board->clearAll();
    DrawFrame();
    Expect("the tile of level 6", tileLeft(0), 88, OpaqueSample("states/playing/board_back3.png", 0, 0, kSeeThrough));
    Expect("a cleared coloured square", tileLeft(2), 88, OpaqueSample("states/playing/board_back3.png", 0, 0, kSeeThrough));
}

// Every kind of piece and effect drawn for a while: dying pieces, crystals, debris, explosions,
// popups and the thrown-off pieces of the outro.
TEST_P(BoardFrame, PiecesAndEffectsDrawThroughTheirWholeLives) {
    setUp(Design::parse({"abcab", "bcabc", "cabca", "aabaa", "..a.."}, {"11LD1", "", "", "2"}), 4);
    board->makeSpecial(piece(0, 0), kSpecialExplodingCrystal, 0);
    board->makeSpecial(piece(4, 0), kSpecialAirCoin, 0);
    board->startSwap({2, 4}, {2, 3});
    for (int i = 0; i < 40; ++i) {
        tick();
        DrawFrame();
    }
    for (const auto& p : board->allPieces()) {
        if (!p->special || p->specialKind != kSpecialExplodingCrystal) continue;
        board->select({p->col, p->row});
        board->clickSelected({p->col, p->row});
        break;
    }
    EXPECT_GT(board->effects.Count(), 8);
    for (int i = 0; i < 5; ++i) {
        tick();
        DrawFrame();
    }
    board->startOutro();
    for (int i = 0; i < 200 && !board->finished; ++i) {
        tick();
        DrawFrame();
    }
    EXPECT_TRUE(board->finished);
}

}  // namespace

// The laptop's window shows the canvas at 0.853: empty cells, drawn over nothing, must still meet.
// Where two did not, the black behind the board would show as a dark line along their boundary.
TEST_P(BoardFrame, EmptyCellsMeetInTheLaptopWindow) {
    ASSERT_TRUE(OpenLaptopWindow());
    setUp(Design::parse({"________", "________", "________"}));
    DrawFrame();
    ASSERT_EQ(screenWidth, kLaptopWidth);
    const float scale = static_cast<float>(kLaptopWidth) / kCanvasWidth;
    const auto lightness = [this](int x, int y) {
        const Rgb c = At(x, y);
        return c.r + c.g + c.b;
    };
    constexpr int kCellLeft = 248;
    constexpr int kCellTop = 88;
    constexpr int kPitch = 55;
    for (int boundary = 1; boundary < 8; ++boundary) {
        const int x = static_cast<int>(std::lround((kCellLeft + kPitch * boundary) * scale));
        for (int cy = kCellTop + 10; cy < kCellTop + 3 * kPitch - 10; cy += 3) {
            const int y = static_cast<int>(cy * scale);
            for (int dx : {-1, 0}) {
                const int inside = std::min(lightness(x + dx - 3, y), lightness(x + dx + 3, y));
                EXPECT_GE(lightness(x + dx, y) * 2, inside)
                    << "a dark line at x " << x + dx << ", y " << y << " between columns " << boundary - 1 << " and "
                    << boundary;
            }
        }
    }
    for (int boundary = 1; boundary < 3; ++boundary) {
        const int y = static_cast<int>(std::lround((kCellTop + kPitch * boundary) * scale));
        for (int cx = kCellLeft + 10; cx < kCellLeft + 8 * kPitch - 10; cx += 3) {
            const int x = static_cast<int>(cx * scale);
            for (int dy : {-1, 0}) {
                const int inside = std::min(lightness(x, y + dy - 3), lightness(x, y + dy + 3));
                EXPECT_GE(lightness(x, y + dy) * 2, inside) << "a dark line at x " << x << ", y " << y + dy;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothRenderers, BoardFrame, testing::Values(TestRenderer::Software, TestRenderer::Accelerated),
                         [](const auto& info) { return RendererLabel(info.param); });
