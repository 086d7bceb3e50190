#include "game/widgets/sliding_ui.h"

#include <cmath>

#include "framework/ui/ldv_overlay.h"

namespace {

constexpr float kSlideInGravity = 0.25f;
constexpr float kBounceDamping = 0.3f;
constexpr int32_t kDropBounces = 3;

}  // namespace

void SlidingUI::Attach(LDvOverlay* overlay, LDvPoint offset) {
    overlays.Add(overlay);
    offsets.Add(offset);
}

LDvOverlay* SlidingUI::MainOverlay() const { return overlays.IsEmpty() ? nullptr : *overlays.begin(); }

void SlidingUI::StartSlideIn() {
    speed = 0.0f;
    gravity = kSlideInGravity;
    bounceCount = 0;
    tweenCounter = tweenLength;
    delayCounter = configuredDelay;
    slideIn = 1;
    slideOut = 0;
}

void SlidingUI::StartSlideOut() {
    slideIn = 0;
    slideOut = 1;
    tweenCounter = tweenLength;
    delayCounter = configuredDelay;
}

// A new drop counts its bounces from zero, or a second drop of the same board would never stop.
void SlidingUI::Drop(float initialSpeed, float dropGravity) {
    drop = 1;
    speed = initialSpeed;
    gravity = dropGravity;
    bounceCount = 0;
}

bool SlidingUI::IsAtRest() const { return currentX == endX && currentY == endY; }

void SlidingUI::Tick() {
    if (delayCounter != 0) {
        --delayCounter;
        return;
    }
    if (drop != 0) {
        StepDrop();
        return;
    }
    if (tweenCounter == 0) {
        ++ticksAtRest;
        return;
    }
    StepSlide();
}

void SlidingUI::StepDrop() {
    currentY += speed;
    speed += gravity;
    if (currentY > endY) {
        currentY = endY;
        ++bounceCount;
        speed = -speed * kBounceDamping;
    }
    if (bounceCount >= kDropBounces) {
        drop = 0;
        tweenCounter = 0;
    }
    PlaceOverlays();
}

void SlidingUI::StepSlide() {
    --tweenCounter;
    const float t = tweenLength > 0 ? 1.0f - static_cast<float>(tweenCounter) / static_cast<float>(tweenLength) : 1.0f;
    if (slideIn != 0) {
        const float e = std::sqrt(t);
        currentX = startX + (endX - startX) * e;
        currentY = startY + (endY - startY) * e;
    } else if (slideOut != 0) {
        const float e = t * t;
        currentX = endX + (startX - endX) * e;
        currentY = endY + (startY - endY) * e;
    }
    if (tweenCounter == 0) {
        ticksAtRest = 0;
        slideIn = 0;
        slideOut = 0;
    }
    PlaceOverlays();
}

void SlidingUI::PlaceOverlays() {
    auto offset = offsets.begin();
    for (LDvOverlay* overlay : overlays) {
        if (overlay != nullptr) {
            overlay->SetPosition(static_cast<int>(currentX) + offset->x, static_cast<int>(currentY) + offset->y);
        }
        ++offset;
    }
}

void SlidingUI::Draw() {
    PlaceOverlays();
    bool first = true;
    for (LDvOverlay* overlay : overlays) {
        // The main overlay shows its own pressed look; the badges follow it down.
        const int dx = first ? 0 : pressOffsetX;
        const int dy = first ? 0 : pressOffsetY;
        first = false;
        if (overlay == nullptr || overlay->hidden) continue;
        overlay->MoveBy(dx, dy);
        overlay->Draw();
        overlay->MoveBy(-dx, -dy);
    }
}
