#include "framework/ui/ldv_button.h"

#include "framework/core/mouse_position.h"
#include "framework/ui/ldv_sound.h"

namespace {

struct DefaultSounds {
    LDvSound* hover = nullptr;
    LDvSound* click = nullptr;
};

DefaultSounds& Defaults() {
    static DefaultSounds sounds;
    return sounds;
}

constexpr float kPercent = 100.0f;
constexpr int32_t kAdditiveBlend = 1;
constexpr int32_t kNormalBlend = 0;

bool ShowsHoverFrame(int32_t kind) { return kind == 1 || kind == 2 || kind == 4 || kind == 6 || kind == 7; }

}  // namespace

void SetDefaultButtonSounds(LDvSound* hover, LDvSound* click) { Defaults() = {hover, click}; }

void LDvButton::SetPosition(int newX, int newY) {
    LDvOverlay::SetPosition(newX, newY);
    for (LDvOverlay* look : {normalLook, pressedLook, hoverLook}) {
        if (look != nullptr) look->SetPosition(newX, newY);
    }
}

void LDvButton::OnTick(int) { UpdateHover(); }

bool LDvButton::IsToggle() const { return kind == 3 || kind == 4; }

bool LDvButton::Contains(int px, int py) {
    const LDvRect box = normalLook != nullptr ? normalLook->GetBounds() : GetBounds();
    return px >= box.left && px <= box.right && py >= box.top && py <= box.bottom;
}

bool LDvButton::IsMouseOver() {
    const LDvPoint mouse = GetMousePosition();
    return Contains(mouse.x, mouse.y);
}

bool LDvButton::IsClicked() {
    const bool wasClicked = clicked;
    clicked = false;
    return wasClicked;
}

void LDvButton::PlayHoverSound() { PlaySample(ownSounds ? hoverSound : Defaults().hover); }

void LDvButton::PlayClickSound() { PlaySample(ownSounds ? clickSound : Defaults().click); }

void LDvButton::UpdateHover() {
    if (hidden || !isButton) return;
    const bool over = IsMouseOver();
    const bool down = GetLeftButtonDown();
    if (down && mouseWasUp) {
        // A click nobody read (the button was not enabled for the search) must not fire later.
        clicked = false;
        if (!armed && over) armed = true;
    }
    if (armed && down && !IsToggle()) pressed = over;
    if (!down && armed) {
        if (!IsToggle()) pressed = false;
        armed = false;
        if (over) {
            if (IsToggle()) pressed = !pressed;
            PlayClickSound();
            clicked = true;
        }
    }
    UpdateFrames(over);
    mouseWasUp = !down;
    previousHover = over;
}

// A picture with a single frame and a separate hover look keeps frame 0: the look shows the hover.
void LDvButton::ChangeFrame(int32_t frame) {
    if (frameCount > 1 || hoverLook == nullptr) currentFrame = frame;
}

void LDvButton::UpdateFrames(bool over) {
    if (ShowsHoverFrame(kind)) {
        if (pressed) {
            ChangeFrame(kButtonFramePressed);
            return;
        }
        if (!over && currentFrame == kButtonFrameHover) ChangeFrame(kButtonFrameNormal);
        if (over && currentFrame == kButtonFrameNormal) {
            if (!previousHover) PlayHoverSound();
            ChangeFrame(kButtonFrameHover);
        }
    }
    if (pressed) {
        ChangeFrame(kButtonFramePressed);
    } else if (currentFrame == kButtonFramePressed) {
        ChangeFrame(kButtonFrameNormal);
    }
}

void LDvButton::DrawGlow() {
    blendMode = kAdditiveBlend;
    opacity = static_cast<float>(glowPercent) / kPercent;
    LDvOverlay::Draw();
    opacity = 1.0f;
    blendMode = kNormalBlend;
}

void LDvButton::Draw() {
    if (kind == kButtonKindGlow) {
        if (pressed) {
            x += static_cast<float>(pressOffsetX);
            y += static_cast<float>(pressOffsetY);
            LDvOverlay::Draw();
            x -= static_cast<float>(pressOffsetX);
            y -= static_cast<float>(pressOffsetY);
            return;
        }
        LDvOverlay::Draw();
        if (isButton && IsMouseOver()) DrawGlow();
        return;
    }
    if (pressed && pressedLook != nullptr) {
        pressedLook->Draw();
    } else if (hoverLook != nullptr && IsMouseOver()) {
        hoverLook->Draw();
    } else if (normalLook != nullptr) {
        normalLook->Draw();
    } else {
        LDvOverlay::Draw();
    }
}
