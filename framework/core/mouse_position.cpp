#include "framework/core/mouse_position.h"

#include <cstdint>

#include "engine/k_system.h"
#include "framework/core/frame_context.h"

namespace {

constexpr int kEngineReading = -1;
int dispatchedLeft = kEngineReading;  // 0 up, 1 down while the dispatch shows an event

// The engine's readings are 16-bit signed values; scaled windows map them back onto the canvas.
int ToCanvas(int windowValue) {
    const int16_t value = static_cast<int16_t>(windowValue);
    const FrameContext& frame = Frame();
    return frame.displayScaled ? static_cast<int>(static_cast<float>(value) * frame.inverseDisplayScale) : value;
}

}  // namespace

LDvPoint GetMousePosition() { return LDvPoint{ToCanvas(getMouseX()), ToCanvas(getMouseY())}; }

bool GetLeftButtonDown() { return dispatchedLeft == kEngineReading ? isLeftButtonDown() : dispatchedLeft != 0; }

DispatchedLeftButton::DispatchedLeftButton(bool down) : previous(dispatchedLeft) { dispatchedLeft = down ? 1 : 0; }

DispatchedLeftButton::~DispatchedLeftButton() { dispatchedLeft = previous; }
