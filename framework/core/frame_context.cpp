#include "framework/core/frame_context.h"

#include "engine/k_graphic.h"
#include "engine/k_window.h"
#include "framework/core/window_request.h"
#include "framework/data/ldv_ini_file.h"

FrameContext::FrameContext() = default;
FrameContext::~FrameContext() = default;
FrameContext& FrameContext::operator=(FrameContext&&) noexcept = default;

FrameContext& Frame() {
    static FrameContext frame;
    return frame;
}

void ResetFrameForTesting() {
    Frame() = FrameContext();
    RequestedWindow() = WindowRequest{};
}

bool DrawsScaled() {
    const FrameContext& frame = Frame();
    return frame.displayScaled && !frame.canvasDrawing;
}

float DrawScale() { return DrawsScaled() ? Frame().displayScale : 1.0f; }

float WindowPixelScale() { return Frame().canvasDrawing ? 1.0f : Frame().displayScale; }

bool DrawsCentreScaled() { return Frame().displayCentreScaling && !Frame().canvasDrawing; }
