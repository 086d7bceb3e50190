#include "framework/core/display_scale.h"

#include "engine/frame_canvas.h"
#include "engine/k_window.h"
#include "framework/core/frame_context.h"

void FollowWindowSize() {
    FrameContext& frame = Frame();
    const KWindow* window = frame.window.get();
    const FrameCanvas* canvas = window != nullptr ? window->frameCanvas() : nullptr;
    if (canvas == nullptr || !frame.canvasDrawing || window->getWidth() <= 0 || canvas->width() <= 0) return;
    frame.width = static_cast<int16_t>(window->getWidth());
    frame.height = static_cast<int16_t>(window->getHeight());
    const bool scaled = window->getWidth() != canvas->width() || window->getHeight() != canvas->height();
    frame.displayScaled = frame.displayCentreScaling = scaled;
    frame.displayScale = scaled ? static_cast<float>(window->getWidth()) / static_cast<float>(canvas->width()) : 1.0f;
    frame.inverseDisplayScale = 1.0f / frame.displayScale;
}
