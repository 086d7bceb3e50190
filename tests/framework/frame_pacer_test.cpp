// When the main loop draws and when it keeps the frame on screen: a real (off-screen) window, a
// picture whose place the test changes, and the manual clock.
#include "framework/core/frame_pacer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/k_clock.h"
#include "engine/k_graphic.h"
#include "engine/k_test_input.h"
#include "engine/k_window.h"

namespace {

class Pacing : public ::testing::Test {
protected:
    void SetUp() override {
        setManualClock(true);
        ASSERT_TRUE(window.createGameWindow(1600, 900, 32, true, "pacing"));
        const std::vector<uint32_t> pixels(16 * 16, 0xFF00FFFFu);
        ASSERT_TRUE(picture.loadPictureFromPixels(pixels.data(), 16, 16));
    }
    void TearDown() override { setManualClock(false); }

    // One pass of the loop, a step apart: true when a frame was drawn and presented.
    bool Pass(bool enabled = true) {
        advanceManualClock(kStep);
        const auto draw = [this] { picture.blitAlphaRect(0, 0, 16, 16, x, 100); };
        if (!pacer.ShouldDraw(window, draw, enabled)) {
            window.holdFrame();
            return false;
        }
        draw();
        pacer.Drawn(window.signature().value());
        window.flipBackBuffer(true);
        return true;
    }
    int Presented(int passes) {
        int shown = 0;
        for (int i = 0; i < passes; ++i) shown += Pass() ? 1 : 0;
        return shown;
    }

    static constexpr uint32_t kStep = 16;
    KWindow window{K_RENDERER_SOFTWARE};
    KGraphic picture;
    FramePacer pacer;
    float x = 100.0f;
};

TEST_F(Pacing, DrawsWhileThePictureChangesAndHoldsItOnceItStandsStill) {
    EXPECT_TRUE(Pass()) << "the first frame";
    EXPECT_TRUE(Pass()) << "the same again, which shows the screen stands still";
    EXPECT_EQ(Presented(10), 0);
    x = 101.0f;
    EXPECT_TRUE(Pass()) << "a change shows at once";
    for (int i = 0; i < 5; ++i) {
        x += 1.0f;
        EXPECT_TRUE(Pass()) << "moving, every frame";
    }
    EXPECT_TRUE(Pass());
    EXPECT_EQ(Presented(5), 0);
}

TEST_F(Pacing, AStillPictureIsDrawnAgainOnceASecond) {
    const int passes = static_cast<int>(FramePacer::kRefreshMilliseconds / kStep) * 3;
    const int shown = Presented(passes);
    EXPECT_GE(shown, 4);
    EXPECT_LE(shown, 5);
}

TEST_F(Pacing, InTheBackgroundAtMostFiveFramesASecondEvenWhileMoving) {
    window.deliverEvent(KTestInput::focusEvent(false));
    const int passes = 1000 / static_cast<int>(kStep);
    int shown = 0;
    for (int i = 0; i < passes; ++i) {
        x += 1.0f;
        shown += Pass() ? 1 : 0;
    }
    EXPECT_GE(shown, 4);
    EXPECT_LE(shown, 6);
    window.deliverEvent(KTestInput::focusEvent(true));
    x += 1.0f;
    EXPECT_TRUE(Pass()) << "back in front, every frame again";
}

TEST_F(Pacing, SwitchedOffEveryPassDraws) {
    int shown = 0;
    for (int i = 0; i < 10; ++i) shown += Pass(false) ? 1 : 0;
    EXPECT_EQ(shown, 10);
}

}  // namespace
