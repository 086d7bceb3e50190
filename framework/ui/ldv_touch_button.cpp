#include "framework/ui/ldv_touch_button.h"

#include "framework/core/frame_context.h"
#include "framework/core/ldv_state.h"

namespace {

constexpr double kHoldSeconds = 0.3;
constexpr int32_t kTouchPressOffsetX = 0;
constexpr int32_t kTouchPressOffsetY = 2;
constexpr int32_t kTouchGlowPercent = 15;
constexpr float kPercent = 100.0f;
constexpr int32_t kAdditiveBlend = 1;

}  // namespace

LDvTouchButton::LDvTouchButton() {
    kind = kButtonKindTouch;
    enabled = true;
    pressOffsetX = kTouchPressOffsetX;
    pressOffsetY = kTouchPressOffsetY;
    glowPercent = kTouchGlowPercent;
}

void LDvTouchButton::PlaceImage() {
    image.x = x;
    image.y = y;
}

void LDvTouchButton::SetPosition(int newX, int newY) {
    LDvButton::SetPosition(newX, newY);
    PlaceImage();
}

void LDvTouchButton::MoveBy(int dx, int dy) {
    LDvButton::MoveBy(dx, dy);
    PlaceImage();
}

LDvRect LDvTouchButton::GetBounds() {
    PlaceImage();
    return image.GetBounds();
}

bool LDvTouchButton::Touch(LDvState* newListener) {
    if (!touchEnabled || disabled || touched || !IsMouseOver()) return false;
    touched = true;
    listener = newListener;
    holdCounter = static_cast<int32_t>(Frame().updatesPerSecond * kHoldSeconds);
    return true;
}

void LDvTouchButton::OnTick(int) {
    hover = IsMouseOver();
    if (!touched) return;
    if (holdCounter > 0) --holdCounter;
    if (holdCounter > 0) return;
    touched = false;
    if (listener != nullptr) listener->OnButton(this);
}

void LDvTouchButton::Draw() {
    PlaceImage();
    if (touched && touchEnabled) {
        image.x += static_cast<float>(pressOffsetX);
        image.y += static_cast<float>(pressOffsetY);
    }
    image.Draw();
    if (hover) {
        image.blendMode = kAdditiveBlend;
        image.opacity = static_cast<float>(glowPercent) / kPercent;
        image.Draw();
        image.opacity = 1.0f;
        image.blendMode = 0;
    }
    PlaceImage();
}
