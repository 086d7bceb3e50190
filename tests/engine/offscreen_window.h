#pragma once
// A window for tests that draw and read the frame back, with helpers to sample its pixels: by
// default the software renderer's 1600 x 900 window on SDL's dummy video driver; with the
// accelerated renderer, a window under the tests' own Xvfb (tests/support/xvfb_display.h), which
// `created()` is false without.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/k_window.h"
#include "tests/support/xvfb_display.h"

struct Rgba {
    int r = 0, g = 0, b = 0, a = 0;
};

class OffscreenWindow {
public:
    static constexpr int kWidth = 1600;
    static constexpr int kHeight = 900;

    explicit OffscreenWindow(TestRenderer renderer = TestRenderer::Software, int width = kWidth, int height = kHeight);
    KWindow& window() { return *owned; }
    bool created() const { return ok; }

    // Reads the frame; sample() then reads from that copy.
    bool grab();
    Rgba sample(int x, int y) const;
    int grabbedWidth() const { return frameWidth; }
    int grabbedHeight() const { return frameHeight; }

private:
    std::unique_ptr<OnXvfb> xvfb;
    std::unique_ptr<KWindow> owned;
    bool ok = false;
    std::vector<uint32_t> frame;
    int frameWidth = 0;
    int frameHeight = 0;
};

// True when every channel is within `tolerance` of the expected value.
bool near(const Rgba& actual, const Rgba& expected, int tolerance);
