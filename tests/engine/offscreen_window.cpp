#include "tests/engine/offscreen_window.h"

#include <cstdlib>

OffscreenWindow::OffscreenWindow(TestRenderer renderer, int width, int height) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (renderer == TestRenderer::Accelerated) {
        xvfb = std::make_unique<OnXvfb>();
        if (!xvfb->ready()) return;
    }
    owned = std::make_unique<KWindow>(RendererKind(renderer));
    owned->setAspectCorrection(true);
    ok = owned->createGameWindow(width, height, 32, true, "engine test", 0);
}

bool OffscreenWindow::grab() { return owned->readPixels(frame, frameWidth, frameHeight); }

Rgba OffscreenWindow::sample(int x, int y) const {
    if (x < 0 || y < 0 || x >= frameWidth || y >= frameHeight) return Rgba{-1, -1, -1, -1};
    const uint32_t pixel = frame[static_cast<size_t>(y) * frameWidth + x];
    return Rgba{static_cast<int>(pixel & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
                static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>(pixel >> 24)};
}

bool near(const Rgba& actual, const Rgba& expected, int tolerance) {
    return std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
           std::abs(actual.b - expected.b) <= tolerance;
}
